#pragma once

#include "core/project/fieldchecks.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kora {
struct KoraState;
}

namespace kora::gui {

class GuiMessenger;

// What the settings dialog asks of the main window.
struct SettingsHooks {
    std::function<void()> applySettings;    // toolbar and history pane follow the settings
    std::function<void()> applyDisplayFont; // the history pane takes the history font
};

// "Settings": the program-wide settings of the settings file's section "Settings". The controls
// are filled from the settings in memory; OK checks the data path, the history size and the
// extension, stores every control, applies the settings to the main window and writes the
// section. Cancel and the close box store nothing. The history font is the exception: a font
// chosen with "&History Font" is stored and applied at once.
class frmSet : public QDialog {
    Q_OBJECT
public:
    // `iniPath` is the settings file the section is written to.
    frmSet(KoraState& state, std::string iniPath, GuiMessenger& messenger, SettingsHooks hooks,
           QWidget* parent = nullptr);

    bool isAccepted() const { return m_accepted; }

public slots:
    void done(int result) override;

private:
    void buildForm();
    void load();
    void updateEnabling();
    void choosePath();
    void chooseEditor();
    void chooseHistoryFont();
    bool validate();
    void store();

    KoraState& m_state;
    std::string m_iniPath;
    GuiMessenger& m_messenger;
    SettingsHooks m_hooks;
    MessageTitles m_titles;
    std::string m_pathChoice; // the folder exchanged with the folder picker
    bool m_accepted = false;
    bool m_unloaded = false;

    std::array<QRadioButton*, 2> m_units{};
    QLineEdit* m_path = nullptr;        // Text2
    QLineEdit* m_extension = nullptr;   // Text1
    QLineEdit* m_historySize = nullptr; // Text3
    QLineEdit* m_editor = nullptr;      // Text4
    QPushButton* m_historyFont = nullptr;
    QCheckBox* m_copyExamples = nullptr;
    QCheckBox* m_loadLast = nullptr;
    QCheckBox* m_update = nullptr;
    QCheckBox* m_shortNames = nullptr;
    QCheckBox* m_toolbar = nullptr;
    QCheckBox* m_maximize = nullptr;
    QCheckBox* m_history = nullptr;
    QCheckBox* m_keepRecent = nullptr;
    QCheckBox* m_disclaimer = nullptr;
};

} // namespace kora::gui
