#pragma once

#include "core/base/messenger.h"

#include <QPointer>

class QPlainTextEdit;
class QWidget;

namespace kora {
class History;
}

namespace kora::gui {

class DialogService;

// The core's Messenger in the desktop program: message boxes through the dialog service, history
// lines into the History log and its pane txtMain at the bottom of the main window.
class GuiMessenger : public Messenger {
public:
    GuiMessenger(History& history, DialogService& dialogs);

    // The history pane; lines logged before it exists show when it is attached.
    void setPane(QPlainTextEdit* pane);

    // The window message boxes belong to when no window of the program is active.
    void setMainWindow(QWidget* window);

    void AddHistory(const std::string& text) override;

    // Empties the log and its pane.
    void clearHistory();

    // The pane shows the log as it stands, scrolled to its end.
    void refreshPane();

    DialogService& dialogs() { return m_dialogs; }

protected:
    int showBox(const std::string& text, int style, const std::string& title) override;

private:
    History& m_history;
    DialogService& m_dialogs;
    QPointer<QPlainTextEdit> m_pane;
    QPointer<QWidget> m_mainWindow;
};

} // namespace kora::gui
