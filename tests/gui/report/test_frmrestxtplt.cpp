#include "guiharness.h"

#include "gui/graphics/frmpicture.h"
#include "gui/report/frmpreview.h"
#include "gui/report/frmrestxtplt.h"
#include "gui/report/printerpagesink.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace kora::gui::test {
namespace {

QString pageText(const std::string& page) {
    return QString::fromStdString(page).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// What kora-cli prints for the same project and calculation: pages 0..4 joined.
std::string cliReport(const std::string& project, const char* mode) {
    QProcess cli;
    cli.start(QStringLiteral(KORA_CLI_PATH),
              {QStringLiteral("report"), QString::fromStdString(project), QStringLiteral("--mode"),
               QString::fromLatin1(mode)});
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0) return "kora-cli failed";
    return cli.readAllStandardOutput().toStdString();
}

class Output : public ::testing::Test {
protected:
    void SetUp() override { h.startQuiet(); }

    frmResTxtPlt& calculate(const std::string& project, const char* item) {
        h.openProject(h.example(project));
        h.trigger(item);
        frmResTxtPlt* v = h.window->resultsViewer();
        if (v == nullptr) throw std::runtime_error("no results viewer");
        return *v;
    }

    static QPushButton* button(frmResTxtPlt& v, const char* name) {
        return v.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    static QString shown(frmResTxtPlt& v) {
        return v.findChild<QPlainTextEdit*>(QStringLiteral("RichTextBox1"))->toPlainText();
    }
    bool historyHas(const std::string& text) const {
        return h.state.history.text().find(text) != std::string::npos;
    }

    GuiHarness h;
};

TEST_F(Output, EachCalculationOpensTheViewerOnTheSameReportAsTheCli) {
    const struct {
        const char* project;
        const char* item;
        const char* mode;
        const char* caption;
    } rows[] = {
        {"Example_3Entry_Standard.KOR", "mnuCalcItem_0", "standard",
         "Calculation Results: Standard Geometry"},
        {"Example_4Entry_Advanced_Metric.KOR", "mnuCalcItem_1", "advanced",
         "Calculation Results: Advanced Geometry"},
        {"Example_YAY_Sizing_CMRR.KOR", "mnuCalcItem_3", "sizing",
         "Calculation Results: Pillar Sizing"},
        {"Example_4Entry_Advanced_Metric.KOR", "mnuCalcItem_0", "standard",
         "Calculation Results: Standard Geometry"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.project) + " " + row.mode);
        frmResTxtPlt& v = calculate(row.project, row.item);
        EXPECT_EQ(v.windowTitle(), QString::fromLatin1(row.caption));
        EXPECT_EQ(v.currentPage(), 1);
        EXPECT_EQ(shown(v), pageText(h.state.report.OutBuf[1]));
        EXPECT_FALSE(h.window->isEnabled());
        EXPECT_EQ(h.state.report.allPages(), cliReport(h.example(row.project), row.mode));
        button(v, "Command1")->click();
        QApplication::processEvents();
        EXPECT_TRUE(h.window->isEnabled());
        EXPECT_EQ(h.window->resultsViewer(), nullptr);
    }
    EXPECT_TRUE(historyHas("Results displayed"));

    h.trigger("mnuFileItem_0");
    h.dialogs.messages.clear();
    h.trigger("mnuCalcItem_0");
    EXPECT_EQ(h.dialogs.messageTexts(), QStringList{QStringLiteral("Current file is empty")});
    EXPECT_EQ(h.window->resultsViewer(), nullptr);
}

TEST_F(Output, TheViewerPagesWithinTheReportAndCopiesAPageOrTheWhole) {
    frmResTxtPlt& v = calculate("Example_3Entry_Standard.KOR", "mnuCalcItem_0");
    QPushButton* next = button(v, "Command4");
    QPushButton* previous = button(v, "Command5");
    const struct {
        QPushButton* click;
        int page;
        bool nextOn, previousOn;
    } steps[] = {{next, 2, true, true},     {next, 3, true, true},     {next, 4, false, true},
                 {previous, 3, true, true}, {previous, 2, true, true}, {previous, 1, true, true},
                 {previous, 0, true, false}};
    for (const auto& s : steps) {
        s.click->click();
        SCOPED_TRACE(s.page);
        EXPECT_EQ(v.currentPage(), s.page);
        EXPECT_EQ(shown(v), pageText(h.state.report.OutBuf[std::size_t(s.page)]));
        EXPECT_EQ(next->isEnabled(), s.nextOn);
        EXPECT_EQ(previous->isEnabled(), s.previousOn);
    }
    v.previousPage(); // at either end nothing changes
    EXPECT_EQ(v.currentPage(), 0);

    v.nextPage();
    v.nextPage();
    button(v, "Command2")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), h.state.report.OutBuf[2]);
    EXPECT_TRUE(historyHas("Output page # 2copied to clipboard"));
    button(v, "Command7")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), h.state.report.allPages());
    EXPECT_TRUE(historyHas("Output copied to clipboard"));
}

