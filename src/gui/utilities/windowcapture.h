#pragma once

#include <QPixmap>

class QWidget;

namespace kora {
class Messenger;
}

namespace kora::gui {

// The picture of a window's client area, at the size it has on the screen.
QPixmap CaptureForm(QWidget* form);

// The dialogs' "Copy dialog image to clipboard": puts the picture of the dialog's window on the
// clipboard and says so ("Screenshot of dialog copied to clipboard"). False, with no message,
// when there is nothing to capture.
bool CopyDialogImage(QWidget* dialog, Messenger& messenger);

} // namespace kora::gui
