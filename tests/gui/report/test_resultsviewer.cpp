#include "guiharness.h"

#include "gui/graphics/frmpicture.h"
#include "gui/graphics/planwidget.h"
#include "gui/report/resultsviewer.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

namespace kora::gui::test {
namespace {

QString pageText(const std::string& page) {
    QString t = QString::fromStdString(page);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

class Output : public ::testing::Test {
protected:
    void SetUp() override { h.startQuiet(); }

    void open(const std::string& name) {
        h.openProject(h.example(name));
        ASSERT_EQ(h.state.project.ProjectPath, h.example(name));
    }

    ResultsViewer& calculate(int index) {
        h.trigger(QStringLiteral("mnuCalcItem_%1").arg(index).toLatin1().constData());
        ResultsViewer* v = h.window->resultsViewer();
        if (v == nullptr) throw std::runtime_error("no results viewer");
        return *v;
    }

    QPushButton* button(ResultsViewer& v, const char* name) {
        return v.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    QString shown(ResultsViewer& v) {
        return v.findChild<QPlainTextEdit*>(QStringLiteral("RichTextBox1"))->toPlainText();
    }

    bool historyHas(const std::string& text) const {
        return h.state.history.text().find(text) != std::string::npos;
    }

    GuiHarness h;
};

// What kora-cli prints for the same project and calculation: pages 0..4 joined.
std::string cliReport(const std::string& project, const char* mode) {
    QProcess cli;
    cli.start(QStringLiteral(KORA_CLI_PATH),
              {QStringLiteral("report"), QString::fromStdString(project), QStringLiteral("--mode"),
               QString::fromLatin1(mode)});
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0) return "kora-cli failed";
    return cli.readAllStandardOutput().toStdString();
}

TEST_F(Output, EachCalculationOpensTheViewerOnItsResultsWithTheSameReportAsTheCli) {
    struct Row {
        const char* project;
        int index;
        const char* mode;
        const char* caption;
    };
    const Row rows[] = {
        {"Example_3Entry_Standard.KOR", 0, "standard", "Calculation Results: Standard Geometry"},
        {"Example_4Entry_Advanced_Metric.KOR", 1, "advanced",
         "Calculation Results: Advanced Geometry"},
        {"Example_YAY_Sizing_CMRR.KOR", 3, "sizing", "Calculation Results: Pillar Sizing"},
        {"Example_4Entry_Advanced_Metric.KOR", 0, "standard",
         "Calculation Results: Standard Geometry"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.project) + " " + row.mode);
        open(row.project);
        ResultsViewer& v = calculate(row.index);
        EXPECT_EQ(v.windowTitle(), QString::fromLatin1(row.caption));
        EXPECT_EQ(v.currentPage(), 1);
        EXPECT_EQ(shown(v), pageText(h.state.report.OutBuf[1]));
        EXPECT_FALSE(h.state.report.OutBuf[1].empty());
        EXPECT_TRUE(historyHas("Results displayed"));
        EXPECT_FALSE(h.window->isEnabled());
        EXPECT_EQ(h.state.report.allPages(), cliReport(h.example(row.project), row.mode));
        button(v, "Command1")->click();
        QApplication::processEvents();
        EXPECT_TRUE(h.window->isEnabled());
        EXPECT_EQ(h.window->resultsViewer(), nullptr);
    }
}

TEST_F(Output, AnEmptyProjectIsRefused) {
    h.dialogs.messages.clear();
    h.trigger("mnuCalcItem_0");
    EXPECT_EQ(h.dialogs.messageTexts(), QStringList{QStringLiteral("Current file is empty")});
    EXPECT_EQ(h.window->resultsViewer(), nullptr);
    EXPECT_TRUE(h.window->isEnabled());
}

TEST_F(Output, ViewerPagesForwardAndBackWithinTheReport) {
    open("Example_3Entry_Standard.KOR");
    ResultsViewer& v = calculate(0);
    QPushButton* next = button(v, "Command4");
    QPushButton* previous = button(v, "Command5");
    EXPECT_TRUE(next->isEnabled());
    EXPECT_TRUE(previous->isEnabled());

    // page after each click, Next enabled, Previous enabled
    struct Step {
        QPushButton* click;
        int page;
        bool nextOn;
        bool previousOn;
    };
    const Step steps[] = {
        {next, 2, true, true},      {next, 3, true, true},     {next, 4, false, true},
        {previous, 3, true, true},  {previous, 2, true, true}, {previous, 1, true, true},
        {previous, 0, true, false},
    };
    for (const Step& s : steps) {
        s.click->click();
        SCOPED_TRACE(s.page);
        EXPECT_EQ(v.currentPage(), s.page);
        EXPECT_EQ(shown(v), pageText(h.state.report.OutBuf[static_cast<std::size_t>(s.page)]));
        EXPECT_EQ(next->isEnabled(), s.nextOn);
        EXPECT_EQ(previous->isEnabled(), s.previousOn);
    }
    // At either end the action changes nothing.
    v.previousPage();
    EXPECT_EQ(v.currentPage(), 0);
    for (int i = 0; i < 6; ++i) v.nextPage();
    EXPECT_EQ(v.currentPage(), 4);
}

TEST_F(Output, ViewerCopiesAPageOrTheWholeReport) {
    open("Example_3Entry_Standard.KOR");
    ResultsViewer& v = calculate(0);
    v.nextPage();
    button(v, "Command2")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), h.state.report.OutBuf[2]);
    EXPECT_TRUE(historyHas("Output page # 2copied to clipboard"));