TEST_F(Output, TheViewerPrintsThePageOrAllPagesAfterThePrintDialog) {
    frmResTxtPlt& v = calculate("Example_3Entry_Standard.KOR", "mnuCalcItem_0");
    button(v, "Command3")->click(); // dialog cancelled
    EXPECT_TRUE(h.jobs.empty());
    EXPECT_TRUE(historyHas("Printing aborted"));

    h.dialogs.printScripts.push_back([](QPrinter&) { return true; });
    button(v, "Command3")->click();
    ASSERT_EQ(h.jobs.size(), 1u);
    EXPECT_EQ(BodyLines(h.jobs[0]), linesOf(h.state.report.OutBuf[1]));
    EXPECT_EQ(h.dialogs.printOptions.back() & QAbstractPrintDialog::PrintPageRange, 0);

    h.dialogs.printScripts.push_back([](QPrinter&) { return true; });
    button(v, "Command6")->click();
    ASSERT_EQ(h.jobs.size(), 2u);
    EXPECT_EQ(BodyLines(h.jobs[1]), linesOf(h.state.report.allPages()));
    ASSERT_GE(h.jobs[1].pages.size(), 2u);
    // Every page starts with the header: program name, date, time and the page number.
    for (std::size_t p = 0; p < h.jobs[1].pages.size(); ++p) {
        const auto& page = h.jobs[1].pages[p];
        ASSERT_GE(page.size(), 2u);
        EXPECT_TRUE(page[0].bold);
        EXPECT_EQ(page[0].text.rfind("KORA, ", 0), 0u);
        EXPECT_EQ(page[1].text, "Page: " + std::to_string(p + 1));
    }
}

TEST_F(Output, ViewPlansShowsTheLayoutOfThisCalculation) {
    frmResTxtPlt& v = calculate("Example_4Entry_Advanced_Metric.KOR", "mnuCalcItem_1");
    // A later change of the shared plan copy does not reach this viewer's plan.
    h.state.plan.PlanEntries = 0;
    button(v, "Command9")->click();
    frmPicture* plan = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<frmPicture*>(w); p != nullptr && p->isVisible()) plan = p;
    ASSERT_NE(plan, nullptr);
    EXPECT_EQ(plan->state().Source, PlanSource::Results);
    EXPECT_GT(plan->layout().PlotW, 0);
    EXPECT_FALSE(v.isEnabled());
    plan->close();
    EXPECT_TRUE(v.isEnabled());
}

constexpr const char* Standard = "Example_3Entry_Standard.KOR";

std::vector<std::string> matches(const std::string& bytes, const char* pattern) {
    std::vector<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), re);
         it != std::sregex_iterator(); ++it)
        found.push_back(it->size() > 1 ? (*it)[1].str() : it->str());
    return found;
}

std::size_t pdfPages(const std::string& bytes) {
    return matches(bytes, R"(/Type\s*/Page[^s])").size();
}

// A print dialog answered with Print to this PDF file on paper of this size.
std::function<bool(QPrinter&)> printToPdf(const QString& file, QPageSize::PageSizeId paper) {
    return [file, paper](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(paper));
        return true;
    };
}

class Printing : public ::testing::Test {
protected:
    void SetUp() override {
        h.startQuiet();
        h.openProject(h.example(Standard));
    }

    bool historyHas(const std::string& text) const {
        return h.state.history.text().find(text) != std::string::npos;
    }

    QString file(const char* name) const { return h.root.filePath(QLatin1String(name)); }

    GuiHarness h;
};

