#pragma once

#include <functional>
#include <memory>
#include <string>

class QPrinter;
class QWidget;

namespace kora {
class PageSink;
}

namespace kora::gui {

class DialogService;

// The program's printer: one QPrinter for the whole run, so a choice made in Printer Setup or a
// print dialog holds for the next job, and the page printer that lays report text out on it.
// Tests replace the page sink to record lines and pages instead of printing.
class ReportPrinter {
public:
    enum class Dialog {
        Full,        // File > Print
        NoPageRange, // the results viewer: the text to print is already chosen
    };
    using SinkFactory = std::function<std::unique_ptr<PageSink>(QPrinter&)>;

    explicit ReportPrinter(DialogService& dialogs);
    ~ReportPrinter();
    ReportPrinter(const ReportPrinter&) = delete;
    ReportPrinter& operator=(const ReportPrinter&) = delete;

    // The printer, made on first use (asking the print system for its printers takes time).
    QPrinter& printer();

    // The print dialog; false when the user cancelled.
    bool askPrinter(QWidget* parent, Dialog dialog);

    // The printer set-up dialog; false when the user cancelled.
    bool pageSetup(QWidget* parent);

    // Prints report text as one job: header, every CR LF line, page breaks, end of job.
    // Printer failures are raised as KoraError (482 "Printer error").
    void printPages(const std::string& text);

    void setSinkFactory(SinkFactory factory) { m_sinkFactory = std::move(factory); }

private:
    DialogService& m_dialogs;
    std::unique_ptr<QPrinter> m_printer;
    SinkFactory m_sinkFactory;
};

} // namespace kora::gui