    button(v, "Command7")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), h.state.report.allPages());
    EXPECT_TRUE(historyHas("Output copied to clipboard"));
}

TEST_F(Output, ViewerPrintsThePageOrAllPagesAfterThePrintDialog) {
    open("Example_3Entry_Standard.KOR");
    ResultsViewer& v = calculate(0);

    button(v, "Command3")->click(); // dialog cancelled
    EXPECT_TRUE(h.jobs.empty());
    EXPECT_TRUE(historyHas("Current page printed"));
    EXPECT_TRUE(historyHas("Printing aborted"));

    auto linesOf = [](const std::string& text) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2)
            lines.push_back(text.substr(start, end - start));
        return lines;
    };

    h.dialogs.printScripts.push_back([](QPrinter&) { return true; });
    button(v, "Command3")->click();
    ASSERT_EQ(h.jobs.size(), 1u);
    EXPECT_EQ(BodyLines(h.jobs[0]), linesOf(h.state.report.OutBuf[1]));
    EXPECT_EQ(h.dialogs.printOptions.back() & QAbstractPrintDialog::PrintPageRange, 0);

    h.dialogs.printScripts.push_back([](QPrinter&) { return true; });
    button(v, "Command6")->click();
    ASSERT_EQ(h.jobs.size(), 2u);
    EXPECT_TRUE(historyHas("All pages printed"));
    EXPECT_EQ(BodyLines(h.jobs[1]), linesOf(h.state.report.allPages()));
    EXPECT_GE(h.jobs[1].pages.size(), 2u);
    // Every page starts with the header: program name, date, time and the page number.
    for (std::size_t p = 0; p < h.jobs[1].pages.size(); ++p) {
        const auto& page = h.jobs[1].pages[p];
        ASSERT_GE(page.size(), 2u);
        EXPECT_TRUE(page[0].bold);
        EXPECT_EQ(page[0].text.rfind("KORA, ", 0), 0u);
        EXPECT_EQ(page[1].text, "Page: " + std::to_string(p + 1));
    }
}

TEST_F(Output, ViewerHelpShowsTheHint) {
    open("Example_3Entry_Standard.KOR");
    ResultsViewer& v = calculate(0);
    h.dialogs.messages.clear();
    button(v, "Command8")->click();
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text,
              QStringLiteral("Position the cursor on any item on the form and press F1 for "
                             "context-sensitive Help"));
    EXPECT_EQ(h.dialogs.messages[0].title, QStringLiteral("Help"));
    EXPECT_EQ(h.dialogs.messages[0].style, mb::Exclamation);
}

