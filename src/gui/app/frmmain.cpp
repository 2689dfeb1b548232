#include "gui/app/frmmain.h"

#include "gui/app/appstate.h"
#include "gui/app/picturebox.h"
#include "gui/common/centerform.h"
#include "gui/common/commandguard.h"
#include "gui/common/dialogservice.h"
#include "gui/common/guimessenger.h"
#include "gui/common/waitcursor.h"
#include "gui/dialogs/frmconvert.h"
#include "gui/dialogs/frmkoradesc.h"
#include "gui/dialogs/frmkoraparm.h"
#include "gui/graphics/chartloader.h"
#include "gui/graphics/frmpicture.h"
#include "gui/report/frmpreview.h"
#include "gui/report/frmrestxtplt.h"
#include "gui/report/pdfexport.h"
#include "gui/report/reportfont.h"
#include "gui/report/reportprinter.h"
#include "gui/settings/frmkoraopts.h"
#include "gui/settings/frmset.h"
#include "gui/utilities/frmtextbrow.h"
#include "gui/utilities/frmunits.h"
#include "gui/utilities/helpmenu.h"
#include "gui/utilities/helpsystem.h"

#include "core/base/unitconstants.h"
#include "core/commands/filecommands.h"
#include "core/commands/outputcommand.h"
#include "core/commands/studycommands.h"
#include "core/project/projectfile.h"
#include "core/report/buildstring.h"
#include "core/report/inputlisting.h"
#include "core/settings/pathchecks.h"
#include "core/settings/recentfiles.h"
#include "core/settings/settingsfile.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cctype>
#include <functional>
#include <utility>

namespace kora::gui {

namespace {

// The graph commands need nothing but a project, which their sweep checks itself.
constexpr bool GraphCommandsAvailable = true;

constexpr int SettingsSectionSettings = settingsPart::Settings;
constexpr int SettingsSectionFileMenu = settingsPart::FileMenu;

QString itemName(const char* array, int index) {
    return QString::fromLatin1(array) + QLatin1Char('_') + QString::number(index);
}

template <typename Item>
requires std::is_enum_v<Item> QString itemName(const char* array, Item item) {
    return itemName(array, int(item));
}

std::string upperCase(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// One item of a menu's control array: an item its handler knows by name, or a separator
// keeping its number in the array.
struct MenuItem {
    int index;
    const char* caption = nullptr; // nullptr: separator
    QKeySequence key{};
    int help = 0;

    template <typename E>
    requires std::is_enum_v<E> MenuItem(E item, const char* text, QKeySequence shortcut = {},
                                        int helpContext = 0)
        : index(int(item)), caption(text), key(shortcut), help(helpContext) {}
    MenuItem(int separator) : index(separator) {}
};

// A menu text shows "&" only when doubled; file paths keep theirs.
QString menuText(const std::string& text) {
    QString t = QString::fromStdString(text);
    t.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return t;
}

} // namespace

frmMain::frmMain(AppState& state, GuiMessenger& messenger, ReportPrinter& printer, HelpSystem& help)
    : m_state(state), m_messenger(messenger), m_printer(printer), m_help(help),
      m_helpContext(std::make_unique<HelpMenuContext>(HelpMenuContext{messenger, help})) {
    m_helpContext->owner = this;
    m_helpContext->buildString = QString::fromStdString(BuildString());
    setObjectName(QStringLiteral("frmMain"));
    setProperty("tag", QStringLiteral("KORA"));
    setWindowTitle(QStringLiteral("KORA"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kora.svg")));

    buildMenus();
    buildToolbar();
    buildClientArea();

    m_messenger.setPane(m_txtMain);
    m_messenger.setMainWindow(this);

    resize(980, 700);
}

frmMain::~frmMain() {
    m_messenger.setPane(nullptr);
    delete m_viewer.data();
    delete m_parameters.data();
    delete m_graph.data();
}

frmResTxtPlt* frmMain::resultsViewer() const {
    return m_viewer.data();
}

frmKORAParm* frmMain::parametersDialog() const {
    return m_parameters.data();
}

QAction* frmMain::action(const QString& name) const {
    return findChild<QAction*>(name);
}

void frmMain::buildMenus() {
    auto addItems = [this](QMenu* menu, const char* array, std::initializer_list<MenuItem> items,
                           std::function<void(int)> handler) {
        for (const MenuItem& item : items) {
            QAction* a = nullptr;
            if (item.caption == nullptr) {
                a = menu->addSeparator();
            } else {
                a = menu->addAction(QString::fromLatin1(item.caption));
                a->setShortcut(item.key);
                const int index = item.index;
                connect(a, &QAction::triggered, this, [handler, index] { handler(index); });
            }
            a->setParent(this);
            a->setObjectName(itemName(array, item.index));
            a->setProperty("helpContext",
                           item.help != 0 ? item.help : menu->property("helpContext"));
        }
    };
    auto addMenu = [this](const char* name, const char* caption, int help) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(caption));
        menu->setObjectName(QString::fromLatin1(name));
        menu->setProperty("helpContext", help);
        menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("_Menu"));
        return menu;
    };

