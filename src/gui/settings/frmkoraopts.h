#pragma once

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QRadioButton;
class QTabWidget;

namespace kora {
struct KoraState;
}

namespace kora::gui {

class GuiMessenger;

// "KORA Options": the options of the settings file's section "KORAOptions" on four tabs (output,
// input, graphics, file association). OK stores every control and writes the section; Cancel and
// the close box store nothing and log "Options Not Modified". "Create File Association" makes
// the association of the project file extension at once, after asking.
class frmKORAOpts : public QDialog {
    Q_OBJECT
public:
    // `iniPath` is the settings file the section is written to.
    frmKORAOpts(KoraState& state, std::string iniPath, GuiMessenger& messenger,
                QWidget* parent = nullptr);

    bool isAccepted() const { return m_accepted; }

public slots:
    void done(int result) override;

private:
    void buildForm();
    void load();
    void store();
    void createFileAssociation();

    KoraState& m_state;
    std::string m_iniPath;
    GuiMessenger& m_messenger;
    bool m_accepted = false;
    bool m_unloaded = false;

    QTabWidget* m_tabs = nullptr;
    std::array<QRadioButton*, 2> m_strUnits{};     // Option1
    std::array<QRadioButton*, 2> m_strGradUnits{}; // Option2
    QCheckBox* m_inputOnLoad = nullptr;            // Check1
    QCheckBox* m_inputOnStart = nullptr;           // Check7
    QCheckBox* m_warnCancel = nullptr;             // chkInputCancel
    QCheckBox* m_childWindow = nullptr;            // Check2
    QCheckBox* m_moduleHeader = nullptr;           // Check3
    QCheckBox* m_plotReminder = nullptr;           // Check6
    QCheckBox* m_entryDims = nullptr;              // Check4
    QCheckBox* m_xcutDims = nullptr;               // Check5
    QCheckBox* m_office = nullptr;                 // chkOffice
};

} // namespace kora::gui
