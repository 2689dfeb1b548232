#include "gui/settings/frmset.h"

#include "gui/common/centerform.h"
#include "gui/common/commandguard.h"
#include "gui/common/controlnames.h"
#include "gui/common/dialogservice.h"
#include "gui/common/guimessenger.h"
#include "gui/common/helphint.h"
#include "gui/settings/fontsetting.h"
#include "gui/settings/frmpath.h"

#include "core/base/numberformat.h"
#include "core/base/textutil.h"
#include "core/commands/korastate.h"
#include "core/model/unitsystems.h"
#include "core/settings/pathchecks.h"
#include "core/settings/settingsfile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kora::gui {

namespace {

constexpr int HelpSettings = 4100;
constexpr int HelpButton = 5001;
constexpr int MinHistorySize = 4096;
constexpr int MaxHistorySize = 16384;
constexpr const char* DefaultEditor = "Notepad.exe";

std::int16_t flag(const QCheckBox* box) {
    return box->isChecked() ? std::int16_t{1} : std::int16_t{0};
}

// A project file extension is made of the letters A..Z and the digits 0..9 only.
bool validExtension(const std::string& extension) {
    for (char c : extension)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

} // namespace

frmSet::frmSet(KoraState& state, std::string iniPath, GuiMessenger& messenger, SettingsHooks hooks,
               QWidget* parent)
    : QDialog(parent), m_state(state), m_iniPath(std::move(iniPath)), m_messenger(messenger),
      m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("frmSet"));
    setWindowTitle(QStringLiteral("Settings"));
    setProperty("helpContext", HelpSettings);
    buildForm();
    load();
}