    m_fileMenu = addMenu("mnuFile", "&File", 1000);
    addItems(m_fileMenu, "mnuFileItem",
             {{FileItem::New, "New", QKeySequence(Qt::CTRL | Qt::Key_N), 1100},
              {FileItem::Open, "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O), 1200},
              {FileItem::Save, "&Save ", QKeySequence(Qt::CTRL | Qt::Key_S), 1300},
              {FileItem::SaveAs, "Save &As...", {}, 1400},
              {4},
              {FileItem::PrinterSetup, "Printer Set&up...", {}, 1500},
              {FileItem::Print, "&Print", QKeySequence(Qt::CTRL | Qt::Key_P), 1550},
              {FileItem::PrintPreview, "Print Pre&view...", {}, 1600},
              {8},
              {FileItem::ViewSourceFiles, "&View Source Files...",
               QKeySequence(Qt::CTRL | Qt::Key_W), 1700},
              {10},
              {FileItem::Exit, "E&xit", {}, 1800}},
             [this](int i) { mnuFileItem_Click(FileItem(i)); });
    // "Export PDF..." follows the print items; it stands outside the numbered File items.
    auto* exportPdf = new QAction(QStringLiteral("&Export PDF..."), this);
    exportPdf->setObjectName(QStringLiteral("mnuFileExportPdf"));
    exportPdf->setProperty("helpContext", 1550);
    m_fileMenu->insertAction(action(QStringLiteral("mnuFileItem_8")), exportPdf);
    connect(exportPdf, &QAction::triggered, this,
            [this] { mnuFileItem_Click(FileItem::ExportPdf); });

    m_recentSeparator = m_fileMenu->addSeparator();
    m_recentSeparator->setParent(this);
    m_recentSeparator->setObjectName(itemName("mnuFileArray", 0));
    m_recentSeparator->setVisible(false);
    for (int k = 1; k <= 4; ++k) {
        QAction* a = m_fileMenu->addAction(QString());
        a->setParent(this);
        a->setObjectName(itemName("mnuFileArray", k));
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, k] { mnuFileArray_Click(k); });
        m_recent[k] = a;
    }

    QMenu* input = addMenu("mnuEdit", "&Input", 2000);
    addItems(input, "mnuEditItem",
             {{EditItem::Description, "Project &Description..."},
              {EditItem::Parameters, "Project &Parameters...", QKeySequence(Qt::CTRL | Qt::Key_E)}},
             [this](int i) { mnuEditItem_Click(EditItem(i)); });

    QMenu* output = addMenu("mnuCalc", "&Output", 3000);
    addItems(output, "mnuCalcItem",
             {{CalcItem::StandardGeometry, "Stability Factors (Standard Geometry)...", {}, 3100},
              {CalcItem::AdvancedGeometry, "Stability Factors (Advanced Geometry)...", {}, 3200},
              {2},
              {CalcItem::SizePillars, "Size Pillars (Standard Geometry)...", {}, 3300},
              {4}},
             [this](int i) { mnuCalcItem_Click(CalcItem(i)); });
    const std::pair<GraphItem, const char*> graphItems[] = {
        {GraphItem::EntryHeight, "SF vs Entry Height"},
        {GraphItem::DepthOfCover, "SF vs Depth of Cover"},
        {GraphItem::PanelWidth, "SF vs Panel Width"},
        {GraphItem::CrosscutSpacing, "SF vs CrossCut Spacing"}};
    auto addGraphMenu = [&](CalcItem index, const char* caption, const char* array,
                            void (frmMain::*handler)(GraphItem)) {
        QMenu* sub = output->addMenu(QString::fromLatin1(caption));
        sub->setObjectName(itemName("mnuCalcItem", index) + QStringLiteral("_Menu"));
        QAction* entry = sub->menuAction();
        entry->setObjectName(itemName("mnuCalcItem", index));
        entry->setProperty("helpContext", 3500);
        for (const auto& [item, text] : graphItems) {
            QAction* a = sub->addAction(QString::fromLatin1(text));
            a->setParent(this);
            a->setObjectName(itemName(array, item));
            a->setProperty("helpContext", 3500);
            connect(a, &QAction::triggered, this,
                    [this, handler, item = item] { (this->*handler)(item); });
        }
    };
    addGraphMenu(CalcItem::GraphClassic, "Graph [KORA (Classic)]", "mnuCalcGrafItem",
                 &frmMain::mnuCalcGrafItem_Click);
    addGraphMenu(CalcItem::GraphRevised, "Graph [KORA (R)]", "mnuCalcGrafRItem",
                 &frmMain::mnuCalcGrafRItem_Click);
    SetGraphMenus();

