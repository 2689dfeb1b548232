#include "guiharness.h"

#include "gui/graphics/frmpicture.h"
#include "gui/report/frmpreview.h"
#include "gui/report/frmrestxtplt.h"
#include "gui/report/printerpagesink.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QPageSize>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <regex>
#include <set>

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

TEST_F(Printing, TheToolbarPrintGoesToAPrinterNeverToTheFileOfAnEarlierPrint) {
    const QString pdf = file("earlier.pdf");
    h.dialogs.printScripts.push_back(printToPdf(pdf, QPageSize::Letter));
    h.trigger("mnuFileItem_6");
    ASSERT_EQ(h.jobs.size(), 1u);
    EXPECT_EQ(h.jobs[0].outputFile, pdf.toStdString());

    // Installed printers, the one Printer Setup chose (nullptr: none), the printer the toolbar
    // prints to (empty: the print dialog asks).
    const struct {
        QStringList printers;
        const char* defaultPrinter;
        const char* setup;
        const char* target;
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
                d.findChild<QComboBox*>(QStringLiteral("cboPrinter"))
                    ->setCurrentText(QString::fromLatin1(row.setup));
                return int(QDialog::Accepted);
            });
            h.trigger("mnuFileItem_5");
        }
        const std::size_t jobs = h.jobs.size();
        const int dialogs = h.dialogs.printDialogs;
        h.trigger("Toolbar1_3");
        EXPECT_EQ(h.printer.printerWithoutDialog(), QString::fromLatin1(row.target));
        if (*row.target != '\0') {
            EXPECT_EQ(h.dialogs.printDialogs, dialogs);
            ASSERT_EQ(h.jobs.size(), jobs + 1);
            EXPECT_EQ(h.jobs.back().outputFile, "");
        } else { // no printer at all: the print dialog, here cancelled
            EXPECT_EQ(h.dialogs.printDialogs, dialogs + 1);
            EXPECT_EQ(h.jobs.size(), jobs);
        }
    }
}

// The plan goes where a report printed without the dialog goes: the printer chosen in Printer
// Setup, never the file of an earlier print; with no printer at all the print dialog asks.
TEST_F(Printing, ThePlanPrintsThroughTheProgramsPrinter) {
    h.trigger("mnuCalcItem_0");
    h.window->resultsViewer()->findChild<QPushButton*>(QStringLiteral("Command9"))->click();
    frmPicture* plan = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<frmPicture*>(w); p != nullptr && p->isVisible()) plan = p;
    ASSERT_NE(plan, nullptr);

    h.printers = {{QStringLiteral("Office"), QStringLiteral("Plotter")}, QStringLiteral("Office")};
    h.dialogs.dialogScripts.push_back([](QDialog& d) {
        d.findChild<QComboBox*>(QStringLiteral("cboPrinter"))->setCurrentText("Plotter");
        return int(QDialog::Accepted);
    });
    h.trigger("mnuFileItem_5");
    h.dialogs.printScripts.push_back(printToPdf(file("earlier.pdf"), QPageSize::Letter));
    h.trigger("mnuFileItem_6");
    plan->findChild<QAction*>(QStringLiteral("mnuPlotFileItem_0"))->trigger();
    EXPECT_EQ(h.printer.printerWithoutDialog(), QStringLiteral("Plotter"));
    EXPECT_EQ(h.dialogs.printDialogs, 1);
    ASSERT_EQ(h.pictures.size(), 1u);
    EXPECT_EQ(h.pictures[0].document, "KORA plan");
    EXPECT_EQ(h.pictures[0].outputFile, "");
    EXPECT_EQ(h.printer.printer().docName(), QString()); // the reports' job name is kept

    h.printers = {{}, QString()};
    h.printer.setPictureJob(nullptr); // the real printer
    const QString pdf = file("plan.pdf");
    h.dialogs.printScripts.push_back(printToPdf(pdf, QPageSize::Letter));
    plan->printPlan();
    EXPECT_EQ(h.dialogs.printDialogs, 2);
    EXPECT_EQ(pdfPages(GuiHarness::readFile(pdf.toStdString())), 1u);
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