void frmSet::buildForm() {
    auto box = [](QWidget* parent, const char* name, const char* caption) {
        return named(new QCheckBox(QString::fromLatin1(caption), parent), QString::fromLatin1(name),
                     HelpSettings);
    };
    auto edit = [](QWidget* parent, const char* name) {
        return named(new QLineEdit(parent), QString::fromLatin1(name), HelpSettings);
    };
    auto button = [](QWidget* parent, const char* name, const char* caption, int help) {
        auto* b = named(new QPushButton(QString::fromLatin1(caption), parent),
                        QString::fromLatin1(name), help);
        b->setAutoDefault(false);
        return b;
    };

    auto* unitsFrame = named(new QGroupBox(QStringLiteral("Default units"), this),
                             QStringLiteral("Frame1"), HelpSettings);
    auto* unitsLayout = new QVBoxLayout(unitsFrame);
    auto* unitGroup = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        m_units[static_cast<std::size_t>(i)] =
            named(new QRadioButton(QString::fromStdString(UnitSystemName(i)), unitsFrame),
                  QStringLiteral("optUnits_%1").arg(i), HelpSettings);
        unitGroup->addButton(m_units[static_cast<std::size_t>(i)], i);
        unitsLayout->addWidget(m_units[static_cast<std::size_t>(i)]);
    }

    auto* dataFrame = named(new QGroupBox(QStringLiteral("Data file options"), this),
                            QStringLiteral("Frame2"), HelpSettings);
    m_path = edit(dataFrame, "Text2");
    m_path->setMinimumWidth(300);
    auto* setPath = button(dataFrame, "cmdSetPath", "Set / Change Path", HelpSettings);
    m_extension = edit(dataFrame, "Text1");
    m_extension->setMaximumWidth(80);
    m_copyExamples = box(dataFrame, "chkCopyExamples", "Copy example files");
    auto* dataLayout = new QGridLayout(dataFrame);
    dataLayout->addWidget(new QLabel(QStringLiteral("Path:"), dataFrame), 0, 0);
    dataLayout->addWidget(m_path, 0, 1);
    dataLayout->addWidget(setPath, 0, 2);
    dataLayout->addWidget(
        new QLabel(QStringLiteral("Default extension for data files:"), dataFrame), 1, 0, 1, 2);
    dataLayout->addWidget(m_extension, 1, 2);
    dataLayout->addWidget(m_copyExamples, 2, 0, 1, 3);

    auto* viewerFrame = named(new QGroupBox(QStringLiteral("External text (ASCII) viewer"), this),
                              QStringLiteral("Frame3"), HelpSettings);
    m_editor = edit(viewerFrame, "Text4");
    auto* select = button(viewerFrame, "cmdSelect", "&Select", HelpSettings);
    auto* setDefault = button(viewerFrame, "cmdSetDefault", "Set Default", HelpSettings);
    auto* viewerLayout = new QGridLayout(viewerFrame);
    viewerLayout->addWidget(new QLabel(QStringLiteral("Viewer spec:"), viewerFrame), 0, 0);
    viewerLayout->addWidget(m_editor, 0, 1, 1, 3);
    viewerLayout->setColumnStretch(1, 1);
    viewerLayout->addWidget(select, 1, 2);
    viewerLayout->addWidget(setDefault, 1, 3);

    auto* optionsFrame = named(new QGroupBox(this), QStringLiteral("Frame4"), HelpSettings);
    m_loadLast = box(optionsFrame, "chkLoadLastInputFile", "Load last input file");
    m_keepRecent = box(optionsFrame, "chkKeepRecentFL", "Keep recent filelist");
    m_shortNames = box(optionsFrame, "chkShortNames", "Short names in  file list");
    m_update = box(optionsFrame, "chkUpdate", "Reminder of annual updates");
    m_disclaimer = box(optionsFrame, "chkShowDiscl", "Show disclaimer at start-up");
    m_toolbar = box(optionsFrame, "chkEnableTB", "Enable toolbar");
    m_maximize = box(optionsFrame, "chkMaxMenu", "Maximize main menu at start-up");
    m_history = box(optionsFrame, "chkDispHist", "Display command history window");
    m_historySize = edit(optionsFrame, "Text3");
    m_historySize->setMaximumWidth(80);
    m_historyFont = button(optionsFrame, "Command5", "&History Font", HelpSettings);
    auto* optionsLayout = new QGridLayout(optionsFrame);
    int row = 0;
    for (QCheckBox* b : {m_loadLast, m_keepRecent}) optionsLayout->addWidget(b, row++, 0, 1, 2);
    // Indented under the option it depends on.
    auto* shortNamesRow = new QHBoxLayout;
    shortNamesRow->addSpacing(20);
    shortNamesRow->addWidget(m_shortNames);
    optionsLayout->addLayout(shortNamesRow, row++, 0, 1, 2);
    for (QCheckBox* b : {m_update, m_disclaimer, m_toolbar, m_maximize, m_history})
        optionsLayout->addWidget(b, row++, 0, 1, 2);
    optionsLayout->addWidget(
        new QLabel(QStringLiteral("Size of command history window (chars)"), optionsFrame), row, 0);
    optionsLayout->addWidget(m_historySize, row++, 1);
    optionsLayout->addWidget(m_historyFont, row++, 0, Qt::AlignLeft);
    optionsLayout->setRowStretch(row, 1);

    auto* ok = named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("Command2"),
                     HelpSettings);
    auto* cancel = button(this, "Command1", "Cancel", HelpSettings);
    auto* help = button(this, "Command3", "Help", HelpButton);
    ok->setDefault(true);

    connect(ok, &QPushButton::clicked, this, [this] {
        if (!validate()) return;
        m_accepted = true;
        done(QDialog::Accepted);
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpHint(m_messenger); });
    connect(setPath, &QPushButton::clicked, this, [this] { choosePath(); });
    connect(select, &QPushButton::clicked, this, [this] { chooseEditor(); });
    connect(setDefault, &QPushButton::clicked, this,
            [this] { m_editor->setText(QString::fromLatin1(DefaultEditor)); });
    connect(m_historyFont, &QPushButton::clicked, this, [this] { chooseHistoryFont(); });
    connect(m_history, &QCheckBox::toggled, this, [this] { updateEnabling(); });
    connect(m_keepRecent, &QCheckBox::toggled, this, [this] { updateEnabling(); });
    connect(m_copyExamples, &QCheckBox::clicked, this, [this](bool ticked) {
        if (!ticked) return;
        m_messenger.ShowMessage(
            "When this option is enabled, every time the program runs, it will try to copy the "
            "example files from the install directory to the " +
                m_state.folders.UserDataFolder +
                " directory. The modified files will not be overridden, but missing files will "
                "be replaced. ",
            mb::OK | mb::Information);
    });
    connect(m_shortNames, &QCheckBox::clicked, this, [this] {
        m_messenger.ShowMessage("Option will take effect upon restarting this program",
                                mb::OK | mb::Information);
    });
    // The extension is upper-cased as it is typed; the cursor stays where it was.
    connect(m_extension, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text) return;
        const int cursor = m_extension->cursorPosition();
        m_extension->setText(upper);
        m_extension->setCursorPosition(cursor);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto* left = new QVBoxLayout;
    left->addWidget(unitsFrame);
    left->addWidget(dataFrame);
    left->addWidget(viewerFrame);
    left->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addWidget(optionsFrame);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
}

void frmSet::load() {
    m_messenger.AddHistory("Editing Settings");
    m_titles = SetMessageTitles(8);
    const Settings& s = m_state.settings;
    m_units[s.DefaultUnits == 1 ? 1 : 0]->setChecked(true);
    m_path->setText(QString::fromStdString(s.DataPath));
    m_extension->setText(QString::fromStdString(s.FileExtension));
    m_copyExamples->setChecked(s.CopyExampleFiles == 1);
    m_loadLast->setChecked(s.LoadLastInputFile == 1);
    m_update->setChecked(s.RemindAnnualUpdates == 1);
    m_shortNames->setChecked(s.ShortRecentFiles == 1);
    m_toolbar->setChecked(s.EnableMainMenuToolbar == 1);
    m_maximize->setChecked(s.MaxMainMenu == 1);
    m_history->setChecked(s.DisplayHistoryWin == 1);
    // The size as the settings file gives it back: below the range (the 2048 of a file that
    // could not be written) it is the range's lower end, so OK never stops on a box the user
    // may not be able to edit.
    m_historySize->setText(QString::fromStdString(
        Format(ClampToLow(s.MaxDisplaySize, MinHistorySize, MaxHistorySize), "0")));
    m_keepRecent->setChecked(s.KeepFileNames == 1);
    m_disclaimer->setChecked(s.ShowDisclaim == 1);
    m_editor->setText(QString::fromStdString(s.ExternalEditor));
    updateEnabling();
}