    QMenu* util = addMenu("mnuUtil", "&Utilities", 4000);
    addItems(util, "mnuUtilItem",
             {{UtilItem::Settings, "&Settings...", {}, 4100},
              {UtilItem::Options, "&Options...", {}, 4200},
              {UtilItem::UnitConversion, "&Unit Conversion...", {}, 4300},
              {UtilItem::FileConversion, "&File Conversion...", {}, 4400},
              {4},
              {UtilItem::ClearHistory, "&Clear History Window"},
              {UtilItem::CloseHistory, "Close History &Window"},
              {UtilItem::CopyHistory, "Co&py History &Window"}},
             [this](int i) { mnuUtilItem_Click(UtilItem(i)); });

    QMenu* help = addMenu("mnuHelp", "&Help", 5000);
    addItems(help, "mnuHelpItem",
             {{HelpItem::Contents, "Help &Contents...", QKeySequence(Qt::Key_F1)},
              {HelpItem::Index, "Help &Index..."},
              {HelpItem::PdfManual, "Help in &PDF format..."},
              {3},
              {HelpItem::ResourceFiles, "&Resource Files..."},
              {5},
              {HelpItem::Disclaimer, "&Disclaimer..."},
              {7},
              {HelpItem::ProgramUpdates, "Program Updates..."},
              {9},
              {HelpItem::About, "&About the Program..."}},
             [this](int i) { mnuHelpItem_Click(HelpItem(i)); });
}

void frmMain::buildToolbar() {
    m_toolbar = addToolBar(QStringLiteral("Toolbar"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(24, 24));
    m_toolbar->toggleViewAction()->setEnabled(false);
    struct Button {
        ToolbarButton button;
        const char* tip;
        const char* icon;
    };
    const Button buttons[] = {
        {ToolbarButton::Open, "Open Data File", ":/icons/document-open.svg"},
        {ToolbarButton::Save, "Save Data File", ":/icons/document-save.svg"},
        {ToolbarButton::Print, "Print Data File", ":/icons/document-print.svg"},
        {ToolbarButton::Description, "Edit Description", ":/icons/document-edit.svg"},
        {ToolbarButton::Parameters, "Edit Pillar Data", ":/icons/document-properties.svg"},
    };
    for (const Button& b : buttons) {
        // The program's own icons: looking them up in the desktop's icon theme would cost the
        // start-up several milliseconds before the first paint.
        const QIcon icon(QString::fromLatin1(b.icon));
        QAction* a = m_toolbar->addAction(icon, QString::fromLatin1(b.tip));
        a->setParent(this);
        a->setToolTip(QString::fromLatin1(b.tip));
        a->setObjectName(itemName("Toolbar1", b.button));
        connect(a, &QAction::triggered, this, [this, b] { Toolbar1_ButtonClick(b.button); });
        if (b.button == ToolbarButton::Print) m_toolbar->addSeparator();
    }
}

void frmMain::buildClientArea() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* area = new QWidget(central);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    m_picture = new PictureBox(area);
    grid->addWidget(m_picture, 0, 0, Qt::AlignCenter);
    m_lblver = new QLabel(QString::fromStdString(BuildString() + " "), area);
    m_lblver->setObjectName(QStringLiteral("lblver"));
    m_lblver->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_lblver->setContentsMargins(0, 4, 6, 0);
    grid->addWidget(m_lblver, 0, 0, Qt::AlignRight | Qt::AlignTop);
    column->addWidget(area, 1);

    m_txtMain = new QPlainTextEdit(central);
    m_txtMain->setObjectName(QStringLiteral("txtMain"));
    m_txtMain->setReadOnly(true);
    // Light grey through the palette: a style sheet would cost the start-up its parser.
    QPalette grey = m_txtMain->palette();
    grey.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    m_txtMain->setPalette(grey);
    // 1200 twips high, whatever the screen's resolution.
    m_txtMain->setFixedHeight(std::max(60, logicalDpiY() * 1200 / TwipsPerInch));
    column->addWidget(m_txtMain);

    setCentralWidget(central);
}

