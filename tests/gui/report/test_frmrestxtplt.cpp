// The results viewer and printing: the report the window shows and prints is kora-cli's, byte for
// byte; prints land on the pages of the page model in a fixed-pitch face, on the printer the user
// chose, never on the file of an earlier print.
#include "guiharness.h"
#include "guitest.h"

#include "gui/graphics/frmpicture.h"
#include "gui/graphics/planwidget.h"
#include "gui/report/frmrestxtplt.h"

#include <regex>

namespace kora::gui::test {
namespace {

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

class Output : public ::testing::Test {
protected:
    void SetUp() override { h.startQuiet(); }

    frmResTxtPlt& calculate(const std::string& project, const char* item) {
        h.openProject(h.example(project));
        h.trigger(item);
        if (h.window->resultsViewer() == nullptr) throw std::runtime_error("no results viewer");
        return *h.window->resultsViewer();
    }
    static QString shown(frmResTxtPlt& v) {
        return child<QPlainTextEdit>(v, "RichTextBox1")->toPlainText();
    }
    QString page(int n) const {
        return QString::fromStdString(h.state.report.OutBuf[std::size_t(n)]).replace("\r\n", "\n");
    }
    static frmPicture* planWindow() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<frmPicture*>(w); p != nullptr && p->isVisible()) return p;
        return nullptr;
    }
    QString file(const char* name) const { return h.root.filePath(QLatin1String(name)); }

    GuiHarness h;
};

TEST_F(Output, EachCalculationOpensTheViewerOnTheSameReportAsTheCli) {
    const struct {
        const char *project, *item, *mode, *caption;
    } rows[] = {
        {Standard, "mnuCalcItem_0", "standard", "Calculation Results: Standard Geometry"},
        {"Example_4Entry_Advanced_Metric.KOR", "mnuCalcItem_1", "advanced",
         "Calculation Results: Advanced Geometry"},
        {"Example_YAY_Sizing_CMRR.KOR", "mnuCalcItem_3", "sizing",
         "Calculation Results: Pillar Sizing"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.mode);
        frmResTxtPlt& v = calculate(row.project, row.item);
        EXPECT_EQ(v.windowTitle(), QString::fromLatin1(row.caption));
        EXPECT_EQ(shown(v), page(1));
        EXPECT_FALSE(h.window->isEnabled());
        EXPECT_EQ(h.state.report.allPages(),
                  kora::test::CommandOutput(std::string(KORA_CLI_PATH) + " report '" +
                                            h.example(row.project) + "' --mode " + row.mode));
        click(v, "Command1");
        QApplication::processEvents();
        EXPECT_TRUE(h.window->isEnabled());
        EXPECT_EQ(h.window->resultsViewer(), nullptr);
    }
    h.trigger("mnuFileItem_0");
    h.dialogs.messages.clear();
    h.trigger("mnuCalcItem_0");
    EXPECT_EQ(h.dialogs.messageTexts(), QStringList{QStringLiteral("Current file is empty")});
    EXPECT_EQ(h.window->resultsViewer(), nullptr);
}

TEST_F(Output, TheViewerPagesCopiesAndPrintsAPageOrTheWholeReport) {
    frmResTxtPlt& v = calculate(Standard, "mnuCalcItem_0");
    auto* next = child<QPushButton>(v, "Command4");
    auto* previous = child<QPushButton>(v, "Command5");
    const struct {
        QPushButton* click;
        int page;
        bool nextOn, previousOn;
    } steps[] = {{next, 2, true, true},
                 {next, 3, true, true},
                 {next, 4, false, true},
                 {previous, 3, true, true},
                 {previous, 0, true, false}};
    for (const auto& s : steps) {
        for (int i = 0; i < 4 && v.currentPage() != s.page; ++i) s.click->click();
        ASSERT_EQ(v.currentPage(), s.page);
        EXPECT_EQ(shown(v), page(s.page));
        EXPECT_EQ(next->isEnabled(), s.nextOn) << s.page;
        EXPECT_EQ(previous->isEnabled(), s.previousOn) << s.page;
    }
    v.nextPage();
    v.nextPage();
    click(v, "Command2");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), h.state.report.OutBuf[2]);
    click(v, "Command7");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), h.state.report.allPages());

    click(v, "Command3"); // print dialog cancelled
    EXPECT_TRUE(h.jobs.empty());
    EXPECT_TRUE(h.historyHas("Printing aborted"));
    for (const char* print : {"Command3", "Command6"}) {
        h.dialogs.printScripts.push_back([](QPrinter&) { return true; });
        click(v, print);
    }
    ASSERT_EQ(h.jobs.size(), 2u);
    EXPECT_EQ(BodyLines(h.jobs[0]), kora::test::Split(h.state.report.OutBuf[2], "\r\n"));
    EXPECT_EQ(BodyLines(h.jobs[1]), kora::test::Split(h.state.report.allPages(), "\r\n"));
    ASSERT_GE(h.jobs[1].pages.size(), 2u);
    // Every page starts with the header: program name, date, time and the page number.
    for (std::size_t p = 0; p < h.jobs[1].pages.size(); ++p) {
        const auto& texts = h.jobs[1].pages[p];
        ASSERT_GE(texts.size(), 2u);
        EXPECT_TRUE(texts[0].bold && texts[0].text.rfind("KORA, ", 0) == 0);
        EXPECT_EQ(texts[1].text, "Page: " + std::to_string(p + 1));
    }
}

