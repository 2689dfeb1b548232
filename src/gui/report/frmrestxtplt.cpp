#include "gui/report/frmrestxtplt.h"

#include "gui/common/commandguard.h"
#include "gui/common/helphint.h"
#include "gui/report/pdfexport.h"
#include "gui/report/reportfont.h"
#include "gui/report/reportprinter.h"

#include "core/base/messenger.h"
#include "core/model/reportbuffer.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kora::gui {

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

frmResTxtPlt::frmResTxtPlt(ReportBuffer& report, Messenger& messenger, DialogService& dialogs,
                           ReportPrinter& printer, QWidget* owner)
    : OwnedWindow(owner), m_report(report), m_messenger(messenger), m_dialogs(dialogs),
      m_printer(printer) {
    setObjectName(QStringLiteral("frmResTxtPlt"));
    setWindowTitle(QStringLiteral("Calculation Results"));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("RichTextBox1"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(ReportFont(10));
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    m_close = makeButton(this, "Command1", QStringLiteral("Close"));
    m_copyPage = makeButton(this, "Command2", QStringLiteral("&Copy page"));
    m_printPage = makeButton(this, "Command3", QStringLiteral("&Print page"));
    m_next = makeButton(this, "Command4", QStringLiteral("&Next page"));
    m_previous = makeButton(this, "Command5", QStringLiteral("P&revious page"));
    m_printAll = makeButton(this, "Command6", QStringLiteral("Print &all"));
    m_copyAll = makeButton(this, "Command7", QStringLiteral("Cop&y all"));
    m_help = makeButton(this, "Command8", QStringLiteral("Help"));
    m_viewPlansButton = makeButton(this, "Command9", QStringLiteral("&View plans"));
    m_viewPlansButton->setEnabled(false);
    m_exportPdf = makeButton(this, "Command10", QStringLiteral("E&xport PDF..."));
    auto* exportMenu = new QMenu(m_exportPdf);
    exportMenu->setObjectName(QStringLiteral("mnuExportPdf"));
    QAction* thisPage = exportMenu->addAction(QStringLiteral("&This page..."));
    thisPage->setObjectName(QStringLiteral("mnuExportPdf_0"));
    QAction* allPages = exportMenu->addAction(QStringLiteral("&All pages..."));
    allPages->setObjectName(QStringLiteral("mnuExportPdf_1"));
    m_exportPdf->setMenu(exportMenu);

    auto* paging = new QHBoxLayout;
    paging->addWidget(m_previous);
    paging->addWidget(m_next);
    paging->addSpacing(16);
    paging->addWidget(m_copyPage);
    paging->addWidget(m_copyAll);
    paging->addSpacing(16);
    paging->addWidget(m_printPage);
    paging->addWidget(m_printAll);
    paging->addSpacing(16);
    paging->addWidget(m_exportPdf);
    paging->addStretch(1);

    auto* closing = new QHBoxLayout;
    closing->addWidget(m_viewPlansButton);
    closing->addStretch(1);
    closing->addWidget(m_help);
    closing->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(paging);
    layout->addLayout(closing);

    connect(m_close, &QPushButton::clicked, this, [this] { close(); });
    connect(m_copyPage, &QPushButton::clicked, this, [this] { copyPage(); });
    connect(m_printPage, &QPushButton::clicked, this, [this] { printPage(); });
    connect(m_next, &QPushButton::clicked, this, [this] { nextPage(); });
    connect(m_previous, &QPushButton::clicked, this, [this] { previousPage(); });
    connect(m_printAll, &QPushButton::clicked, this, [this] { printAll(); });
    connect(m_copyAll, &QPushButton::clicked, this, [this] { copyAll(); });
    connect(thisPage, &QAction::triggered, this, [this] { exportPage(); });
    connect(allPages, &QAction::triggered, this, [this] { exportAll(); });
    connect(m_help, &QPushButton::clicked, this, [this] { ShowHelpHint(m_messenger); });
    connect(m_viewPlansButton, &QPushButton::clicked, this, [this] {
        if (m_viewPlans) m_viewPlans();
    });

    // Wide enough for a report line of 80 characters and a page of some 40 lines.
    const QFontMetrics fm(m_text->font());
    const int textWidth = fm.horizontalAdvance(QString(84, QLatin1Char('M')));
    resize(std::max(textWidth + 60, sizeHint().width()), fm.lineSpacing() * 40 + 120);
}

void frmResTxtPlt::openOnResults() {
    m_page = 0;
    nextPage();
    m_messenger.AddHistory("Results displayed");
    open();
}

void frmResTxtPlt::Loadbuffer() {
    const int page = std::clamp(m_page, 0, 4);
    m_text->setPlainText(ReportDisplayText(m_report.OutBuf[static_cast<std::size_t>(page)]));
}

void frmResTxtPlt::nextPage() {
    if (m_page < m_report.LastPage) {
        ++m_page;
        Loadbuffer();
    }
    m_previous->setEnabled(true);
    m_next->setEnabled(m_page < m_report.LastPage);
    if (!m_next->isEnabled()) m_previous->setFocus();
}

void frmResTxtPlt::previousPage() {
    if (m_page >= 1) {
        --m_page;
        Loadbuffer();
    }
    m_next->setEnabled(true);
    m_previous->setEnabled(m_page > 0);
    if (!m_previous->isEnabled()) m_next->setFocus();
}

void frmResTxtPlt::copyPage() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(m_report.OutBuf[static_cast<std::size_t>(m_page)]));
    m_messenger.AddHistory("Output page #" + std::string(" ") + std::to_string(m_page) +
                           "copied to clipboard");
}

void frmResTxtPlt::copyAll() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(m_report.allPages()));
    m_messenger.AddHistory("Output copied to clipboard");
}

void frmResTxtPlt::printPage() {
    printPages(m_page, m_page, "Current page printed");
}

void frmResTxtPlt::printAll() {
    printPages(0, m_report.LastPage, "All pages printed");
}

void frmResTxtPlt::printPages(int first, int last, const char* historyText) {
    m_messenger.AddHistory(historyText);
    if (!m_printer.askPrinter(this, ReportPrinter::Dialog::NoPageRange)) {
        m_messenger.AddHistory("Printing aborted");
        return;
    }
    std::string text;
    for (int i = std::max(first, 0); i <= last && i < 5; ++i)
        text += m_report.OutBuf[static_cast<std::size_t>(i)];
    Guarded(m_messenger, [&] { m_printer.printPages(text); });
    Loadbuffer();
}

void frmResTxtPlt::exportPage() {
    exportPages(m_page, m_page);
}

void frmResTxtPlt::exportAll() {
    exportPages(0, m_report.LastPage);
}

void frmResTxtPlt::exportPages(int first, int last) {
    std::string text;
    for (int i = std::max(first, 0); i <= last && i < 5; ++i)
        text += m_report.OutBuf[static_cast<std::size_t>(i)];
    ExportReportPdf(this, m_dialogs, m_messenger, text,
                    m_pdfPath.empty() ? SuggestedPdfPath({}, {}) : m_pdfPath);
}

void frmResTxtPlt::setViewPlans(std::function<void()> action) {
    m_viewPlans = std::move(action);
    m_viewPlansButton->setEnabled(static_cast<bool>(m_viewPlans));
}

void frmResTxtPlt::showEvent(QShowEvent* event) {
    OwnedWindow::showEvent(event);
    if (m_next->isEnabled()) m_next->setFocus();
}

} // namespace kora::gui
