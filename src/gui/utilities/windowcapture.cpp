#include "utilities/windowcapture.h"

#include "app/dialogservice.h"
#include "base/messenger.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

namespace kora::gui {

QPixmap CaptureForm(QWidget* form) { return form ? form->grab() : QPixmap(); }

bool CopyDialogImage(QWidget* dialog, DialogService& dialogs) {
    QWidget* window = dialog ? dialog->window() : nullptr;
    const QPixmap picture = CaptureForm(window);
    if (picture.isNull()) return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setPixmap(picture);
    dialogs.message(window, QStringLiteral("Screenshot of dialog copied to clipboard"), mb::OK,
                    QString());
    return true;
}

} // namespace kora::gui
