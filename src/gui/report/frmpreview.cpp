#include "gui/report/frmpreview.h"

#include "gui/common/commandguard.h"
#include "gui/report/reportprinter.h"

#include "core/base/messenger.h"

#include <QAction>
#include <QCoreApplication>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>

namespace kora::gui {

namespace {

// One of the preview's own tool buttons, found by its (translated) text.
QAction* previewAction(QPrintPreviewDialog& dialog, const char* text) {
    const QString caption = QCoreApplication::translate("QPrintPreviewDialog", text);
    for (QAction* a : dialog.findChildren<QAction*>())
        if (a->text() == caption) return a;
    return nullptr;
}

} // namespace

frmPreview::frmPreview(std::string text, Messenger& messenger, ReportPrinter& printer,
                       QWidget* parent)
    : QPrintPreviewDialog(&printer.printer(), parent), m_text(std::move(text)),
      m_messenger(messenger), m_printer(printer), m_view(findChild<QPrintPreviewWidget*>()) {
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QStringLiteral("Print Preview"));
    // A whole page in view: most of the screen's height, a page's proportions across.
    if (const QScreen* s = screen()) {
        const int height = s->availableGeometry().height() * 85 / 100;
        resize(height * 8 / 10, height);
    }
    connect(this, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        Guarded(m_messenger, [&] { m_printer.paintPages(*target, m_text); });
    });
    // The preview's own buttons would open Qt's dialogs directly; these go through the service.
    for (auto [caption, handler] : {std::pair{"Print", &frmPreview::print},
                                    std::pair{"Page setup", &frmPreview::pageSetup}}) {
        if (QAction* a = previewAction(*this, caption)) {
            disconnect(a, &QAction::triggered, this, nullptr);
            connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        }
    }
}

void frmPreview::print() {
    if (!m_printer.askPrinter(this, ReportPrinter::Dialog::Full)) {
        m_messenger.AddHistory("Printing aborted");
        return;
    }
    if (Guarded(m_messenger, [&] { m_printer.printPages(m_text); })) accept();
}

void frmPreview::pageSetup() {
    if (m_printer.pageSetup(this) && m_view != nullptr) m_view->updatePreview();
}

} // namespace kora::gui