void frmMain::ApplyWindowSettings() {
    // The version label sits at the top right of the client area, just below the toolbar when
    // the toolbar is shown and at the top of the window otherwise.
    m_toolbar->setVisible(m_state.settings.EnableMainMenuToolbar == 1);
}

void frmMain::ApplyHistorySetting() {
    const bool on = m_state.settings.DisplayHistoryWin == 1;
    m_state.history.applySettings(m_state.settings);
    m_txtMain->setVisible(on);
    for (UtilItem item : {UtilItem::ClearHistory, UtilItem::CloseHistory, UtilItem::CopyHistory})
        action(itemName("mnuUtilItem", item))->setEnabled(on);
    action(itemName("mnuUtilItem", UtilItem::CloseHistory))
        ->setText(QStringLiteral("Close History &Window"));
    if (on) m_messenger.refreshPane();
}

void frmMain::ApplyDisplayFont() {
    const Settings& s = m_state.settings;
    QFont font = DeviceFont(QString::fromStdString(s.DisplayFontName));
    font.setPointSizeF(s.DisplayFontSize > 0 ? s.DisplayFontSize : 10.0);
    font.setBold(s.DisplayFontBold != 0);
    font.setItalic(s.DisplayFontItalic != 0);
    m_txtMain->setFont(font);
}

void frmMain::RefreshRecentFiles() {
    const RecentFiles& r = m_state.recent;
    bool any = false;
    for (int k = 1; k <= 4; ++k) {
        QAction* a = m_recent[k];
        const bool shown = m_state.settings.KeepFileNames == 1 && k <= r.RecentCount &&
                           !r.LastFile[static_cast<std::size_t>(k - 1)].empty();
        if (shown) a->setText(menuText(RecentCaption(r, k, m_state.settings)));
        a->setVisible(shown);
        any = any || shown;
    }
    m_recentSeparator->setVisible(any);
}

void frmMain::SetCaption() {
    const std::string base = property("tag").toString().toStdString();
    setWindowTitle(QString::fromStdString(
        CaptionText(base, m_state.project.ProjectPath, m_state.project.ProjectSaved)));
}

void frmMain::SetCalcAdv() {
    action(itemName("mnuCalcItem", CalcItem::AdvancedGeometry))
        ->setEnabled(m_state.project.AdvGeometry != 0);
}

void frmMain::SetGraphMenus() {
    for (CalcItem graph : {CalcItem::GraphClassic, CalcItem::GraphRevised}) {
        auto* sub = findChild<QMenu*>(itemName("mnuCalcItem", graph) + QStringLiteral("_Menu"));
        // The submenu itself is switched too: Qt gives a submenu's entry the state of the submenu
        // again whenever the main window is disabled and enabled, as every blocking dialog does.
        sub->setEnabled(GraphCommandsAvailable);
        sub->menuAction()->setEnabled(GraphCommandsAvailable);
        for (QAction* a : sub->actions()) a->setEnabled(GraphCommandsAvailable);
    }
}

void frmMain::LoadOutBuf0(bool mode) {
    kora::LoadOutBuf0(mode, m_state.project, m_state.work, m_state.settings, m_state.report);
}

void frmMain::FileNew(bool resetNameFlag, bool resetUnits) {
    kora::FileNew(m_state, m_messenger, resetNameFlag, resetUnits);
    SetCalcAdv();
}

void frmMain::logCancelled() {
    HandleError(m_messenger, err::DialogCancelled, "Cancel was selected.");
}

