#pragma once

#include "guitest.h"
#include "recordingpagesink.h"

#include "gui/app/appstate.h"
#include "gui/app/frmmain.h"
#include "gui/app/startup.h"
#include "gui/app/startupenvironment.h"
#include "gui/common/guimessenger.h"
#include "gui/report/reportprinter.h"
#include "gui/utilities/helpsystem.h"

#include "core/project/projectfile.h"
#include "core/settings/inifile.h"
#include "core/settings/settingsfile.h"
#include "scriptedmessenger.h"
#include "tempfolder.h"

#include <deque>
#include <fstream>

namespace kora::gui::test {

using kora::test::BodyLines;
using kora::test::RecordingPageSink;
using kora::test::ScriptedMessenger;

// One desktop program in a temporary folder: a documents folder, a program folder holding the
// example projects, the program's state, scripted dialogs and a recording printer. Nothing it
// does touches the real home folder or waits on a modal window.
class GuiHarness {
public:
    GuiHarness() {
        documents = (root.path() + "/Documents").toStdString();
        program = (root.path() + "/program/").toStdString();
        QDir().mkpath(QString::fromStdString(documents));
        QDir().mkpath(QString::fromStdString(program));
        const QDir examples(QStringLiteral(KORA_EXAMPLES_DIR));
        for (const QString& name : examples.entryList({QStringLiteral("*.KOR")}, QDir::Files))
            QFile::copy(examples.filePath(name), QString::fromStdString(program) + name);
        printer.setSinkFactory([this](QPrinter& target) {
            jobs.emplace_back();
            jobs.back().outputFile = target.outputFileName().toStdString();
            return std::make_unique<RecordingPageSink>(jobs.back());
        });
        printer.setPrinterList([this] { return printers; });
        printer.setPictureJob([this](QPrinter& target, const ReportPrinter::Painter&) {
            pictures.push_back(
                {target.docName().toStdString(), target.outputFileName().toStdString()});
            return true;
        });
    }

    // The user's data folder start-up makes.
    std::string dataFolder() const { return documents + "/MyTERVA/"; }
    std::string example(const std::string& name) const { return dataFolder() + name; }

    StartupEnvironment environment(const std::string& commandLine = {}) const {
        StartupEnvironment env;
        env.documentsFolder = documents;
        env.programFolder = program;
        env.today = today;
        env.commandLine = commandLine;
        env.availableFonts = {"Liberation Sans", "Courier New", "Liberation Mono"};
        return env;
    }

    // Writes one value into the settings file before start-up reads it (the file is made with
    // the defaults first when missing).
    void preset(const char* section, const char* key, const std::string& value) {
        QDir().mkpath(QString::fromStdString(dataFolder()));
        const std::string ini = dataFolder() + SettingsFileName;
        ScriptedMessenger quiet;
        Settings defaults;
        defaults.DataPath = dataFolder();
        EnsureSettingsFile(ini, defaults, RecentFiles{}, quiet);
        WriteIniValue(section, key, value, ini);
    }

    frmMain& start(const std::string& commandLine = {}) {
        window = StartKora(state, messenger, printer, help, environment(commandLine));
        return *window;
    }

    // Starts with the history log on and without the input screens at start or after a project
    // is opened, as the command tests want.
    frmMain& startQuiet() {
        preset("Settings", "DisplayHistoryWin", "1");
        preset("KORAOptions", "ShowInputScreenOnLoad", "0");
        preset("KORAOptions", "ShowInputScreenOnStart", "0");
        return start();
    }

    // File > Open with the file dialog answering `path`.
    void openProject(const std::string& path) {
        dialogs.fileAnswers.push_back(QString::fromStdString(path));
        trigger("mnuFileItem_1");
    }
    bool historyHas(const std::string& text) const {
        return state.history.text().find(text) != std::string::npos;
    }

    // A second run of the program on the same folders: the window goes, the state starts afresh.
    frmMain& restart(const std::string& commandLine = {}) {
        window.reset();
        state = AppState{};
        dialogs = ScriptedDialogService{};
        return start(commandLine);
    }

    // Clicks a menu or toolbar item by its control name.
    void trigger(const char* name) {
        QAction* a = window->action(QString::fromLatin1(name));
        if (a == nullptr) throw std::runtime_error(std::string("no action ") + name);
        a->trigger();
    }

    static std::string readFile(const std::string& path) { return kora::test::ReadBytes(path); }

    QTemporaryDir root;
    std::string documents;
    std::string program;
    QDate today{2013, 9, 1};

    AppState state;
    ScriptedDialogService dialogs;
    GuiMessenger messenger{state.history, dialogs};
    ReportPrinter printer{dialogs};
    ReportPrinter::Printers printers{{QStringLiteral("Office")}, QStringLiteral("Office")};
    HelpSystem help{&dialogs};
    std::deque<RecordingPageSink::Job> jobs; // stable references for the sinks
    struct Picture {
        std::string document;
        std::string outputFile; // the printer's output file when the job started
    };
    std::vector<Picture> pictures;
    std::unique_ptr<frmMain> window;
};

} // namespace kora::gui::test
