#include "gui/app/startupenvironment.h"

#include "core/settings/examplefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QStandardPaths>

namespace kora::gui {

StartupEnvironment StartupEnvironment::fromSystem(const QStringList& arguments) {
    StartupEnvironment env;
    // The user's documents folder; without one (a fresh account has no ~/Documents) the desktop
    // folder, else the home folder, rather than the program's folder, which is rarely writable.
    for (auto location : {QStandardPaths::DocumentsLocation, QStandardPaths::DesktopLocation,
                          QStandardPaths::HomeLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty() && QDir(folder).exists()) {
            env.documentsFolder = folder.toStdString();
            break;
        }
    }
    env.programFolder =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'))
            .toStdString();
    env.dataFolder = ProgramDataFolder(env.programFolder, KORA_INSTALLED_DATA_FOLDER);
    env.today = QDate::currentDate();
    env.commandLine = arguments.mid(1).join(QLatin1Char(' ')).toStdString();
    for (const QString& family : QFontDatabase::families())
        env.availableFonts.push_back(family.toStdString());
    return env;
}

} // namespace kora::gui