bool frmMain::ShowFileDialog(FileDialogMode mode, const std::string& folder) {
    ProjectRecord& p = m_state.project;
    const Settings& s = m_state.settings;
    FileDialogRequest request;
    request.mode = mode;
    request.caption =
        mode == FileDialogMode::Open ? QStringLiteral("Open") : QStringLiteral("Save As");
    if (!trimmed(p.ProjectPath).empty())
        request.fileName =
            QString::fromStdString(ExtractFileName(p.ProjectPath, false, m_messenger));
    request.folder = folder.empty() ? DialogFolder(s.DataPath) : QString::fromStdString(folder);
    const std::string ext =
        s.FileExtension.empty() || s.FileExtension == "0" ? std::string("KOR") : s.FileExtension;
    request.filters = {
        QStringLiteral("All Files (*.*)"),
        QString::fromStdString(std::string(ProgramTitle) + " Files (*." + ext + ")")};
    request.selectedFilter = 1;
    request.defaultSuffix = QString::fromStdString(ext);

    const std::optional<QString> chosen = m_messenger.dialogs().fileDialog(this, request);
    if (!chosen) {
        logCancelled();
        return false;
    }
    p.ProjectPath = chosen->toStdString();
    return true;
}

bool frmMain::FileMenuSave(bool forceDialog) {
    ProjectRecord& p = m_state.project;
    const std::string before = p.ProjectPath;
    bool named = false;
    if (forceDialog || p.ProjectPath.empty() || upperCase(p.ProjectPath) == "UNTITLED") {
        if (!ShowFileDialog(FileDialogMode::SaveAs, {})) return false;
        named = true;
    }
    bool saved = false;
    const bool done = Guarded(m_messenger, [&] {
        WaitCursor wait;
        saved = FileSave(p, m_messenger);
    });
    if (!done && named) p.ProjectPath = before; // the project keeps the name it had
    SetCaption();
    return done && saved;
}

void frmMain::writeFileMenuSection() {
    Guarded(m_messenger, [&] {
        SaveSettings(m_state.settings, m_state.recent, m_state.iniPath, SettingsSectionFileMenu,
                     m_messenger);
    });
}

void frmMain::writeSettingsSection() {
    Guarded(m_messenger, [&] {
        SaveSettings(m_state.settings, m_state.recent, m_state.iniPath, SettingsSectionSettings,
                     m_messenger);
    });
}

void frmMain::recordRecentFile() {
    if (UpdateRecentFiles(m_state.recent, m_state.project.ProjectPath, m_state.settings))
        writeFileMenuSection();
    RefreshRecentFiles();
}

bool frmMain::saveChangesFirst(int defaultButton) {
    ProjectRecord& p = m_state.project;
    if (p.ProjectSaved) return true;
    const int answer = m_messenger.ShowMessage("Save changes to: " + p.ProjectPath + "?",
                                               mb::YesNoCancel | mb::Question | defaultButton);
    if (answer == mb::AnswerCancel) return false;
    if (answer == mb::AnswerYes) {
        if (!FileMenuSave(false)) return false;
        recordRecentFile();
    }
    return true;
}

void frmMain::closeInputDialogs() {
    if (m_description) m_description->reject();
    if (m_parameters) m_parameters->discard();
    m_parameters = nullptr;
}

void frmMain::LoadProjFile() {
    ProjectRecord& p = m_state.project;
    if (!p.ProjectSaved) {
        // The question is about the project in memory; a cancelled or failed save keeps it, and
        // its name, instead of the one that was to be opened.
        const std::string wanted = p.ProjectPath;
        p.ProjectPath = p.PreviousPath;
        if (!saveChangesFirst(mb::DefaultButton2)) {
            SetCaption();
            return;
        }
        p.ProjectPath = wanted;
    }
    // No input dialog may go on editing the record that the file is about to replace.
    closeInputDialogs();
    bool opened = false;
    const bool done = Guarded(m_messenger, [&] {
        WaitCursor wait;
        opened = FileOpen(m_state, m_messenger);
    });
    if (!done || !opened) {
        // Whatever part of a refused or damaged file was read is dropped, and the project loses
        // the file's name: a later Save must not write an empty project over that file.
        FileNew(true, true);
        SetCaption();
        return;
    }
    SetCalcAdv();
    recordRecentFile();
    SetCaption();
    if (m_state.settings.ShowInputScreenOnLoad == 1) mnuEditItem_Click(EditItem::Parameters);
}

