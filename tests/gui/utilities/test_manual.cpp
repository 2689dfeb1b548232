// The manual the help window shows and the PDF documents built from it: every help context
// leads to an existing page and anchor, and every link between pages holds.
#include "gui/utilities/helptopics.h"
#include "guitest.h"

namespace kora::gui {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString page(const QString& name) {
    InitHelpResources();
    return QString::fromUtf8(readAll(QStringLiteral(":/help/") + name));
}

QSet<QString> anchorsOf(const QString& html) {
    static const QRegularExpression name(QStringLiteral("<a\\s+name=\"([^\"]+)\""));
    QSet<QString> anchors;
    for (auto it = name.globalMatch(html); it.hasNext();) anchors.insert(it.next().captured(1));
    return anchors;
}

// The help context numbers that the main window's menus, the dialogs and their controls carry.
const int ProgramContexts[] = {1000, 1100, 1200, 1300, 1400, 1500, 1550, 1600, 1700, 1800,
                               2000, 2100, 2200, 2201, 2202, 2203, 3000, 3100, 3200, 3300,
                               3500, 4000, 4100, 4200, 4300, 4400, 4500, 5000, 5001};

// Every help context leads to an existing page and anchor; every page on disk is compiled in,
// listed in the contents, and every link between pages leads to an existing page and anchor.
TEST(Manual, EveryHelpContextPageAndLinkLeadsToAnExistingPageAndAnchor) {
    for (int context : ProgramContexts) EXPECT_NE(FindHelpTopic(context), nullptr) << context;
    for (const HelpTopic& topic : HelpTopics()) {
        const QUrl url = HelpTopicUrl(topic.context);
        EXPECT_TRUE(anchorsOf(page(url.fileName())).contains(url.fragment()))
            << qPrintable(url.toString());
    }
    for (int context : {0, 999, 2204, 6000})
        EXPECT_EQ(HelpTopicUrl(context), HelpContentsUrl()) << context;

    const QDir source(QStringLiteral(KORA_SOURCE_DIR "/docs/help"));
    const QStringList pages = source.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_GE(pages.size(), 20);
    static const QRegularExpression href(QStringLiteral("<a\\s+href=\"([^\"]+)\""));
    int links = 0;
    for (const QString& name : pages) {
        const QString html = page(name);
        EXPECT_EQ(html, QString::fromUtf8(readAll(source.filePath(name)))) << qPrintable(name);
        EXPECT_TRUE(name == QLatin1String("contents.html") ||
                    page(QStringLiteral("contents.html")).contains("href=\"" + name))
            << qPrintable(name);
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QUrl link(it.next().captured(1));
            if (!link.isRelative()) continue;
            ++links;
            const QString target = page(link.path().isEmpty() ? name : link.path());
            EXPECT_FALSE(target.isEmpty()) << qPrintable(name + " -> " + link.toString());
            EXPECT_TRUE(!link.hasFragment() || anchorsOf(target).contains(link.fragment()))
                << qPrintable(name + " -> " + link.toString());
        }
    }
    EXPECT_GT(links, 200);
}

int pageCount(const QByteArray& pdf) {
    static const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(pdf).count(pageObject));
}

int runMakePdf(const QStringList& arguments, QString* errors) {
    QProcess process;
    process.start(QStringLiteral(KORA_MAKEPDF), arguments);
    if (!process.waitForFinished(60000)) return -1;
    *errors = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// The manual and the three reference documents are built as PDF files, the manual at least a
// page per HTML page. makepdf puts each page on a new PDF page and refuses missing input or bad
// usage without leaving a file behind.
TEST(Manual, TheDocumentsAreBuiltAsPdfFiles) {
    const int manualPages = int(readAll(KORA_SOURCE_DIR "/docs/help/help.qrc").count(".html<"));
    ASSERT_GE(manualPages, 20);
    EXPECT_GE(pageCount(readAll(QStringLiteral(KORA_BIN_DIR "/KORA.PDF"))), manualPages);

    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("out.pdf"));
    QStringList pages;
    for (int i = 1; i <= 3; ++i) {
        pages << dir.filePath(QStringLiteral("page%1.html").arg(i));
        QFile file(pages.back());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<html><body><h1>Page</h1></body></html>");
    }
    const QStringList bad[] = {{"--output", output, dir.filePath(QStringLiteral("missing.html"))},
                               {"--output", output},
                               {"--bogus", "x", "--output", output}};
    QString errors;
    for (const QStringList& arguments : bad) {
        EXPECT_EQ(runMakePdf(arguments, &errors), 1) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(errors.contains(QStringLiteral("makepdf: "))) << qPrintable(errors);
        EXPECT_FALSE(QFileInfo::exists(output));
    }
    ASSERT_EQ(runMakePdf(QStringList{"--output", output, "--title", "Test"} + pages, &errors), 0)
        << qPrintable(errors);
    EXPECT_EQ(pageCount(readAll(output)), 3);
    EXPECT_FALSE(QFileInfo::exists(output + QStringLiteral(".part")));
}

} // namespace
} // namespace kora::gui
