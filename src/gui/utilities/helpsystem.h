#pragma once

#include <QPointer>

namespace kora::gui {

class DialogService;
class frmHelp;

// The program's help: one help window, opened on demand at the contents, the keyword index or
// the topic of a help context, and closed when the main window unloads. Owned by main() and
// handed to whoever opens help (Help menu, F1, dialogs).
class HelpSystem {
public:
    explicit HelpSystem(DialogService* dialogs = nullptr);
    ~HelpSystem();
    HelpSystem(const HelpSystem&) = delete;
    HelpSystem& operator=(const HelpSystem&) = delete;

    void ShowHelpContents();
    void ShowHelpIndex();
    void ShowHelpTopic(int helpContext);
    // Closes the help window; the next request opens a fresh one.
    void CloseHelp();

    // The open help window, or nullptr.
    frmHelp* window() const;

private:
    frmHelp& openWindow();

    DialogService* m_dialogs;
    QPointer<frmHelp> m_window;
};

} // namespace kora::gui
