#include "gui/settings/frmkoraopts.h"

#include "gui/common/commandguard.h"
#include "gui/common/controlnames.h"
#include "gui/common/guimessenger.h"
#include "gui/common/helphint.h"

#include "core/commands/korastate.h"
#include "core/settings/fileassociation.h"
#include "core/settings/settingsfile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <initializer_list>

namespace kora::gui {

namespace {

constexpr int HelpOptions = 4200;
constexpr int HelpButton = 5001;

std::int16_t flag(const QCheckBox* box) {
    return box->isChecked() ? std::int16_t{1} : std::int16_t{0};
}

QGroupBox* frame(QWidget* parent, const char* name, const char* caption,
                 std::initializer_list<QWidget*> controls) {
    auto* box = named(new QGroupBox(QString::fromLatin1(caption), parent),
                      QString::fromLatin1(name), HelpOptions);
    auto* layout = new QVBoxLayout(box);
    for (QWidget* c : controls) {
        c->setParent(box);
        layout->addWidget(c);
    }
    return box;
}

QWidget* page(std::initializer_list<QWidget*> frames) {
    auto* w = new QWidget;
    auto* layout = new QVBoxLayout(w);
    for (QWidget* f : frames) layout->addWidget(f);
    layout->addStretch(1);
    return w;
}

} // namespace

frmKORAOpts::frmKORAOpts(KoraState& state, std::string iniPath, GuiMessenger& messenger,
                         QWidget* parent)
    : QDialog(parent), m_state(state), m_iniPath(std::move(iniPath)), m_messenger(messenger) {
    setObjectName(QStringLiteral("frmKORAOpts"));
    setWindowTitle(QStringLiteral("KORA Options"));
    setProperty("helpContext", HelpOptions);
    buildForm();
    load();
}

void frmKORAOpts::buildForm() {
    auto option = [](const char* name, const char* caption) {
        return named(new QRadioButton(QString::fromLatin1(caption)), QString::fromLatin1(name),
                     HelpOptions);
    };
    auto box = [](const char* name, const char* caption) {
        return named(new QCheckBox(QString::fromLatin1(caption)), QString::fromLatin1(name),
                     HelpOptions);
    };

    m_strUnits = {option("Option1_0", "psi"), option("Option1_1", "psf")};
    m_strGradUnits = {option("Option2_0", "ton/ft"), option("Option2_1", "lbs/ft")};
    for (const auto& group : {m_strUnits, m_strGradUnits}) {
        auto* g = new QButtonGroup(this);
        for (QRadioButton* b : group) g->addButton(b);
    }
    m_inputOnLoad = box("Check1", "Load the input form on file open / file new");
    m_inputOnStart = box("Check7", "Load the input form on program start");
    m_warnCancel = box("chkInputCancel", "Issue warning when discarding changes in input form(s) ");
    m_childWindow = box("Check2", "View project file in child window");
    m_moduleHeader = box("Check3", "Print module version information");
    m_plotReminder = box("Check6", "Print plot reminders in output");
    m_entryDims = box("Check4", "Plot entry spacing dimensions");
    m_xcutDims = box("Check5", "Plot crosscut spacing dimensions");
    m_office = box("chkOffice", "Do not ask if MS-Office is installed");
    auto* associate = named(new QPushButton(QStringLiteral("Create File Association")),
                            QStringLiteral("cmdFileAssoc"), HelpOptions);
    associate->setAutoDefault(false);
    connect(associate, &QPushButton::clicked, this, [this] { createFileAssociation(); });

    m_tabs = named(new QTabWidget(this), QStringLiteral("SSTab1"), HelpOptions);
    m_tabs->addTab(page({frame(this, "Frame1", "Output units (pressure/strength)",
                               {m_strUnits[0], m_strUnits[1]}),
                         frame(this, "Frame2", "Output units (load gradient)",
                               {m_strGradUnits[0], m_strGradUnits[1]}),
                         frame(this, "Frame4", "Print Options", {m_moduleHeader, m_plotReminder})}),
                   QStringLiteral("Output"));
    m_tabs->addTab(page({frame(this, "Frame3", "Edit menu options",
                               {m_inputOnLoad, m_inputOnStart, m_warnCancel}),
                         m_childWindow}),
                   QStringLiteral("Input"));
    m_tabs->addTab(page({frame(this, "Frame5", "Plot options", {m_entryDims, m_xcutDims}),
                         frame(this, "Frame6", "Graph export options", {m_office})}),
                   QStringLiteral("Graphics"));
    m_tabs->addTab(page({frame(this, "Frame7", "Create a file association", {associate})}),
                   QStringLiteral("File Association"));

    auto* ok =
        named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("Command2"), HelpOptions);
    auto* cancel = named(new QPushButton(QStringLiteral("Cancel"), this),
                         QStringLiteral("Command1"), HelpOptions);
    auto* help = named(new QPushButton(QStringLiteral("Help"), this), QStringLiteral("Command3"),
                       HelpButton);
    ok->setDefault(true);
    cancel->setAutoDefault(false);
    help->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] {
        m_accepted = true;
        done(QDialog::Accepted);
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpHint(m_messenger); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
}

