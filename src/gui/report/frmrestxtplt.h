#pragma once

#include "gui/common/ownedwindow.h"

#include <functional>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace kora {
class Messenger;
struct ReportBuffer;
} // namespace kora

namespace kora::gui {

class DialogService;
class ReportPrinter;

// "Calculation Results": pages 0..LastPage of the report, one at a time, with paging, copying,
// printing and export as PDF. It opens on page 1 (the results of the calculation) and keeps the
// main window disabled while it is open.
class frmResTxtPlt : public OwnedWindow {
public:
    frmResTxtPlt(ReportBuffer& report, Messenger& messenger, DialogService& dialogs,
                 ReportPrinter& printer, QWidget* owner);

    // Shows the window on page 1, as a calculation command does.
    void openOnResults();

    int currentPage() const { return m_page; }

    // Shows OutBuf(current page).
    void Loadbuffer();

    void nextPage();
    void previousPage();
    void copyPage();
    void copyAll();
    void printPage();
    void printAll();
    // "Export PDF..." for this page or for all pages.
    void exportPage();
    void exportAll();

    // The PDF file the export proposes (see SuggestedPdfPath).
    void setPdfPath(std::string path) { m_pdfPath = std::move(path); }

    // Opens the plan of the calculated layout; the button stays disabled while this is unset.
    void setViewPlans(std::function<void()> action);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void printPages(int first, int last, const char* historyText);
    void exportPages(int first, int last);

    ReportBuffer& m_report;
    Messenger& m_messenger;
    DialogService& m_dialogs;
    ReportPrinter& m_printer;
    int m_page = 0;
    std::function<void()> m_viewPlans;
    std::string m_pdfPath;

    QPlainTextEdit* m_text;
    QPushButton* m_close;
    QPushButton* m_copyPage;
    QPushButton* m_printPage;
    QPushButton* m_next;
    QPushButton* m_previous;
    QPushButton* m_printAll;
    QPushButton* m_copyAll;
    QPushButton* m_help;
    QPushButton* m_viewPlansButton;
    QPushButton* m_exportPdf;
};

} // namespace kora::gui