void frmMain::mnuFileItem_Click(FileItem item) {
    ProjectRecord& p = m_state.project;
    Guarded(m_messenger, [&] {
        switch (item) {
        case FileItem::New:
            if (!saveChangesFirst(0)) break;
            closeInputDialogs();
            FileNew(true, true);
            SetCaption();
            if (m_state.settings.ShowInputScreenOnLoad == 1)
                mnuEditItem_Click(EditItem::Parameters);
            break;
        case FileItem::Open:
            p.PreviousPath = p.ProjectPath;
            if (ShowFileDialog(FileDialogMode::Open, {})) LoadProjFile();
            break;
        case FileItem::Save:
        case FileItem::SaveAs:
            if (FileMenuSave(item == FileItem::SaveAs)) {
                recordRecentFile();
                SetCaption();
            }
            break;
        case FileItem::PrinterSetup:
            if (!m_printer.printerSetup(this)) logCancelled();
            break;
        case FileItem::Print:
            printInputListing(true);
            break;
        case FileItem::PrintPreview: {
            LoadOutBuf0(false);
            frmPreview preview(m_state.report.OutBuf[0], m_messenger, m_printer, this);
            CenterForm(preview);
            m_messenger.AddHistory("Preview displayed");
            m_messenger.dialogs().execDialog(preview);
            break;
        }
        case FileItem::ViewSourceFiles: {
            frmTextBrow browser(m_state, m_state.iniPath, m_state.BrowseFolder, m_messenger, this);
            CenterForm(browser);
            m_messenger.dialogs().execDialog(browser);
            break;
        }
        case FileItem::ExportPdf:
            exportReportPdf();
            break;
        case FileItem::Exit:
            close();
            break;
        }
    });
}

void frmMain::mnuFileArray_Click(int index) {
    if (index < 1 || index > 4) return;
    ProjectRecord& p = m_state.project;
    Guarded(m_messenger, [&] {
        const std::string path = m_state.recent.LastFileLong[static_cast<std::size_t>(index - 1)];
        if (!FileExists(path)) {
            // A project moved or deleted since: offer to take it off the list.
            const int answer = m_messenger.ShowMessage(
                "File not found: " + path + "\r\nRemove it from the list of recent files?",
                mb::YesNo | mb::Question);
            if (answer == mb::AnswerYes && RemoveRecentFile(m_state.recent, index)) {
                writeFileMenuSection();
                RefreshRecentFiles();
            }
            return;
        }
        p.PreviousPath = p.ProjectPath;
        p.ProjectPath = path;
        LoadProjFile();
    });
}

void frmMain::printInputListing(bool withDialog) {
    if (m_state.project.ProjectEmpty) {
        const int answer = m_messenger.ShowMessage("Current file is empty. Continue?",
                                                   mb::YesNo | mb::Question | mb::DefaultButton2);
        if (answer != mb::AnswerYes) return;
    }
    // Without the dialog (the toolbar) the print goes to a printer only, never to a file.
    if (withDialog ? !m_printer.askPrinter(this, ReportPrinter::Dialog::Full)
                   : !m_printer.choosePrinterWithoutDialog(this)) {
        logCancelled();
        return;
    }
    LoadOutBuf0(false);
    Guarded(m_messenger, [&] {
        WaitCursor wait;
        m_printer.printPages(m_state.report.OutBuf[0]);
    });
}

void frmMain::exportReportPdf() {
    if (m_state.project.ProjectEmpty) {
        const int answer = m_messenger.ShowMessage("Current file is empty. Continue?",
                                                   mb::YesNo | mb::Question | mb::DefaultButton2);
        if (answer != mb::AnswerYes) return;
    }
    LoadOutBuf0(false);
    ExportReportPdf(this, m_messenger.dialogs(), m_messenger, m_state.report.allPages(),
                    SuggestedPdfPath(m_state.project.ProjectPath, m_state.settings.DataPath));
}

void frmMain::mnuEditItem_Click(EditItem item) {
    Guarded(m_messenger, [&] {
        if (item == EditItem::Description) openDescriptionDialog();
        if (item == EditItem::Parameters) openParametersDialog();
    });
}

void frmMain::openDescriptionDialog() {
    DescriptionHooks hooks;
    hooks.setCaption = [this] { SetCaption(); };
    frmKORADesc dialog(m_state.project, m_state.report, m_state.settings, m_messenger,
                       std::move(hooks), this);
    m_description = &dialog;
    CenterForm(dialog);
    m_messenger.dialogs().execDialog(dialog);
    m_description = nullptr;
    SetCaption();
    SetCalcAdv();
    if (dialog.nextFormChosen()) openParametersDialog();
}

