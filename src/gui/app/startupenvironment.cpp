#include "app/startupenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QStandardPaths>

namespace kora::gui {

StartupEnvironment StartupEnvironment::fromSystem(const QStringList& arguments) {
    StartupEnvironment env;
    env.documentsFolder =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    env.programFolder =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'))
            .toStdString();
    env.today = QDate::currentDate();
    env.commandLine = arguments.mid(1).join(QLatin1Char(' ')).toStdString();
    for (const QString& family : QFontDatabase::families())
        env.availableFonts.push_back(family.toStdString());
    return env;
}

} // namespace kora::gui