TEST_F(Output, ViewPlansShowsTheLayoutOfThisCalculation) {
    open("Example_4Entry_Advanced_Metric.KOR");
    ResultsViewer& v = calculate(1);
    // A later change of the shared plan copy (an entry count no plan can be drawn for) does not
    // reach this viewer's plan.
    h.state.plan.PlanEntries = 0;
    QPushButton* view = button(v, "Command9");
    ASSERT_TRUE(view->isEnabled());
    view->click();
    frmPicture* plan = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = dynamic_cast<frmPicture*>(w); p != nullptr && p->isVisible()) plan = p;
    ASSERT_NE(plan, nullptr);
    EXPECT_EQ(plan->state().Source, PlanSource::Results);
    EXPECT_GT(plan->layout().PlotW, 0);
    EXPECT_FALSE(v.isEnabled());
    plan->close();
    QApplication::processEvents();
    EXPECT_TRUE(v.isEnabled());
}

// Export PDF (this page, all pages, File menu) and the plan window's Save Image: a cancelled file
// dialog writes nothing; the written file is logged and holds what was shown.
TEST_F(Output, ExportsThePagesAsPdfAndThePlanAsShownAsAnImage) {
    open("Example_3Entry_Standard.KOR");
    ResultsViewer& v = calculate(0);
    const QString folder = QString::fromStdString(h.dataFolder());
    auto trigger = [](QObject* window, const char* item) {
        window->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    };
    const std::pair<QObject*, const char*> exports[] = {
        {&v, "mnuExportPdf_0"}, {&v, "mnuExportPdf_1"}, {h.window.get(), "mnuFileExportPdf"}};
    for (const auto& [window, item] : exports) {
        h.state.history.clear();
        trigger(window, item);
        EXPECT_TRUE(historyHas("Cancel was selected."));
        h.dialogs.fileAnswers.push_back(folder + QLatin1String(item) + QStringLiteral(".pdf"));
        trigger(window, item);
        EXPECT_EQ(h.dialogs.fileRequests.back().mode, FileDialogRequest::Mode::SaveAs);
        EXPECT_EQ(h.dialogs.fileRequests.back().fileName, "Example_3Entry_Standard.pdf");
        EXPECT_TRUE(historyHas("Report exported to PDF: " + h.dataFolder() + item + ".pdf"));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {folder + QLatin1String(item) + ".pdf", "-"});
        ASSERT_TRUE(text.waitForFinished(60000));
        const QString pdf = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_TRUE(pdf.contains(QStringLiteral("[KORA STABILITY FACTORS"))) << item;
        // This page alone; all pages and the File menu's with the input listing.
        EXPECT_EQ(pdf.contains(QStringLiteral("[PROJECT TITLE]")), item != exports[0].second);
    }

    button(v, "Command9")->click();
    frmPicture* plan = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = dynamic_cast<frmPicture*>(w); p != nullptr && p->isVisible()) plan = p;
    ASSERT_NE(plan, nullptr);
    plan->setLabelMode(4); // capacities
    std::string label;     // a pillar's capacity, which the SVG keeps as text
    for (const PlanText& t : plan->planArea()->drawing().Texts)
        if (t.Kind == PlanTextKind::PillarLabel) label = t.Text;
    ASSERT_NE(label.find(','), std::string::npos) << label;
    const std::tuple<const char*, QByteArray, int> images[] = {
        {"plan.svg", "<?xml", 0}, {"plan.pdf", "%PDF-", 0}, {"plan.PNG", "\x89PNG", 150}};
    for (const auto& [name, magic, dpi] : images) {
        h.dialogs.fileAnswers.push_back(folder + QLatin1String(name));
        if (dpi > 0)
            h.dialogs.dialogScripts.push_back([dpi = dpi](QDialog& d) {
                d.findChild<QSpinBox*>(QStringLiteral("txtDpi"))->setValue(dpi);
                return int(QDialog::Accepted);
            });
        trigger(plan, "mnuPlotFileSaveImage");
        QFile file(folder + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith(magic)) << name;
        EXPECT_TRUE(historyHas("Plan saved as image: " + file.fileName().toStdString()));
        EXPECT_TRUE(magic != "<?xml" || bytes.contains(QByteArray::fromStdString(label)));
        const double inches = double(plan->planArea()->width()) / plan->planArea()->logicalDpiX();
        EXPECT_TRUE(dpi == 0 || QImage::fromData(bytes).width() == qRound(inches * dpi));
    }
    plan->close();
}

} // namespace
} // namespace kora::gui::test
