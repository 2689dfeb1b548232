#include "gui/report/reportprinter.h"

#include "gui/common/centerform.h"
#include "gui/common/dialogservice.h"
#include "gui/report/frmprintersetup.h"
#include "gui/report/printerpagesink.h"

#include "core/base/koraerror.h"
#include "core/report/pageprinter.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace kora::gui {

namespace {

ReportPrinter::Printers installedPrinters() {
    return {QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName()};
}

} // namespace

ReportPrinter::ReportPrinter(DialogService& dialogs)
    : m_dialogs(dialogs), m_printerList(installedPrinters) {}

ReportPrinter::~ReportPrinter() = default;

QPrinter& ReportPrinter::printer() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

bool ReportPrinter::askPrinter(QWidget* parent, Dialog dialog) {
    // Page ranges are left out: the text to print is chosen before the dialog opens. Printing
    // to a file stays, as that is how a PDF of the report is made.
    QAbstractPrintDialog::PrintDialogOptions options =
        QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize;
    if (dialog == Dialog::Full) options |= QAbstractPrintDialog::PrintCollateCopies;
    return m_dialogs.printDialog(parent, printer(), options);
}

bool ReportPrinter::printerSetup(QWidget* parent) {
    QPrinter& target = printer();
    const Printers installed = m_printerList();
    const QString current = printerWithoutDialog();
    frmPrinterSetup dialog(installed.names, current, target.pageLayout(), parent);
    CenterForm(dialog);
    if (m_dialogs.execDialog(dialog) != QDialog::Accepted) return false;
    m_setupPrinter = dialog.printerName();
    if (!m_setupPrinter.isEmpty()) target.setPrinterName(m_setupPrinter);
    target.setPageSize(dialog.pageSize());
    target.setPageOrientation(dialog.orientation());
    return true;
}

bool ReportPrinter::pageSetup(QWidget* parent) {
    return m_dialogs.pageSetupDialog(parent, printer());
}

QString ReportPrinter::printerWithoutDialog() const {
    const Printers installed = m_printerList();
    if (!m_setupPrinter.isEmpty() && installed.names.contains(m_setupPrinter))
        return m_setupPrinter;
    return installed.defaultName;
}

bool ReportPrinter::choosePrinterWithoutDialog(QWidget* parent) {
    const QString name = printerWithoutDialog();
    if (name.isEmpty()) return askPrinter(parent, Dialog::Full);
    QPrinter& target = printer();
    // The printer keeps the file of an earlier print to file; this print is not one.
    target.setOutputFileName(QString());
    target.setOutputFormat(QPrinter::NativeFormat);
    target.setPrinterName(name);
    return true;
}

void ReportPrinter::printPages(const std::string& text) {
    QPrinter& target = printer();
    std::unique_ptr<PageSink> sink =
        m_sinkFactory ? m_sinkFactory(target) : std::make_unique<PrinterPageSink>(target);
    PagePrinter pagePrinter(*sink);
    PrintPages(pagePrinter, text);
    m_pagesPrinted = pagePrinter.page();
}

void ReportPrinter::printPicture(const QString& document, const Painter& paint) {
    QPrinter& target = printer();
    const QString reportDocument = target.docName();
    target.setDocName(document);
    const bool printed =
        target.isValid() && (m_pictureJob ? m_pictureJob(target, paint) : paint(target));
    target.setDocName(reportDocument);
    if (!printed) throw KoraError(err::PrinterError, "Printer error");
}

int ReportPrinter::paintPages(QPrinter& target, const std::string& text) const {
    PrinterPageSink sink(target);
    PagePrinter pagePrinter(sink);
    PrintPages(pagePrinter, text);
    return pagePrinter.page();
}

} // namespace kora::gui
