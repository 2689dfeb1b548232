#include "utilities/windowcapture.h"

#include "app/dialogservice.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

namespace kora::gui {

QPixmap CaptureForm(QWidget* form) { return form ? form->grab() : QPixmap(); }

bool CopyDialogImage(QWidget* dialog, DialogService& dialogs) {
    const QPixmap picture = CaptureForm(dialog ? dialog->window() : nullptr);
    if (picture.isNull()) return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setPixmap(picture);
    dialogs.message(QStringLiteral("Screenshot of dialog copied to clipboard"));
    return true;
}

} // namespace kora::gui