TEST_F(Printing, TheReportPrintsToPdfInAFixedPitchFaceOnThePagesOfThePageModel) {
    h.trigger("mnuCalcItem_0");
    frmResTxtPlt* viewer = h.window->resultsViewer();
    ASSERT_NE(viewer, nullptr);
    h.printer.setSinkFactory(nullptr); // the real printer

    const struct {
        QPageSize::PageSizeId paper;
        const char* mediaBox;
    } papers[] = {{QPageSize::Letter, "[0 0 612"}, {QPageSize::A4, "[0 0 595"}};
    for (const auto& paper : papers) {
        SCOPED_TRACE(paper.mediaBox);
        const QString pdf = file("report.pdf");
        h.dialogs.printScripts.push_back(printToPdf(pdf, paper.paper));
        viewer->printAll();
        const std::string bytes = GuiHarness::readFile(pdf.toStdString());
        ASSERT_EQ(bytes.substr(0, 5), "%PDF-");
        // Five report pages of text never fit on one printed page, whatever the machine.
        EXPECT_GE(h.printer.pagesPrinted(), 2);
        EXPECT_EQ(pdfPages(bytes), std::size_t(h.printer.pagesPrinted()));
        for (const std::string& box : matches(bytes, R"(/MediaBox\s*(\[[0-9. ]+))"))
            EXPECT_EQ(box.rfind(paper.mediaBox, 0), 0u) << box;
        // Header and body alike are set in the metric twin of Courier New.
        const std::vector<std::string> fonts = matches(bytes, R"(/BaseFont\s*/([^\s/]+))");
        ASSERT_FALSE(fonts.empty());
        for (const std::string& font : fonts)
            EXPECT_NE(font.find("LiberationMono"), std::string::npos)
                << font << " (make deps installs fonts-liberation2)";
    }

    // Columns align: every character of the report takes the same width on the printer.
    QPrinter probe(QPrinter::HighResolution);
    probe.setOutputFormat(QPrinter::PdfFormat);
    probe.setOutputFileName(file("probe.pdf"));
    PrinterPageSink sink(probe);
    PagePrinter pages(sink);
    pages.PrintText(PrintMode::StartJob, "");
    const std::string report = h.state.report.allPages();
    std::set<char> characters(report.begin(), report.end());
    characters.erase('\r');
    characters.erase('\n');
    const double width = sink.textWidth("0");
    for (char c : characters) EXPECT_DOUBLE_EQ(sink.textWidth(std::string(1, c)), width) << c;
    pages.PrintText(PrintMode::EndJob, "");
}

TEST_F(Printing, PrinterSetupChoosesThePrinterAndThePaper) {
    h.printers = {{QStringLiteral("Office"), QStringLiteral("Plotter")}, QStringLiteral("Office")};
    QStringList offered;
    QString preselected;
    h.dialogs.dialogScripts.push_back([&](QDialog& d) {
        auto* printers = d.findChild<QComboBox*>(QStringLiteral("cboPrinter"));
        auto* paper = d.findChild<QComboBox*>(QStringLiteral("cboPaper"));
        for (int i = 0; i < printers->count(); ++i) offered << printers->itemText(i);
        preselected = printers->currentText();
        printers->setCurrentText(QStringLiteral("Plotter"));
        paper->setCurrentIndex(paper->findData(int(QPageSize::Legal)));
        d.findChild<QRadioButton*>(QStringLiteral("optLandscape"))->setChecked(true);
        return int(QDialog::Accepted);
    });
    h.trigger("mnuFileItem_5");
    EXPECT_EQ(h.dialogs.dialogsShown.back(), QStringLiteral("frmPrinterSetup"));
    EXPECT_EQ(offered, h.printers.names);
    EXPECT_EQ(preselected, QStringLiteral("Office"));
    EXPECT_EQ(h.printer.printerWithoutDialog(), QStringLiteral("Plotter"));
    const QPageLayout layout = h.printer.printer().pageLayout();
    EXPECT_EQ(layout.pageSize().id(), QPageSize::Legal);
    EXPECT_EQ(layout.orientation(), QPageLayout::Landscape);

    h.trigger("mnuFileItem_5"); // cancelled: nothing changes
    EXPECT_TRUE(historyHas("Cancel was selected."));
    EXPECT_EQ(h.printer.printerWithoutDialog(), QStringLiteral("Plotter"));
    EXPECT_EQ(h.printer.printer().pageLayout().pageSize().id(), QPageSize::Legal);
}