void frmSet::updateEnabling() {
    m_historySize->setEnabled(m_history->isChecked());
    m_historyFont->setEnabled(m_history->isChecked());
    m_shortNames->setEnabled(m_keepRecent->isChecked());
}

void frmSet::choosePath() {
    m_pathChoice = m_path->text().toStdString();
    frmPath picker(m_pathChoice, m_state.folders, m_messenger, this);
    CenterForm(picker);
    m_messenger.dialogs().execDialog(picker);
    if (picker.result() == QDialog::Accepted) m_path->setText(QString::fromStdString(m_pathChoice));
}

void frmSet::chooseEditor() {
    FileDialogRequest request;
    request.mode = FileDialogMode::Open;
    request.caption = QStringLiteral("Select External Editor");
    // Programs here carry no extension: both filters list every file, and the choice must be a
    // program the user may run.
    request.filters = {QStringLiteral("All Files (*)"), QStringLiteral("Editor Programs (*)")};
    request.selectedFilter = 1;
    const QFileInfo current(m_editor->text().trimmed());
    request.folder = current.isAbsolute() && current.dir().exists() ? current.absolutePath()
                                                                    : QStringLiteral("/usr/bin");
    const std::optional<QString> chosen = m_messenger.dialogs().fileDialog(this, request);
    if (!chosen) {
        HandleError(m_messenger, err::DialogCancelled, "Cancel was selected.");
        return;
    }
    const QFileInfo program(*chosen);
    if (!program.isFile() || !program.isExecutable()) {
        m_messenger.ShowMessage("Not a program: " + chosen->toStdString(), mb::OK | mb::Critical,
                                m_titles.Error);
        return;
    }
    m_editor->setText(*chosen);
}

void frmSet::chooseHistoryFont() {
    Settings& s = m_state.settings;
    FontSetting font{s.DisplayFontName, s.DisplayFontSize, s.DisplayFontBold, s.DisplayFontItalic};
    if (font.choose(m_messenger, this) && m_hooks.applyDisplayFont) m_hooks.applyDisplayFont();
}

bool frmSet::validate() {
    std::string path = Trim(m_path->text().toStdString());
    if (!path.empty() && path.back() != '/') path += '/';
    m_path->setText(QString::fromStdString(path));
    // A blank box would otherwise become the root folder.
    if (path.empty() || !ValidPath(path)) {
        m_messenger.ShowMessage("Invalid Path for Data Files", mb::OK | mb::Critical,
                                m_titles.Error);
        m_path->setFocus();
        m_path->selectAll();
        return false;
    }
    if (!CheckRange(m_historySize->text().toStdString(), MinHistorySize, MaxHistorySize,
                    "Size of Command History Window", m_titles, m_messenger)) {
        m_historySize->setFocus();
        m_historySize->selectAll();
        return false;
    }
    if (!validExtension(Trim(m_extension->text().toStdString()))) {
        m_messenger.ShowMessage("Invalid character in file extension", mb::OK | mb::Critical,
                                m_titles.InvalidCharacter);
        m_extension->setFocus();
        m_extension->selectAll();
        return false;
    }
    return true;
}

void frmSet::store() {
    Settings& s = m_state.settings;
    s.DefaultUnits = m_units[1]->isChecked() ? std::int16_t{1} : std::int16_t{0};
    s.DataPath = m_path->text().toStdString();
    s.FileExtension = Trim(m_extension->text().toStdString());
    s.CopyExampleFiles = flag(m_copyExamples);
    s.LoadLastInputFile = flag(m_loadLast);
    s.RemindAnnualUpdates = flag(m_update);
    s.ShortRecentFiles = flag(m_shortNames);
    s.EnableMainMenuToolbar = flag(m_toolbar);
    s.MaxMainMenu = flag(m_maximize);
    s.DisplayHistoryWin = flag(m_history);
    s.MaxDisplaySize = ClampToLow(LeadingNumber(m_historySize->text().toStdString()),
                                  MinHistorySize, MaxHistorySize);
    s.KeepFileNames = flag(m_keepRecent);
    s.ShowDisclaim = flag(m_disclaimer);
    s.ExternalEditor = Trim(m_editor->text().toStdString());
}

void frmSet::done(int) {
    if (m_unloaded) return;
    m_unloaded = true;
    if (m_accepted) {
        store();
        if (m_hooks.applySettings) m_hooks.applySettings();
        m_messenger.AddHistory("Settings Modified");
        Guarded(m_messenger, [&] {
            SaveSettings(m_state.settings, m_state.recent, m_iniPath, settingsPart::Settings,
                         m_messenger);
        });
    } else {
        m_messenger.AddHistory("Settings Not Modified");
    }
    QDialog::done(m_accepted ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace kora::gui
