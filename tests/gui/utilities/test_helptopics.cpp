#include "gui/utilities/helptopics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace kora::gui {
namespace {

QString readResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QSet<QString> anchorsOf(const QString& html) {
    static const QRegularExpression name(QStringLiteral("<a\\s+name=\"([^\"]+)\""));
    QSet<QString> anchors;
    for (auto it = name.globalMatch(html); it.hasNext();) anchors.insert(it.next().captured(1));
    return anchors;
}

// The help context numbers that the main window's menus, the dialogs and their controls carry.
const int kProgramContexts[] = {
    1000, 1100, 1200, 1300, 1400, 1500, 1550, 1600, 1700, 1800, // File menu
    2000, 2100, 2200, 2201, 2202, 2203,                         // Input menu and its dialogs
    3000, 3100, 3200, 3300, 3500,                               // Output menu
    4000, 4100, 4200, 4300, 4400, 4500,                         // Utilities, unit calculator
    5000, 5001,                                                 // Help menu, Help buttons
};

TEST(HelpTopics, EveryHelpContextOfTheProgramHasATopicOnAnExistingPageAndAnchor) {
    InitHelpResources();
    for (int context : kProgramContexts) {
        SCOPED_TRACE(context);
        const HelpTopic* topic = FindHelpTopic(context);
        ASSERT_NE(topic, nullptr);
        const QUrl url = HelpTopicUrl(context);
        EXPECT_EQ(url.scheme(), QStringLiteral("qrc"));
        const QString page = readResource(QLatin1Char(':') + url.path());
        ASSERT_FALSE(page.isEmpty()) << qPrintable(url.toString());
        EXPECT_TRUE(anchorsOf(page).contains(url.fragment())) << qPrintable(url.toString());
        EXPECT_STRNE(topic->title, "");
    }
}

TEST(HelpTopics, EveryTopicOfTheTableIsOnAnExistingPageAndAnchor) {
    InitHelpResources();
    for (const HelpTopic& topic : HelpTopics()) {
        SCOPED_TRACE(topic.context);
        const QString page = readResource(QStringLiteral(":/help/") + QLatin1String(topic.page));
        ASSERT_FALSE(page.isEmpty());
        EXPECT_TRUE(anchorsOf(page).contains(QLatin1String(topic.anchor)));
        EXPECT_EQ(FindHelpTopic(topic.context), &topic);
    }
}

TEST(HelpTopics, UnknownContextsLeadToTheContents) {
    for (int context : {0, -1, 999, 1001, 2204, 6000}) {
        EXPECT_EQ(FindHelpTopic(context), nullptr) << context;
        EXPECT_EQ(HelpTopicUrl(context), HelpContentsUrl()) << context;
    }
}

TEST(HelpManual, EveryPageOnDiskIsCompiledIn) {
    InitHelpResources();
    const QDir source(QStringLiteral(KORA_SOURCE_DIR "/docs/help"));
    const QStringList pages = source.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_GE(pages.size(), 20);
    for (const QString& page : pages) {
        const QString compiled = readResource(QStringLiteral(":/help/") + page);
        QFile onDisk(source.filePath(page));
        ASSERT_TRUE(onDisk.open(QIODevice::ReadOnly));
        EXPECT_EQ(compiled, QString::fromUtf8(onDisk.readAll())) << qPrintable(page);
    }
    EXPECT_FALSE(HelpStyleSheet().isEmpty());
}

TEST(HelpManual, EveryLinkBetweenPagesLeadsToAnExistingPageAndAnchor) {
    InitHelpResources();
    static const QRegularExpression href(QStringLiteral("<a\\s+href=\"([^\"]+)\""));
    const QStringList pages =
        QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
    int links = 0;
    for (const QString& page : pages) {
        const QString html = readResource(QStringLiteral(":/help/") + page);
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QUrl link(it.next().captured(1));
            if (!link.isRelative()) continue;
            ++links;
            const QString target = link.path().isEmpty() ? page : link.path();
            const QString targetHtml = readResource(QStringLiteral(":/help/") + target);
            EXPECT_FALSE(targetHtml.isEmpty()) << qPrintable(page + " -> " + link.toString());
            if (link.hasFragment()) {
                EXPECT_TRUE(anchorsOf(targetHtml).contains(link.fragment()))
                    << qPrintable(page + " -> " + link.toString());
            }
        }
    }
    EXPECT_GT(links, 200);
}

TEST(HelpManual, ContentsReachesEveryPage) {
    InitHelpResources();
    const QString contents = readResource(QStringLiteral(":/help/contents.html"));
    const QStringList pages =
        QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
    for (const QString& page : pages) {
        if (page == QLatin1String("contents.html")) continue;
        EXPECT_TRUE(contents.contains(QStringLiteral("href=\"") + page))
            << qPrintable(page) << " is not listed in the contents";
    }
}

} // namespace
} // namespace kora::gui
