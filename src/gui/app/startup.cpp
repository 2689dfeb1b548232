#include "gui/app/startup.h"

#include "gui/app/appstate.h"
#include "gui/app/frmmain.h"
#include "gui/app/startupenvironment.h"
#include "gui/common/commandguard.h"
#include "gui/common/guimessenger.h"

#include "core/settings/examplefiles.h"
#include "core/settings/settingsfile.h"
#include "core/settings/userfolders.h"

#include <QDir>

#include <algorithm>

namespace kora::gui {

std::string CommandLineProject(const std::string& commandLine) {
    std::string path = commandLine;
    path.erase(std::remove(path.begin(), path.end(), '"'), path.end());
    return path;
}

namespace {

// The settings file exists with the current version and is read into the settings. When no such
// file can be made, the initial defaults stay and the reason is returned.
std::string prepareSettings(AppState& state, Messenger& messenger, const StartupEnvironment& env) {
    const std::string& data = state.folders.UserDataFolder;
    state.iniPath = data + SettingsFileName;
    Settings defaults;
    defaults.DataPath = data;
    defaults.DisplayFontName = DefaultFontName(env.availableFonts);
    defaults.BrowseFontName = defaults.DisplayFontName;
    state.settings = defaults;
    std::string problem;
    bool ready = false;
    Guarded(messenger, [&] {
        ready = EnsureSettingsFile(state.iniPath, defaults, state.recent, messenger, &problem);
    });
    // Whatever stands in the file's place (a folder, a file of an older version that could not
    // be replaced) is not read: its missing keys would switch off the toolbar and the notices.
    if (!ready) return problem.empty() ? std::string("unexpected error") : problem;
    for (int part : {settingsPart::Settings, settingsPart::FileMenu, settingsPart::TextBrowse,
                     settingsPart::Graph, settingsPart::Options})
        ReadSettings(state.settings, state.recent, state.iniPath, part, env.availableFonts, data);
    return {};
}

} // namespace

std::unique_ptr<frmMain> StartKora(AppState& state, GuiMessenger& messenger, ReportPrinter& printer,
                                   HelpSystem& help, const StartupEnvironment& env) {
    // The history stays off until the settings say otherwise.
    state.settings = Settings{};
    state.history.setEnabled(false);
    state.programFolder = env.programFolder;
    state.folders = InitUserFolders(env.documentsFolder, env.programFolder);
    const std::string settingsProblem = prepareSettings(state, messenger, env);
    if (!settingsProblem.empty()) {
        // Logged whatever the history setting says, so that the line is there when the user
        // looks.
        state.history.setEnabled(true);
        messenger.AddHistory("The settings file " + state.iniPath + " could not be written: " +
                             settingsProblem + ". The default settings are used.");
    }
    state.history.setEnabled(state.settings.DisplayHistoryWin == 1);
    state.history.setMaxDisplaySize(state.settings.MaxDisplaySize);
    const std::string& dataFolder = env.dataFolder.empty() ? env.programFolder : env.dataFolder;
    Guarded(messenger, [&] {
        CopyExampleProjects(dataFolder, state.folders.UserDataFolder, state.settings, messenger);
    });

    // A project named relative to the folder the program was started in, taken before the
    // current folder changes to the program folder.
    std::string named = CommandLineProject(env.commandLine);
    if (!named.empty() && QDir::isRelativePath(QString::fromStdString(named)))
        named = QDir::current().absoluteFilePath(QString::fromStdString(named)).toStdString();

    auto window = std::make_unique<frmMain>(state, messenger, printer, help);
    QDir::setCurrent(QString::fromStdString(env.programFolder));
    window->setProgramInfo(dataFolder, env.today);
    window->RefreshRecentFiles();
    window->ApplyHistorySetting();
    window->ApplyWindowSettings();
    window->ShowStartupNotices();

    window->FileNew(true, true);
    window->SetCaption();
    if (state.settings.MaxMainMenu == 1)
        window->showMaximized();
    else
        window->show();
    window->ApplyDisplayFont();

    if (state.settings.LoadLastInputFile == 1 && !state.recent.LastFileLong[0].empty())
        window->mnuFileArray_Click(1);

    if (named.empty()) {
        if (state.settings.ShowInputScreenOnStart == 1)
            window->mnuEditItem_Click(EditItem::Parameters);
    } else {
        state.project.PreviousPath = state.project.ProjectPath;
        state.project.ProjectPath = named;
        window->LoadProjFile();
    }
    return window;
}

} // namespace kora::gui
