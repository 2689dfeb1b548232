#include "gui/report/printpreview.h"

#include "gui/app/commandguard.h"
#include "gui/app/helphint.h"
#include "gui/report/reportfont.h"
#include "gui/report/reportprinter.h"

#include "core/base/messenger.h"
#include "core/model/reportbuffer.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kora::gui {

PrintPreview::PrintPreview(ReportBuffer& report, Messenger& messenger, ReportPrinter& printer,
                           QWidget* owner)
    : OwnedWindow(owner), m_report(report), m_messenger(messenger), m_printer(printer) {
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QStringLiteral("Print Preview"));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("RichTextBox1"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(ReportFont(10));

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* copy = button("Command1", QStringLiteral("&Copy to Clipboard"));
    QPushButton* print = button("Command2", QStringLiteral("&Print"));
    QPushButton* help = button("Command3", QStringLiteral("Help"));
    QPushButton* close = button("Command4", QStringLiteral("Close"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(print);
    buttons->addStretch(1);
    buttons->addWidget(help);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);

    connect(copy, &QPushButton::clicked, this, [this] { copyToClipboard(); });
    connect(print, &QPushButton::clicked, this, [this] { this->print(); });
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpHint(m_messenger); });
    connect(close, &QPushButton::clicked, this, [this] { this->close(); });

    const QFontMetrics fm(m_text->font());
    resize(fm.horizontalAdvance(QString(84, QLatin1Char('M'))) + 60, fm.lineSpacing() * 40 + 90);
}

void PrintPreview::openPreview() {
    m_text->setPlainText(ReportDisplayText(m_report.OutBuf[0]));
    m_messenger.AddHistory("Preview displayed");
    open();
}

void PrintPreview::copyToClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(m_report.OutBuf[0]));
    m_messenger.AddHistory("Output copied to clipboard");
}

void PrintPreview::print() {
    if (!m_printer.askPrinter(this, ReportPrinter::Dialog::Full)) {
        m_messenger.AddHistory("Printing aborted");
        return;
    }
    Guarded(m_messenger, [&] { m_printer.printPages(m_report.OutBuf[0]); });
}

} // namespace kora::gui
