#pragma once

#include "gui/app/ownedwindow.h"

class QPlainTextEdit;

namespace kora {
class Messenger;
struct ReportBuffer;
} // namespace kora

namespace kora::gui {

class ReportPrinter;

// "Print Preview": the input listing (report page 0) as File > Print would print it, with copy
// and print.
class PrintPreview : public OwnedWindow {
public:
    PrintPreview(ReportBuffer& report, Messenger& messenger, ReportPrinter& printer,
                 QWidget* owner);

    // Shows page 0 and logs "Preview displayed".
    void openPreview();

    void copyToClipboard();
    void print();

private:
    ReportBuffer& m_report;
    Messenger& m_messenger;
    ReportPrinter& m_printer;
    QPlainTextEdit* m_text;
};

} // namespace kora::gui
