#pragma once

#include <QPrintPreviewDialog>

#include <string>

class QPrintPreviewWidget;

namespace kora {
class Messenger;
} // namespace kora

namespace kora::gui {

class ReportPrinter;

// "Print Preview": report text laid out on the program's printer page by page exactly as it
// prints, through the same page printer. Its Print and Page setup buttons ask through the
// dialog service like every other print command; Print closes the preview.
class frmPreview : public QPrintPreviewDialog {
public:
    frmPreview(std::string text, Messenger& messenger, ReportPrinter& printer, QWidget* parent);

    // The Print and Page setup buttons.
    void print();
    void pageSetup();

private:
    std::string m_text;
    Messenger& m_messenger;
    ReportPrinter& m_printer;
    QPrintPreviewWidget* m_view;
};

} // namespace kora::gui
