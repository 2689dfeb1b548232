// The report excerpts printed in the manual are those of the example project of "Getting
// started"; they are checked against the engine, so the manual cannot drift from the program.
#include "core/engine/calculation.h"
#include "scriptedmessenger.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

namespace kora {
namespace {

QString readSource(const char* relative) {
    QFile file(QStringLiteral(KORA_SOURCE_DIR "/") + QLatin1String(relative));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString unescape(QString html) {
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    html.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return html;
}

// The example: 7 ft entries under 800 ft of cover beside a 1000 ft panel, 18 ft entries,
// crosscuts at 120 ft, three entries 80 and 100 ft apart, default strength, angle and weight.
ProjectRecord exampleProject() {
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
    return p;
}

QStringList reportPages(OutputCommand analysis) {
    ProjectRecord p = exampleProject();
    WorkingSet w;
    PlanGeometry plan;
    ReportBuffer report;
    test::ScriptedMessenger messenger;
    EXPECT_TRUE(RunAnalysis(analysis, p, w, plan, report, ReportOptions{}, messenger));
    EXPECT_TRUE(messenger.boxes.empty());
    QStringList pages;
    for (int i = 1; i <= 4; ++i) {
        pages << QString::fromStdString(report.OutBuf[std::size_t(i)])
                     .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    return pages;
}

TEST(ManualExamples, ReportExcerptsAreWhatTheProgramPrints) {
    const QStringList pages =
        reportPages(OutputCommand::Standard) + reportPages(OutputCommand::Sizing);
    const QString manual = readSource("docs/help/reports.html");
    static const QRegularExpression pre(QStringLiteral("<pre>(.*?)</pre>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    int checked = 0;
    for (auto it = pre.globalMatch(manual); it.hasNext();) {
        const QString block = unescape(it.next().captured(1));
        // Page 0 is the input listing, which the calculation does not write.
        if (block.startsWith(QStringLiteral("[GEOMETRY PARAMETERS]"))) continue;
        // An excerpt runs up to "...".
        QStringList lines = block.split(QLatin1Char('\n'));
        const qsizetype cut = lines.indexOf(QStringLiteral("..."));
        if (cut >= 0) lines = lines.mid(0, cut);
        const QString excerpt = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
        bool found = false;
        for (const QString& page : pages) found = found || page.contains(excerpt);
        EXPECT_TRUE(found) << "not in any report page:\n" << qPrintable(excerpt);
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

TEST(ManualExamples, GettingStartedQuotesTheTailgateFactors) {
    const QString page1 = reportPages(OutputCommand::Standard).first();
    const QString tailgate =
        page1.split(QLatin1Char('\n')).filter(QStringLiteral("*** Tailgate Loading")).value(0);
    const QStringList values = tailgate.split(QLatin1Char('.'), Qt::SkipEmptyParts)
                                   .join(QLatin1Char('.'))
                                   .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ASSERT_GE(values.size(), 2);
    const QString classic = values[values.size() - 2];
    const QString revised = values[values.size() - 1];
    const QString text = readSource("docs/help/gettingstarted.html");
    EXPECT_TRUE(text.contains(QStringLiteral("the tailgate line reads ") + classic +
                              QStringLiteral(" (Classic) and ") + revised + QStringLiteral(" (R)")))
        << qPrintable(classic + " " + revised);
}

} // namespace
} // namespace kora
