#include "gui/utilities/windowcapture.h"

#include "core/base/messenger.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

namespace kora::gui {

QPixmap CaptureForm(QWidget* form) {
    return form ? form->grab() : QPixmap();
}

bool CopyDialogImage(QWidget* dialog, Messenger& messenger) {
    QWidget* window = dialog ? dialog->window() : nullptr;
    const QPixmap picture = CaptureForm(window);
    if (picture.isNull()) return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setPixmap(picture);
    messenger.ShowMessage("Screenshot of dialog copied to clipboard");
    return true;
}

} // namespace kora::gui