// Prints without the print dialog, the toolbar's listing and the plan alike, go to the printer
// Printer Setup chose while it is installed, else to the default one, never to the file of an
// earlier print; with no printer at all the print dialog asks.
TEST_F(Printing, PrintsWithoutTheDialogGoToAPrinterNeverToTheFileOfAnEarlierPrint) {
    h.trigger("mnuCalcItem_0");
    h.window->resultsViewer()->findChild<QPushButton*>(QStringLiteral("Command9"))->click();
    frmPicture* plan = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<frmPicture*>(w); p != nullptr && p->isVisible()) plan = p;
    ASSERT_NE(plan, nullptr);
    const QString pdf = file("earlier.pdf");
    h.dialogs.printScripts.push_back(printToPdf(pdf, QPageSize::Letter));
    h.trigger("mnuFileItem_6");
    ASSERT_EQ(h.jobs.size(), 1u);
    EXPECT_EQ(h.jobs[0].outputFile, pdf.toStdString());

    const struct {
        QStringList printers;
        const char* defaultPrinter;
        const char* setup;  // chosen in Printer Setup, or nullptr
        const char* target; // empty: the print dialog asks (here cancelled)
    } rows[] = {
        {{"Office", "Plotter"}, "Office", nullptr, "Office"},
        {{"Office", "Plotter"}, "Office", "Plotter", "Plotter"},
        {{"Office"}, "Office", nullptr, "Office"}, // the chosen printer went away
        {{}, "", nullptr, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.target);
        h.printers = {row.printers, QString::fromLatin1(row.defaultPrinter)};
        if (row.setup != nullptr) {
            h.dialogs.dialogScripts.push_back([&row](QDialog& d) {
                d.findChild<QComboBox*>(QStringLiteral("cboPrinter"))->setCurrentText(row.setup);
                return int(QDialog::Accepted);
            });
            h.trigger("mnuFileItem_5");
        }
        const std::size_t jobs = h.jobs.size();
        const std::size_t pictures = h.pictures.size();
        const int dialogs = h.dialogs.printDialogs;
        h.trigger("Toolbar1_3");
        plan->printPlan();
        EXPECT_EQ(h.printer.printerWithoutDialog(), QString::fromLatin1(row.target));
        const bool printer = *row.target != '\0';
        EXPECT_EQ(h.dialogs.printDialogs, dialogs + (printer ? 0 : 2));
        ASSERT_EQ(h.jobs.size(), jobs + (printer ? 1 : 0));
        ASSERT_EQ(h.pictures.size(), pictures + (printer ? 1 : 0));
        if (!printer) continue;
        EXPECT_EQ(h.jobs.back().outputFile, "");
        EXPECT_EQ(h.pictures.back().outputFile, "");
        EXPECT_EQ(h.pictures.back().document, "KORA plan");
    }
    EXPECT_EQ(h.printer.printer().docName(), QString()); // the reports' job name is kept

    h.printer.setPictureJob(nullptr); // the real printer
    const QString planPdf = file("plan.pdf");
    h.dialogs.printScripts.push_back(printToPdf(planPdf, QPageSize::Letter));
    plan->printPlan();
    EXPECT_EQ(pdfPages(GuiHarness::readFile(planPdf.toStdString())), 1u);
    plan->close();
}

TEST_F(Printing, PrintPreviewShowsThePagesAsTheyPrint) {
    // An input listing longer than a page.
    h.state.project.ProjectDescription.clear();
    for (int i = 1; i <= 90; ++i)
        h.state.project.ProjectDescription += "Line " + std::to_string(i) + "\r\n";
    h.printer.printer().setPageSize(QPageSize(QPageSize::Letter));
    h.printer.setSinkFactory(nullptr);

    int shown = -1;
    int printDialogs = -1;
    int pageSetups = -1;
    h.dialogs.dialogScripts.push_back([&](QDialog& d) {
        auto* view = d.findChild<QPrintPreviewWidget*>();
        view->updatePreview();
        shown = view->pageCount();
        // The preview's own Print and Page setup buttons ask through the dialog service (here:
        // cancelled).
        for (const char* button : {"Print", "Page setup"}) {
            const QString text = QCoreApplication::translate("QPrintPreviewDialog", button);
            for (QAction* a : d.findChildren<QAction*>())
                if (a->text() == text) a->trigger();
        }
        printDialogs = h.dialogs.printDialogs;
        pageSetups = h.dialogs.pageSetupDialogs;
        return int(QDialog::Rejected);
    });
    h.trigger("mnuFileItem_7");
    EXPECT_EQ(h.dialogs.dialogsShown.back(), QStringLiteral("frmPreview"));
    EXPECT_TRUE(historyHas("Preview displayed"));
    EXPECT_EQ(printDialogs, 1);
    EXPECT_EQ(pageSetups, 1);
    EXPECT_TRUE(historyHas("Printing aborted"));

    const QString pdf = file("listing.pdf");
    h.dialogs.printScripts.push_back(printToPdf(pdf, QPageSize::Letter));
    h.trigger("mnuFileItem_6");
    EXPECT_GE(shown, 2);
    EXPECT_EQ(shown, h.printer.pagesPrinted());
    EXPECT_EQ(pdfPages(GuiHarness::readFile(pdf.toStdString())), std::size_t(shown));
}

} // namespace
} // namespace kora::gui::test
