// The manual the help window shows and the PDF documents built from it: every help context
// leads to an existing page and anchor, every link between pages holds, and the report excerpts
// it prints are what the program prints, so the manual cannot drift from the program.
#include "core/engine/calculation.h"
#include "gui/utilities/helptopics.h"
#include "scriptedmessenger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

TEST(Manual, EveryHelpContextLeadsToAnExistingPageAndAnchor) {
    for (int context : ProgramContexts) EXPECT_NE(FindHelpTopic(context), nullptr) << context;
    for (const HelpTopic& topic : HelpTopics()) {
        EXPECT_EQ(FindHelpTopic(topic.context), &topic);
        const QUrl url = HelpTopicUrl(topic.context);
        EXPECT_EQ(url.scheme(), QStringLiteral("qrc"));
        EXPECT_TRUE(anchorsOf(page(url.fileName())).contains(url.fragment()))
            << qPrintable(url.toString());
    }
    for (int context : {0, 999, 2204, 6000})
        EXPECT_EQ(HelpTopicUrl(context), HelpContentsUrl()) << context;
}

// Every page on disk is compiled in, listed in the contents, and every link between pages leads
// to an existing page and anchor.
TEST(Manual, EveryPageIsCompiledInListedAndLinkedCorrectly) {
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

// The example of "Getting started": 7 ft entries under 800 ft of cover beside a 1000 ft panel,
// 18 ft wide, crosscuts at 120 ft, three entries 80 and 100 ft apart; pages 1..4 of a run.
QString reportPages(OutputCommand analysis) {
    ProjectRecord p;
    p.EntryHeight = 7;
    p.DepthOfCover = 800;
    p.PanelWidth = 1000;
    p.EntryWidth = 18;
    p.CrosscutSpacing = 120;
    p.NumEntries = 3;
    p.CenterDistance[1] = 80;
    p.CenterDistance[2] = 100;
    p.ProjectEmpty = false;
    WorkingSet w;
    PlanGeometry plan;
    ReportBuffer report;
    kora::test::ScriptedMessenger messenger;
    EXPECT_TRUE(RunAnalysis(analysis, p, w, plan, report, ReportOptions{}, messenger));
    std::string pages;
    for (int i = 1; i <= 4; ++i) pages += report.OutBuf[std::size_t(i)];
    return QString::fromStdString(pages).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

TEST(Manual, ReportExcerptsAndQuotedFactorsAreWhatTheProgramPrints) {
    const QString standard = reportPages(OutputCommand::Standard);
    const QString printed = standard + reportPages(OutputCommand::Sizing);
    static const QRegularExpression pre(QStringLiteral("<pre>(.*?)</pre>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    int checked = 0;
    for (auto it = pre.globalMatch(page(QStringLiteral("reports.html"))); it.hasNext();) {
        QString block = it.next().captured(1);
        block.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
        if (block.startsWith(QStringLiteral("[GEOMETRY PARAMETERS]"))) continue; // page 0
        const qsizetype cut = block.indexOf(QStringLiteral("\n...")); // an excerpt ends at "..."
        const QString excerpt = (cut >= 0 ? block.left(cut) : block) + QLatin1Char('\n');
        EXPECT_TRUE(printed.contains(excerpt)) << "not printed:\n" << qPrintable(excerpt);
        ++checked;
    }
    EXPECT_EQ(checked, 5);
    const QString tailgate =
        standard.split(QLatin1Char('\n')).filter(QStringLiteral("*** Tailgate Loading")).value(0);
    // The factors follow a run of dots: without them the last two words.
    const QStringList values = tailgate.split(QLatin1Char('.'), Qt::SkipEmptyParts)
                                   .join(QLatin1Char('.'))
                                   .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ASSERT_GE(values.size(), 2);
    EXPECT_TRUE(page(QStringLiteral("gettingstarted.html"))
                    .contains("the tailgate line reads " + values[values.size() - 2] +
                              " (Classic) and " + values.back() + " (R)"))
        << qPrintable(tailgate);
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
    const std::pair<const char*, int> documents[] = {{"KORA.PDF", manualPages},
                                                     {"KORA-Method.pdf", 1},
                                                     {"KORA-Stability-Factors.pdf", 1},
                                                     {"KORA-Worked-Example.pdf", 1}};
    for (const auto& [name, minimumPages] : documents) {
        const QByteArray pdf = readAll(QStringLiteral(KORA_BIN_DIR "/") + QLatin1String(name));
        EXPECT_TRUE(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF")) << name;
        EXPECT_GE(pageCount(pdf), minimumPages) << name;
    }

    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("out.pdf"));
    QStringList pages;
    for (int i = 1; i <= 3; ++i) {
        pages << dir.filePath(QStringLiteral("page%1.html").arg(i));
        QFile file(pages.back());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("<html><body><h1>Page %1</h1></body></html>").arg(i).toUtf8());
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
