#pragma once

#include <QString>
#include <QStringList>

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
// Tests replace the page sink to record lines and pages instead of printing, and the list of
// installed printers.
class ReportPrinter {
public:
    enum class Dialog {
        Full,        // File > Print
        NoPageRange, // the results viewer: the text to print is already chosen
    };
    using SinkFactory = std::function<std::unique_ptr<PageSink>(QPrinter&)>;
    using Painter = std::function<bool(QPrinter&)>;
    using PictureJob = std::function<bool(QPrinter&, const Painter&)>;

    // The printers installed on the machine and the default one (empty when there is none).
    struct Printers {
        QStringList names;
        QString defaultName;
    };
    using PrinterList = std::function<Printers()>;

    explicit ReportPrinter(DialogService& dialogs);
    ~ReportPrinter();
    ReportPrinter(const ReportPrinter&) = delete;
    ReportPrinter& operator=(const ReportPrinter&) = delete;

    // The printer, made on first use (asking the print system for its printers takes time).
    QPrinter& printer();

    // The print dialog; false when the user cancelled.
    bool askPrinter(QWidget* parent, Dialog dialog);

    // "Printer Setup": the printer for prints without a dialog, its paper and orientation;
    // false when the user cancelled.
    bool printerSetup(QWidget* parent);

    // The page set-up dialog (paper, orientation, margins); false when cancelled.
    bool pageSetup(QWidget* parent);

    // The printer a print without the print dialog goes to: the one chosen in Printer Setup
    // while it is installed, else the default printer; empty when there is neither.
    QString printerWithoutDialog() const;

    // Readies the printer for a print without the print dialog: the printer above, never a
    // file chosen for an earlier print. Without a printer the print dialog asks after all;
    // false when the user cancelled it.
    bool choosePrinterWithoutDialog(QWidget* parent);

    // Prints report text as one job: header, every CR LF line, page breaks, end of job.
    // Printer failures are raised as KoraError (482 "Printer error").
    void printPages(const std::string& text);

    // Prints a picture (the plan) as one job named `document`: `paint` draws it on the printer
    // and answers false when it could not. A printer that cannot be used or a failed paint is
    // raised as KoraError (482 "Printer error").
    void printPicture(const QString& document, const Painter& paint);

    // Lays report text out on any printer as printPages does (the print preview); the number
    // of pages.
    int paintPages(QPrinter& target, const std::string& text) const;

    // Pages of the last job printPages finished.
    int pagesPrinted() const { return m_pagesPrinted; }

    void setSinkFactory(SinkFactory factory) { m_sinkFactory = std::move(factory); }
    // Runs picture jobs instead of painting them on the printer (tests record them).
    void setPictureJob(PictureJob job) { m_pictureJob = std::move(job); }
    void setPrinterList(PrinterList list) { m_printerList = std::move(list); }

private:
    DialogService& m_dialogs;
    std::unique_ptr<QPrinter> m_printer;
    SinkFactory m_sinkFactory;
    PictureJob m_pictureJob;
    PrinterList m_printerList;
    QString m_setupPrinter; // chosen in Printer Setup; empty: the default printer
    int m_pagesPrinted = 0;
};

} // namespace kora::gui
