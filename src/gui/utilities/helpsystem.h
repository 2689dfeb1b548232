#pragma once

#include <QPointer>

namespace kora::gui {

class DialogService;
class HelpWindow;

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
    HelpWindow* window() const;

private:
    HelpWindow& openWindow();

    DialogService* m_dialogs;
    QPointer<HelpWindow> m_window;
};

} // namespace kora::gui
