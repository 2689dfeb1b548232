// kora's start-up exactly as its main() runs it (the same RunKora), timed to the first paint of the
// main window.
// "--prepare" writes a settings file without the start-up windows that wait for the user
// (disclaimer, update reminder, parameters dialog), so the timed runs need no one at the keys.
#include "firstpaint.h"

#include "gui/app/runkora.h"
#include "gui/app/startupenvironment.h"

#include "core/settings/settingsfile.h"
#include "core/settings/userfolders.h"

#include <QApplication>

#include <cstring>
#include <iostream>

namespace {

class QuietMessenger : public kora::Messenger {
public:
    void AddHistory(const std::string&) override {}

protected:
    int showBox(const std::string& text, int, const std::string&) override {
        std::cerr << text << '\n';
        return kora::mb::AnswerOK;
    }
};

int prepare(const QStringList& arguments) {
    const auto env = kora::gui::StartupEnvironment::fromSystem(arguments);
    const kora::UserFolders folders = kora::InitUserFolders(env.documentsFolder, env.programFolder);
    kora::Settings settings;
    settings.DataPath = folders.UserDataFolder;
    settings.ShowDisclaim = 0;
    settings.RemindAnnualUpdates = 0;
    settings.ShowInputScreenOnStart = 0;
    QuietMessenger messenger;
    const std::string ini = folders.UserDataFolder + kora::SettingsFileName;
    return kora::EnsureSettingsFile(ini, settings, kora::RecentFiles{}, messenger) &&
                   kora::SaveSettings(settings, kora::RecentFiles{}, ini, kora::settingsPart::All,
                                      messenger)
               ? 0
               : 1;
}

} // namespace

int main(int argc, char** argv) {
    const bool preparing = argc > 1 && std::strcmp(argv[1], "--prepare") == 0;
    const long long launch = argc > 1 && !preparing ? std::atoll(argv[1]) : FirstPaint::nowNs();
    QApplication app(argc, argv);
    if (preparing) return prepare({});
    // The launch time is no project: start-up sees an empty command line.
    FirstPaint probe(launch);
    return kora::gui::RunKora(
        app, kora::gui::StartupEnvironment::fromSystem({QStringLiteral("kora")}), &probe);
}