TEST_F(Output, TheReportPrintsToPdfInAFixedPitchFaceOnThePagesOfThePageModel) {
    frmResTxtPlt& viewer = calculate(Standard, "mnuCalcItem_0");
    h.printer.setSinkFactory(nullptr); // the real printer
    const std::pair<QPageSize::PageSizeId, const char*> papers[] = {{QPageSize::Letter, "[0 0 612"},
                                                                    {QPageSize::A4, "[0 0 595"}};
    for (const auto& [paper, mediaBox] : papers) {
        const QString pdf = file("report.pdf");
        h.dialogs.printScripts.push_back(printToPdf(pdf, paper));
        viewer.printAll();
        const std::string bytes = GuiHarness::readFile(pdf.toStdString());
        ASSERT_EQ(bytes.substr(0, 5), "%PDF-");
        // Five report pages of text never fit on one printed page, whatever the machine.
        EXPECT_GE(h.printer.pagesPrinted(), 2);
        EXPECT_EQ(pdfPages(bytes), std::size_t(h.printer.pagesPrinted()));
        for (const std::string& box : matches(bytes, R"(/MediaBox\s*(\[[0-9. ]+))"))
            EXPECT_EQ(box.rfind(mediaBox, 0), 0u) << box;
        // Header and body alike are set in the metric twin of Courier New.
        const std::vector<std::string> fonts = matches(bytes, R"(/BaseFont\s*/([^\s/]+))");
        ASSERT_FALSE(fonts.empty());
        for (const std::string& font : fonts)
            EXPECT_NE(font.find("LiberationMono"), std::string::npos)
                << font << " (make deps installs fonts-liberation2)";
    }
}

// Prints without the print dialog, the toolbar's listing and the plan alike, go to the printer
// Printer Setup chose while it is installed, else to the default one, never to the file of an
// earlier print; with no printer at all the print dialog asks. The plan window keeps the plan of
// its calculation.
TEST_F(Output, PrintsWithoutTheDialogGoToThePrinterNeverToTheFileOfAnEarlierPrint) {
    frmResTxtPlt& viewer = calculate("Example_4Entry_Advanced_Metric.KOR", "mnuCalcItem_1");
    h.state.plan.PlanEntries = 0; // a later change of the shared plan copy does not reach it
    click(viewer, "Command9");
    frmPicture* plan = planWindow();
    ASSERT_NE(plan, nullptr);
    EXPECT_GT(plan->layout().PlotW, 0);
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
                auto* printers = child<QComboBox>(d, "cboPrinter");
                EXPECT_EQ(printers->currentText(), QStringLiteral("Office"));
                printers->setCurrentText(row.setup);
                return int(QDialog::Accepted);
            });
            h.trigger("mnuFileItem_5");
        }
        const std::size_t jobs = h.jobs.size(), pictures = h.pictures.size();
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
    plan->close();
    EXPECT_TRUE(viewer.isEnabled());
}

TEST_F(Output, PrintPreviewShowsThePagesAsTheyPrint) {
    h.openProject(h.example(Standard));
    for (int i = 1; i <= 90; ++i) // an input listing longer than a page
        h.state.project.ProjectDescription += "Line " + std::to_string(i) + "\r\n";
    h.printer.printer().setPageSize(QPageSize(QPageSize::Letter));
    h.printer.setSinkFactory(nullptr);
    int shownPages = -1;
    h.dialogs.dialogScripts.push_back([&](QDialog& d) {
        auto* view = d.findChild<QPrintPreviewWidget*>();
        view->updatePreview();
        shownPages = view->pageCount();
        return int(QDialog::Rejected);
    });
    h.trigger("mnuFileItem_7");
    EXPECT_EQ(h.dialogs.dialogsShown.back(), QStringLiteral("frmPreview"));
    const QString pdf = file("listing.pdf");
    h.dialogs.printScripts.push_back(printToPdf(pdf, QPageSize::Letter));
    h.trigger("mnuFileItem_6");
    EXPECT_GE(shownPages, 2);
    EXPECT_EQ(pdfPages(GuiHarness::readFile(pdf.toStdString())), std::size_t(shownPages));
}

// Export PDF (this page, all pages, File menu): a cancelled file dialog writes nothing; the
// written file is logged and holds what was shown.
TEST_F(Output, ExportsThePagesAsPdf) {
    frmResTxtPlt& v = calculate(Standard, "mnuCalcItem_0");
    const QString folder = QString::fromStdString(h.dataFolder());
    const std::pair<QObject*, const char*> exports[] = {
        {&v, "mnuExportPdf_0"}, {&v, "mnuExportPdf_1"}, {h.window.get(), "mnuFileExportPdf"}};
    for (const auto& [window, item] : exports) {
        h.state.history.clear();
        child<QAction>(*window, item)->trigger();
        EXPECT_TRUE(h.historyHas("Cancel was selected."));
        h.dialogs.fileAnswers.push_back(folder + item + ".pdf");
        child<QAction>(*window, item)->trigger();
        EXPECT_EQ(h.dialogs.fileRequests.back().fileName, "Example_3Entry_Standard.pdf");
        EXPECT_TRUE(h.historyHas("Report exported to PDF: " + h.dataFolder() + item + ".pdf"));
        const QString pdf = QString::fromStdString(
            kora::test::CommandOutput("pdftotext '" + h.dataFolder() + item + ".pdf' -"));
        EXPECT_TRUE(pdf.contains(QStringLiteral("[KORA STABILITY FACTORS"))) << item;
        // This page alone; all pages and the File menu's with the input listing.
        EXPECT_EQ(pdf.contains(QStringLiteral("[PROJECT TITLE]")), item != exports[0].second);
    }
}

} // namespace
} // namespace kora::gui::test
