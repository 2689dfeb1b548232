#include "gui/app/mainwindow.h"

#include "gui/app/appstate.h"
#include "gui/app/centerform.h"
#include "gui/app/commandguard.h"
#include "gui/app/dialogservice.h"
#include "gui/app/guimessenger.h"
#include "gui/app/picturebox.h"
#include "gui/app/waitcursor.h"
#include "gui/dialogs/convertdialog.h"
#include "gui/dialogs/frmkoradesc.h"
#include "gui/dialogs/frmkoraparm.h"
#include "gui/graphics/chartloader.h"
#include "gui/graphics/frmpicture.h"
#include "gui/report/pdfexport.h"
#include "gui/report/printpreview.h"
#include "gui/report/reportfont.h"
#include "gui/report/reportprinter.h"
#include "gui/report/resultsviewer.h"
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

namespace kora::gui {

namespace {

// The graph commands need nothing but a project, which their sweep checks itself.
constexpr bool GraphCommandsAvailable = true;

constexpr int SettingsSectionSettings = settingsPart::Settings;
constexpr int SettingsSectionFileMenu = settingsPart::FileMenu;

QString itemName(const char* array, int index) {
    return QString::fromLatin1(array) + QLatin1Char('_') + QString::number(index);
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

// A menu text shows "&" only when doubled; file paths keep theirs.
QString menuText(const std::string& text) {
    QString t = QString::fromStdString(text);
    t.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return t;
}

} // namespace

MainWindow::MainWindow(AppState& state, GuiMessenger& messenger, ReportPrinter& printer,
                       HelpSystem& help)
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

MainWindow::~MainWindow() {
    m_messenger.setPane(nullptr);
    delete m_viewer.data();
    delete m_parameters.data();
    delete m_graph.data();
}

ResultsViewer* MainWindow::resultsViewer() const {
    return m_viewer.data();
}

frmKORAParm* MainWindow::parametersDialog() const {
    return m_parameters.data();
}

QAction* MainWindow::action(const QString& name) const {
    return findChild<QAction*>(name);
}

void MainWindow::buildMenus() {
    struct Item {
        int index;
        const char* caption; // nullptr: separator
        QKeySequence key;
        int help;
    };
    auto addItems = [this](QMenu* menu, const char* array, std::initializer_list<Item> items,
                           std::function<void(int)> handler) {
        for (const Item& item : items) {
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
             {{0, "New", QKeySequence(Qt::CTRL | Qt::Key_N), 1100},
              {1, "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O), 1200},
              {2, "&Save ", QKeySequence(Qt::CTRL | Qt::Key_S), 1300},
              {3, "Save &As...", {}, 1400},
              {4, nullptr, {}, 0},
              {5, "Printer Set&up...", {}, 1500},
              {6, "&Print", QKeySequence(Qt::CTRL | Qt::Key_P), 1550},
              {7, "Print Pre&view...", {}, 1600},
              {8, nullptr, {}, 0},
              {9, "&View Source Files...", QKeySequence(Qt::CTRL | Qt::Key_W), 1700},
              {10, nullptr, {}, 0},
              {11, "E&xit", {}, 1800}},
             [this](int i) { mnuFileItem_Click(i); });
    // "Export PDF..." follows the print items; it stands outside the numbered File items.
    auto* exportPdf = new QAction(QStringLiteral("&Export PDF..."), this);
    exportPdf->setObjectName(QStringLiteral("mnuFileExportPdf"));
    exportPdf->setProperty("helpContext", 1550);
    m_fileMenu->insertAction(action(QStringLiteral("mnuFileItem_8")), exportPdf);
    connect(exportPdf, &QAction::triggered, this, [this] { exportReportPdf(); });

    m_recent[0] = m_fileMenu->addSeparator();
    m_recent[0]->setParent(this);
    m_recent[0]->setObjectName(itemName("mnuFileArray", 0));
    m_recent[0]->setVisible(false);
    for (int k = 1; k <= 4; ++k) {
        QAction* a = m_fileMenu->addAction(QString());
        a->setParent(this);
        a->setObjectName(itemName("mnuFileArray", k));
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, k] { mnuFileArray_Click(k); });
        m_recent[static_cast<std::size_t>(k)] = a;
    }

    QMenu* input = addMenu("mnuEdit", "&Input", 2000);
    addItems(input, "mnuEditItem",
             {{0, "Project &Description...", {}, 0},
              {1, "Project &Parameters...", QKeySequence(Qt::CTRL | Qt::Key_E), 0}},
             [this](int i) { mnuEditItem_Click(i); });

    QMenu* output = addMenu("mnuCalc", "&Output", 3000);
    addItems(output, "mnuCalcItem",
             {{0, "Stability Factors (Standard Geometry)...", {}, 3100},
              {1, "Stability Factors (Advanced Geometry)...", {}, 3200},
              {2, nullptr, {}, 0},
              {3, "Size Pillars (Standard Geometry)...", {}, 3300},
              {4, nullptr, {}, 0}},
             [this](int i) { mnuCalcItem_Click(i); });
    const char* graphCaptions[] = {"SF vs Entry Height", "SF vs Depth of Cover",
                                   "SF vs Panel Width", "SF vs CrossCut Spacing"};
    auto addGraphMenu = [&](int index, const char* caption, const char* array,
                            void (MainWindow::*handler)(int)) {
        QMenu* sub = output->addMenu(QString::fromLatin1(caption));
        sub->setObjectName(itemName("mnuCalcItem", index) + QStringLiteral("_Menu"));
        QAction* entry = sub->menuAction();
        entry->setObjectName(itemName("mnuCalcItem", index));
        entry->setProperty("helpContext", 3500);
        for (int i = 0; i < 4; ++i) {
            QAction* a = sub->addAction(QString::fromLatin1(graphCaptions[i]));
            a->setParent(this);
            a->setObjectName(itemName(array, i));
            a->setProperty("helpContext", 3500);
            connect(a, &QAction::triggered, this, [this, handler, i] { (this->*handler)(i); });
        }
    };
    addGraphMenu(5, "Graph [KORA (Classic)]", "mnuCalcGrafItem",
                 &MainWindow::mnuCalcGrafItem_Click);
    addGraphMenu(6, "Graph [KORA (R)]", "mnuCalcGrafRItem", &MainWindow::mnuCalcGrafRItem_Click);
    SetGraphMenus();

    QMenu* util = addMenu("mnuUtil", "&Utilities", 4000);
    addItems(util, "mnuUtilItem",
             {{0, "&Settings...", {}, 4100},
              {1, "&Options...", {}, 4200},
              {2, "&Unit Conversion...", {}, 4300},
              {3, "&File Conversion...", {}, 4400},
              {4, nullptr, {}, 0},
              {5, "&Clear History Window", {}, 0},
              {6, "Close History &Window", {}, 0},
              {7, "Co&py History &Window", {}, 0}},
             [this](int i) { mnuUtilItem_Click(i); });

    QMenu* help = addMenu("mnuHelp", "&Help", 5000);
    addItems(help, "mnuHelpItem",
             {{0, "Help &Contents...", QKeySequence(Qt::Key_F1), 0},
              {1, "Help &Index...", {}, 0},
              {2, "Help in &PDF format...", {}, 0},
              {3, nullptr, {}, 0},
              {4, "&Resource Files...", {}, 0},
              {5, nullptr, {}, 0},
              {6, "&Disclaimer...", {}, 0},
              {7, nullptr, {}, 0},
              {8, "Program Updates...", {}, 0},
              {9, nullptr, {}, 0},
              {10, "&About the Program...", {}, 0}},
             [this](int i) { mnuHelpItem_Click(i); });
}

void MainWindow::buildToolbar() {
    m_toolbar = addToolBar(QStringLiteral("Toolbar"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(24, 24));
    m_toolbar->toggleViewAction()->setEnabled(false);
    struct Button {
        const char* tip;
        const char* icon;
    };
    const Button buttons[] = {
        {"Open Data File", ":/icons/document-open.svg"},
        {"Save Data File", ":/icons/document-save.svg"},
        {"Print Data File", ":/icons/document-print.svg"},
        {"Edit Description", ":/icons/document-edit.svg"},
        {"Edit Pillar Data", ":/icons/document-properties.svg"},
    };
    for (int i = 0; i < 5; ++i) {
        const Button& b = buttons[i];
        // The program's own icons: looking them up in the desktop's icon theme would cost the
        // start-up several milliseconds before the first paint.
        const QIcon icon(QString::fromLatin1(b.icon));
        QAction* a = m_toolbar->addAction(icon, QString::fromLatin1(b.tip));
        a->setParent(this);
        a->setToolTip(QString::fromLatin1(b.tip));
        a->setObjectName(itemName("Toolbar1", i + 1));
        const int button = i + 1;
        connect(a, &QAction::triggered, this, [this, button] { Toolbar1_ButtonClick(button); });
        if (i == 2) m_toolbar->addSeparator();
    }
}

void MainWindow::buildClientArea() {
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

void MainWindow::ApplyWindowSettings() {
    // The version label sits at the top right of the client area, just below the toolbar when
    // the toolbar is shown and at the top of the window otherwise.
    m_toolbar->setVisible(m_state.settings.EnableMainMenuToolbar == 1);
}

void MainWindow::ApplyHistorySetting() {
    const bool on = m_state.settings.DisplayHistoryWin == 1;
    m_state.history.applySettings(m_state.settings);
    m_txtMain->setVisible(on);
    for (int i = 5; i <= 7; ++i) action(itemName("mnuUtilItem", i))->setEnabled(on);
    action(QStringLiteral("mnuUtilItem_6"))->setText(QStringLiteral("Close History &Window"));
    if (on) m_messenger.refreshPane();
}

void MainWindow::ApplyDisplayFont() {
    const Settings& s = m_state.settings;
    QFont font = DeviceFont(QString::fromStdString(s.DisplayFontName));
    font.setPointSizeF(s.DisplayFontSize > 0 ? s.DisplayFontSize : 10.0);
    font.setBold(s.DisplayFontBold != 0);
    font.setItalic(s.DisplayFontItalic != 0);
    m_txtMain->setFont(font);
}

void MainWindow::RefreshRecentFiles() {
    const RecentFiles& r = m_state.recent;
    bool any = false;
    for (int k = 1; k <= 4; ++k) {
        QAction* a = m_recent[static_cast<std::size_t>(k)];
        const bool shown = m_state.settings.KeepFileNames == 1 && k <= r.RecentCount &&
                           !r.LastFile[static_cast<std::size_t>(k - 1)].empty();
        if (shown) a->setText(menuText(RecentCaption(r, k, m_state.settings)));
        a->setVisible(shown);
        any = any || shown;
    }
    m_recent[0]->setVisible(any);
}

void MainWindow::SetCaption() {
    const std::string base = property("tag").toString().toStdString();
    setWindowTitle(QString::fromStdString(
        CaptionText(base, m_state.project.ProjectPath, m_state.project.ProjectSaved)));
}

void MainWindow::SetCalcAdv() {
    action(QStringLiteral("mnuCalcItem_1"))->setEnabled(m_state.project.AdvGeometry != 0);
}

void MainWindow::SetGraphMenus() {
    for (const char* name : {"mnuCalcItem_5_Menu", "mnuCalcItem_6_Menu"}) {
        auto* sub = findChild<QMenu*>(QString::fromLatin1(name));
        // The submenu itself is switched too: Qt gives a submenu's entry the state of the submenu
        // again whenever the main window is disabled and enabled, as every blocking dialog does.
        sub->setEnabled(GraphCommandsAvailable);
        sub->menuAction()->setEnabled(GraphCommandsAvailable);
        for (QAction* a : sub->actions()) a->setEnabled(GraphCommandsAvailable);
    }
}

void MainWindow::LoadOutBuf0(bool mode) {
    kora::LoadOutBuf0(mode, m_state.project, m_state.work, m_state.settings, m_state.report);
}

void MainWindow::FileNew(bool resetNameFlag, bool resetUnits) {
    kora::FileNew(m_state, m_messenger, resetNameFlag, resetUnits);
    SetCalcAdv();
}

void MainWindow::logCancelled() {
    HandleError(m_messenger, err::DialogCancelled, "Cancel was selected.");
}

bool MainWindow::ShowFileDialog(int mode, const std::string& folder) {
    ProjectRecord& p = m_state.project;
    const Settings& s = m_state.settings;
    FileDialogRequest request;
    request.mode = mode == 1 ? FileDialogRequest::Mode::Open : FileDialogRequest::Mode::SaveAs;
    request.caption = mode == 1 ? QStringLiteral("Open") : QStringLiteral("Save As");
    if (!trimmed(p.ProjectPath).empty())
        request.fileName =
            QString::fromStdString(ExtractFileName(p.ProjectPath, false, m_messenger));
    std::string start = folder;
    if (start.empty()) {
        start = s.DataPath;
        while (start.size() > 1 && (start.back() == '/' || start.back() == '\\')) start.pop_back();
    }
    request.folder = QString::fromStdString(start);
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

bool MainWindow::FileMenuSave(bool forceDialog) {
    ProjectRecord& p = m_state.project;
    const std::string before = p.ProjectPath;
    bool named = false;
    if (forceDialog || p.ProjectPath.empty() || upperCase(p.ProjectPath) == "UNTITLED") {
        if (!ShowFileDialog(2, {})) return false;
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

void MainWindow::writeFileMenuSection() {
    Guarded(m_messenger, [&] {
        SaveSettings(m_state.settings, m_state.recent, m_state.iniPath, SettingsSectionFileMenu,
                     m_messenger);
    });
}

void MainWindow::writeSettingsSection() {
    Guarded(m_messenger, [&] {
        SaveSettings(m_state.settings, m_state.recent, m_state.iniPath, SettingsSectionSettings,
                     m_messenger);
    });
}

void MainWindow::recordRecentFile() {
    if (UpdateRecentFiles(m_state.recent, m_state.project.ProjectPath, m_state.settings))
        writeFileMenuSection();
    RefreshRecentFiles();
}

bool MainWindow::saveChangesFirst(int defaultButton) {
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

void MainWindow::closeInputDialogs() {
    if (m_description) m_description->reject();
    if (m_parameters) m_parameters->discard();
    m_parameters = nullptr;
}

void MainWindow::LoadProjFile() {
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
    if (m_state.settings.ShowInputScreenOnLoad == 1) mnuEditItem_Click(1);
}

void MainWindow::mnuFileItem_Click(int index) {
    ProjectRecord& p = m_state.project;
    Guarded(m_messenger, [&] {
        switch (index) {
        case 0:
            if (!saveChangesFirst(0)) break;
            closeInputDialogs();
            FileNew(true, true);
            SetCaption();
            if (m_state.settings.ShowInputScreenOnLoad == 1) mnuEditItem_Click(1);
            break;
        case 1:
            p.PreviousPath = p.ProjectPath;
            if (ShowFileDialog(1, {})) LoadProjFile();
            break;
        case 2:
        case 3:
            if (FileMenuSave(index == 3)) {
                recordRecentFile();
                SetCaption();
            }
            break;
        case 5:
            if (!m_printer.printerSetup(this)) logCancelled();
            break;
        case 6:
            printInputListing(true);
            break;
        case 7: {
            LoadOutBuf0(false);
            PrintPreview preview(m_state.report.OutBuf[0], m_messenger, m_printer, this);
            CenterForm(preview);
            m_messenger.AddHistory("Preview displayed");
            m_messenger.dialogs().execDialog(preview);
            break;
        }
        case 9: {
            frmTextBrow browser(m_state, m_messenger, this);
            CenterForm(browser);
            m_messenger.dialogs().execDialog(browser);
            break;
        }
        case 11:
            close();
            break;
        default:
            break;
        }
    });
}

void MainWindow::mnuFileArray_Click(int index) {
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

void MainWindow::printInputListing(bool withDialog) {
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

void MainWindow::exportReportPdf() {
    if (m_state.project.ProjectEmpty) {
        const int answer = m_messenger.ShowMessage("Current file is empty. Continue?",
                                                   mb::YesNo | mb::Question | mb::DefaultButton2);
        if (answer != mb::AnswerYes) return;
    }
    LoadOutBuf0(false);
    ExportReportPdf(this, m_messenger.dialogs(), m_messenger, m_state.report.allPages(),
                    SuggestedPdfPath(m_state.project.ProjectPath, m_state.settings.DataPath));
}

void MainWindow::mnuEditItem_Click(int index) {
    Guarded(m_messenger, [&] {
        if (index == 0) openDescriptionDialog();
        if (index == 1) openParametersDialog();
    });
}

void MainWindow::openDescriptionDialog() {
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

void MainWindow::openParametersDialog() {
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
                                   std::move(hooks), nullptr);
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

void MainWindow::mnuCalcItem_Click(int index) {
    AppState& s = m_state;
    // The Output menu's calculation items are numbered as the commands.
    const auto command = static_cast<OutputCommand>(index);
    bool show = false;
    if (!Guarded(m_messenger, [&] {
            WaitCursor wait;
            show = RunOutputCommand(command, s, m_messenger);
        }))
        return;
    if (!show) return;
    auto* viewer = new ResultsViewer(s.report, m_messenger, m_printer, this);
    viewer->setWindowTitle(viewer->windowTitle() + QStringLiteral(": ") +
                           QString::fromStdString(OutputCaptionSuffix(command)));
    // The plan of this calculation, kept with the viewer: later calculations do not change it.
    const PlanGeometry geometry = s.plan;
    const PlanLabelValues values = PlanLabelValues::from(s.work);
    const int units = s.project.UnitSystem;
    const int advanced = s.work.AdvCalc;
    viewer->setViewPlans([this, viewer, geometry, values, units, advanced] {
        showPlanWindow(viewer, PlanSource::Results, geometry, values, m_state.settings, units,
                       advanced, m_messenger);
    });
    viewer->setPdfPath(SuggestedPdfPath(s.project.ProjectPath, s.settings.DataPath));
    m_viewer = viewer;
    viewer->openOnResults();
}

void MainWindow::mnuCalcGrafItem_Click(int index) {
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

void MainWindow::mnuCalcGrafRItem_Click(int index) {
    graphKORAR = 255;
    mnuCalcGrafItem_Click(index);
    graphKORAR = 0;
}

std::optional<std::string> MainWindow::runParametricStudy(ParametricStudy study) {
    // The study file goes to the user's data folder, beside the projects, where the user can
    // always write (the program's own folder rarely is writable).
    AppState& s = m_state;
    std::string written;
    bool done = false;
    Guarded(m_messenger, [&] {
        WaitCursor wait;
        done = study == ParametricStudy::Partial
                   ? DoParametricPartial(s, s.folders.UserDataFolder, m_messenger, &written)
                   : DoParametricSolid(s, s.folders.UserDataFolder, m_messenger, &written);
    });
    if (!done) return std::nullopt;
    return written;
}

void MainWindow::openFileConversion() {
    ProjectRecord& p = m_state.project;
    if (p.ProjectEmpty) {
        m_messenger.ShowMessage("Current file is empty", mb::DefaultButton2);
    } else if (p.ProjectSaved) {
        ConvertDialog dialog(p, m_state.ConvertFileOption, m_messenger, this);
        m_messenger.dialogs().execDialog(dialog);
        SetCaption();
        SetCalcAdv();
    } else {
        m_messenger.ShowMessage("Save Current File before accessing this option", mb::OK);
    }
}

void MainWindow::toggleHistoryPane() {
    const bool show = !m_txtMain->isVisible();
    m_txtMain->setVisible(show);
    action(QStringLiteral("mnuUtilItem_6"))
        ->setText(show ? QStringLiteral("Close History &Window")
                       : QStringLiteral("Restore History &Window"));
    action(QStringLiteral("mnuUtilItem_5"))->setEnabled(show);
    action(QStringLiteral("mnuUtilItem_7"))->setEnabled(show);
    if (show) m_messenger.refreshPane();
}

void MainWindow::copyHistory() {
    if (!m_txtMain->isVisible()) return;
    QGuiApplication::clipboard()->setText(m_txtMain->toPlainText());
}

void MainWindow::mnuUtilItem_Click(int index) {
    Guarded(m_messenger, [&] {
        switch (index) {
        case 0: {
            SettingsHooks hooks{[this] {
                                    ApplyHistorySetting();
                                    ApplyWindowSettings();
                                },
                                [this] { ApplyDisplayFont(); }};
            frmSet dialog(m_state, m_messenger, std::move(hooks), this);
            CenterForm(dialog);
            m_messenger.dialogs().execDialog(dialog);
            break;
        }
        case 1: {
            frmKORAOpts dialog(m_state, m_messenger, this);
            CenterForm(dialog);
            m_messenger.dialogs().execDialog(dialog);
            break;
        }
        case 2: {
            frmUnits dialog(m_messenger, this);
            CenterForm(dialog);
            m_messenger.dialogs().execDialog(dialog);
            break;
        }
        case 3:
            openFileConversion();
            break;
        case 5:
            m_messenger.clearHistory();
            break;
        case 6:
            toggleHistoryPane();
            break;
        case 7:
            copyHistory();
            break;
        default:
            break;
        }
    });
}

void MainWindow::mnuHelpItem_Click(int index) {
    Guarded(m_messenger, [&] {
        if (HelpMenuCommand(index, *m_helpContext, m_state.settings)) writeSettingsSection();
    });
}

void MainWindow::setProgramInfo(const std::string& programFolder, const QDate& today) {
    m_helpContext->programFolder = QString::fromStdString(programFolder);
    m_helpContext->today = today;
}

void MainWindow::ShowStartupNotices() {
    if (m_state.settings.ShowDisclaim == 1 && ShowDisclaimer(*m_helpContext, m_state.settings))
        writeSettingsSection();
    CenterForm(*this);
    SetCalcAdv();
    if (RunUpdateReminder(*m_helpContext, m_state.settings)) writeSettingsSection();
}

void MainWindow::Toolbar1_ButtonClick(int button) {
    switch (button) {
    case 1:
        mnuFileItem_Click(1);
        break;
    case 2:
        mnuFileItem_Click(2);
        break;
    case 3:
        Guarded(m_messenger, [&] { printInputListing(false); });
        break;
    case 4:
        mnuEditItem_Click(0);
        break;
    case 5:
        mnuEditItem_Click(1);
        break;
    default:
        break;
    }
}

bool MainWindow::QueryUnload() {
    return saveChangesFirst(0);
}

void MainWindow::formUnload() {
    if (m_unloaded) return;
    m_unloaded = true;
    if (m_parameters) m_parameters->close();
    if (m_viewer) m_viewer->close();
    if (m_graph) m_graph->close();
    m_help.CloseHelp();
    writeFileMenuSection();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_unloaded && !QueryUnload()) {
        event->ignore();
        return;
    }
    formUnload();
    event->accept();
}

} // namespace kora::gui