void frmMain::openParametersDialog() {
    if (m_parameters) {
        m_parameters->raise();
        m_parameters->activateWindow();
        return;
    }
    // The hourglass while the dialog is built and first shown; both take a noticeable moment.
    WaitCursor wait;
    ParametersHooks hooks;
    hooks.setCaption = [this] { SetCaption(); };
    hooks.setCalcAdv = [this](bool) { SetCalcAdv(); };
    hooks.runStudy = [this](ParametricStudy study) { return runParametricStudy(study); };
    // Not a Qt child of the main window, which is disabled while the dialog is open.
    auto* dialog = new frmKORAParm(m_state.project, m_state.settings, m_state.plan, m_messenger,
                                   m_messenger.dialogs(), m_printer, std::move(hooks), nullptr);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_parameters = dialog;
    connect(dialog, &QDialog::finished, this, [this] {
        setEnabled(true);
        SetCaption();
        SetCalcAdv();
        activateWindow();
    });
    setEnabled(false);
    dialog->winId();
    if (windowHandle() != nullptr && dialog->windowHandle() != nullptr)
        dialog->windowHandle()->setTransientParent(windowHandle());
    CenterForm(*dialog);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void frmMain::mnuCalcItem_Click(CalcItem item) {
    AppState& s = m_state;
    OutputCommand command;
    switch (item) {
    case CalcItem::StandardGeometry:
        command = OutputCommand::Standard;
        break;
    case CalcItem::AdvancedGeometry:
        command = OutputCommand::Advanced;
        break;
    case CalcItem::SizePillars:
        command = OutputCommand::Sizing;
        break;
    default: // the Graph submenus
        return;
    }
    bool show = false;
    if (!Guarded(m_messenger, [&] {
            WaitCursor wait;
            show = RunOutputCommand(command, s, m_messenger);
        }))
        return;
    if (!show) return;
    auto* viewer = new frmResTxtPlt(s.report, m_messenger, m_messenger.dialogs(), m_printer, this);
    viewer->setWindowTitle(viewer->windowTitle() + QStringLiteral(": ") +
                           QString::fromStdString(OutputCaptionSuffix(command)));
    // The plan of this calculation, kept with the viewer: later calculations do not change it.
    const PlanGeometry geometry = s.plan;
    const PlanLabelValues values = PlanLabelValues::from(s.work);
    const int units = s.project.UnitSystem;
    const int advanced = s.work.AdvCalc;
    viewer->setViewPlans([this, viewer, geometry, values, units, advanced] {
        showPlanWindow(viewer, PlanSource::Results, geometry, values, m_state.settings, units,
                       advanced, m_messenger, m_messenger.dialogs(), m_printer);
    });
    viewer->setPdfPath(SuggestedPdfPath(s.project.ProjectPath, s.settings.DataPath));
    m_viewer = viewer;
    viewer->openOnResults();
}

void frmMain::mnuCalcGrafItem_Click(GraphItem item) {
    const int index = int(item);
    bool show = false;
    if (!Guarded(m_messenger, [&] {
            WaitCursor wait;
            show = ChartSweep(index, m_state, m_messenger);
        }))
        return;
    if (!show || (index < 0 || index > 3)) return;
    const ChartContext context{m_state, m_messenger, m_messenger.dialogs(), m_state.iniPath,
                               [](QWidget& w) { CenterForm(w); }};
    QString problem;
    Guarded(m_messenger,
            [&] { m_graph = OpenChartWindow(context, this, index, graphKORAR, &problem); });
    if (!m_graph && !problem.isEmpty())
        m_messenger.ShowMessage("The chart window could not be loaded: " + problem.toStdString(),
                                mb::Critical);
}

void frmMain::mnuCalcGrafRItem_Click(GraphItem item) {
    graphKORAR = 255;
    mnuCalcGrafItem_Click(item);
    graphKORAR = 0;
}

std::optional<std::string> frmMain::runParametricStudy(ParametricStudy study) {
    // The study file goes to the user's data folder, beside the projects, where the user can
    // always write (the program's own folder rarely is writable).
    AppState& s = m_state;
    StudyOutcome written;
    bool done = false;
    Guarded(m_messenger, [&] {
        WaitCursor wait;
        done = study == ParametricStudy::Partial
                   ? DoParametricPartial(s, s.folders.UserDataFolder, m_messenger, &written)
                   : DoParametricSolid(s, s.folders.UserDataFolder, m_messenger, &written);
    });
    if (!done) return std::nullopt;
    return written.path;
}

void frmMain::openFileConversion() {
    ProjectRecord& p = m_state.project;
    if (p.ProjectEmpty) {
        m_messenger.ShowMessage("Current file is empty", mb::DefaultButton2);
    } else if (p.ProjectSaved) {
        frmConvert dialog(p, m_state.ConvertFileOption, m_messenger, this);
        m_messenger.dialogs().execDialog(dialog);
        SetCaption();
        SetCalcAdv();
    } else {
        m_messenger.ShowMessage("Save Current File before accessing this option", mb::OK);
    }
}

void frmMain::toggleHistoryPane() {
    const bool show = !m_txtMain->isVisible();
    m_txtMain->setVisible(show);
    action(itemName("mnuUtilItem", UtilItem::CloseHistory))
        ->setText(show ? QStringLiteral("Close History &Window")
                       : QStringLiteral("Restore History &Window"));
    action(itemName("mnuUtilItem", UtilItem::ClearHistory))->setEnabled(show);
    action(itemName("mnuUtilItem", UtilItem::CopyHistory))->setEnabled(show);
    if (show) m_messenger.refreshPane();
}

void frmMain::copyHistory() {
    if (!m_txtMain->isVisible()) return;
    QGuiApplication::clipboard()->setText(m_txtMain->toPlainText());
}

void frmMain::mnuUtilItem_Click(UtilItem item) {
    Guarded(m_messenger, [&] {
        switch (item) {
        case UtilItem::Settings: {
            SettingsHooks hooks{[this] {
                                    ApplyHistorySetting();
                                    ApplyWindowSettings();
                                },
                                [this] { ApplyDisplayFont(); }};
            frmSet dialog(m_state, m_state.iniPath, m_messenger, std::move(hooks), this);
            CenterForm(dialog);
            m_messenger.dialogs().execDialog(dialog);
            break;
        }
        case UtilItem::Options: {
            frmKORAOpts dialog(m_state, m_state.iniPath, m_messenger, this);
            CenterForm(dialog);
            m_messenger.dialogs().execDialog(dialog);
            break;
        }
        case UtilItem::UnitConversion: {
            frmUnits dialog(m_messenger, this);
            CenterForm(dialog);
            m_messenger.dialogs().execDialog(dialog);
            break;
        }
        case UtilItem::FileConversion:
            openFileConversion();
            break;
        case UtilItem::ClearHistory:
            m_messenger.clearHistory();
            break;
        case UtilItem::CloseHistory:
            toggleHistoryPane();
            break;
        case UtilItem::CopyHistory:
            copyHistory();
            break;
        }
    });
}

void frmMain::mnuHelpItem_Click(HelpItem item) {
    Guarded(m_messenger, [&] {
        if (HelpMenuCommand(item, *m_helpContext, m_state.settings)) writeSettingsSection();
    });
}

void frmMain::setProgramInfo(const std::string& programFolder, const QDate& today) {
    m_helpContext->programFolder = QString::fromStdString(programFolder);
    m_helpContext->today = today;
}

void frmMain::ShowStartupNotices() {
    if (m_state.settings.ShowDisclaim == 1 && ShowDisclaimer(*m_helpContext, m_state.settings))
        writeSettingsSection();
    CenterForm(*this);
    SetCalcAdv();
    if (RunUpdateReminder(*m_helpContext, m_state.settings)) writeSettingsSection();
}

void frmMain::Toolbar1_ButtonClick(ToolbarButton button) {
    switch (button) {
    case ToolbarButton::Open:
        mnuFileItem_Click(FileItem::Open);
        break;
    case ToolbarButton::Save:
        mnuFileItem_Click(FileItem::Save);
        break;
    case ToolbarButton::Print:
        Guarded(m_messenger, [&] { printInputListing(false); });
        break;
    case ToolbarButton::Description:
        mnuEditItem_Click(EditItem::Description);
        break;
    case ToolbarButton::Parameters:
        mnuEditItem_Click(EditItem::Parameters);
        break;
    }
}

bool frmMain::QueryUnload() {
    return saveChangesFirst(0);
}

void frmMain::formUnload() {
    if (m_unloaded) return;
    m_unloaded = true;
    if (m_parameters) m_parameters->close();
    if (m_viewer) m_viewer->close();
    if (m_graph) m_graph->close();
    m_help.CloseHelp();
    writeFileMenuSection();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!m_unloaded && !QueryUnload()) {
        event->ignore();
        return;
    }
    formUnload();
    event->accept();
}

} // namespace kora::gui
