// kora's start-up exactly as its main() runs it (the same RunKora), timed to the first paint of the
// main window.
// "--prepare" writes a settings file without the start-up windows that wait for the user
// (disclaimer, update reminder, parameters dialog), so the timed runs need no one at the keys.
// "--chart" starts on the standard example instead and, once the main window has painted, times
// the graph command "SF vs Depth of Cover" from the click to the first paint of the chart: the
// sweep, loading the chart module with Qt Charts (the run's first chart), the drawing.
#include "firstpaint.h"

#include "gui/app/runkora.h"
#include "gui/app/startupenvironment.h"

#include "core/settings/settingsfile.h"
#include "core/settings/userfolders.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
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
    settings.ShowInputScreenOnLoad = 0;
    QuietMessenger messenger;
    const std::string ini = folders.UserDataFolder + kora::SettingsFileName;
    return kora::EnsureSettingsFile(ini, settings, kora::RecentFiles{}, messenger) &&
                   kora::SaveSettings(settings, kora::RecentFiles{}, ini, kora::settingsPart::All,
                                      messenger)
               ? 0
               : 1;
}

// Clicks the graph command after the main window's first paint and prints the time to the
// chart window's first paint.
class ChartProbe : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::Paint || widget == nullptr) return false;
        const QString window = widget->window()->objectName();
        if (window == QStringLiteral("frmMain") && !m_clicked) {
            m_clicked = true;
            QWidget* main = widget->window();
            QTimer::singleShot(0, main, [this, main] {
                m_start = FirstPaint::nowNs();
                main->findChild<QAction*>(QStringLiteral("mnuCalcGrafItem_1"))->trigger();
            });
        } else if (window == QStringLiteral("frmGraph") && m_start != 0) {
            std::printf("%.1f\n", static_cast<double>(FirstPaint::nowNs() - m_start) / 1e6);
            std::fflush(stdout);
            m_start = 0;
            QTimer::singleShot(0, qApp, [] { QApplication::exit(0); });
        }
        return false;
    }

private:
    bool m_clicked = false;
    long long m_start = 0;
};

} // namespace

int main(int argc, char** argv) {
    const bool preparing = argc > 1 && std::strcmp(argv[1], "--prepare") == 0;
    const long long launch = argc > 1 && !preparing ? std::atoll(argv[1]) : FirstPaint::nowNs();
    QApplication app(argc, argv);
    if (preparing) return prepare({});
    if (argc > 1 && std::strcmp(argv[1], "--chart") == 0) {
        ChartProbe probe;
        auto env = kora::gui::StartupEnvironment::fromSystem({QStringLiteral("kora")});
        env.commandLine = env.programFolder + "Example_3Entry_Standard.KOR";
        return kora::gui::RunKora(app, env, &probe);
    }
    // The launch time is no project: start-up sees an empty command line.
    FirstPaint probe(launch);
    return kora::gui::RunKora(
        app, kora::gui::StartupEnvironment::fromSystem({QStringLiteral("kora")}), &probe);
}
