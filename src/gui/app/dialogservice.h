#pragma once

#include "base/messenger.h"

#include <QString>

class QDialog;
class QUrl;

namespace kora::gui {

// Every modal question and every hand-over to the desktop goes through this seam, so that a test
// can answer message boxes, drive dialogs without exec() and see what would have been opened.
// The main window implements it with QMessageBox, QDialog::exec and QDesktopServices; tests use
// a recording fake.
class DialogService {
public:
    virtual ~DialogService() = default;

    // Shows a message box and returns the button pressed, with the classic style and answer
    // codes of kora::mb. An empty title means the program title. Like Messenger::ShowMessage,
    // the implementation also writes the message to the history log.
    virtual int message(const QString& text, int style = mb::OK, const QString& title = {}) = 0;

    // Opens a document or a web address with the desktop's default program. False when nothing
    // could be started (no launcher, no display): the caller then says the operation failed.
    virtual bool openUrl(const QUrl& url) = 0;

    // Runs a dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int execDialog(QDialog& dialog) = 0;
};

} // namespace kora::gui