void frmKORAOpts::load() {
    m_messenger.AddHistory("Editing KORA Options");
    const Settings& s = m_state.settings;
    m_strUnits[s.OutputStrUnits == 1 ? 1 : 0]->setChecked(true);
    // The reports take 1 as tons per foot and 0 as pounds per foot.
    m_strGradUnits[s.OutputStrGradUnits == 1 ? 0 : 1]->setChecked(true);
    m_inputOnLoad->setChecked(s.ShowInputScreenOnLoad == 1);
    m_inputOnStart->setChecked(s.ShowInputScreenOnStart == 1);
    m_warnCancel->setChecked(s.IssueWarningCancel == 1);
    m_childWindow->setChecked(s.ViewChildWindow == 1);
    m_moduleHeader->setChecked(s.PrintModuleHeader == 1);
    m_plotReminder->setChecked(s.PrintPlotReminder == 1);
    m_entryDims->setChecked(s.PlotEntryDims == 1);
    m_xcutDims->setChecked(s.PlotXcutDims == 1);
    m_office->setChecked(s.AskOfficeInstall != 0);
}

void frmKORAOpts::store() {
    Settings& s = m_state.settings;
    s.OutputStrUnits = m_strUnits[1]->isChecked() ? std::int16_t{1} : std::int16_t{0};
    s.OutputStrGradUnits = m_strGradUnits[0]->isChecked() ? std::int16_t{1} : std::int16_t{0};
    s.ShowInputScreenOnLoad = flag(m_inputOnLoad);
    s.ShowInputScreenOnStart = flag(m_inputOnStart);
    s.IssueWarningCancel = flag(m_warnCancel);
    s.ViewChildWindow = flag(m_childWindow);
    s.PrintModuleHeader = flag(m_moduleHeader);
    s.PrintPlotReminder = flag(m_plotReminder);
    s.PlotEntryDims = flag(m_entryDims);
    s.PlotXcutDims = flag(m_xcutDims);
    s.AskOfficeInstall = flag(m_office);
}

void frmKORAOpts::createFileAssociation() {
    const std::string& stored = m_state.settings.FileExtension;
    const std::string extension = stored.empty() ? std::string(DefaultFileExtension) : stored;
    Guarded(m_messenger, [&] {
        CreateFileAssociation({}, QCoreApplication::applicationFilePath().toStdString(), extension,
                              m_messenger);
    });
}

void frmKORAOpts::done(int) {
    if (m_unloaded) return;
    m_unloaded = true;
    if (m_accepted) {
        store();
        Guarded(m_messenger, [&] {
            SaveSettings(m_state.settings, m_state.recent, m_iniPath, settingsPart::Options,
                         m_messenger);
        });
    } else {
        m_messenger.AddHistory("Options Not Modified");
    }
    QDialog::done(m_accepted ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace kora::gui
