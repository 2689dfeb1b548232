#include "gui/app/runkora.h"
#include "gui/app/startupenvironment.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return kora::gui::RunKora(
        app, kora::gui::StartupEnvironment::fromSystem(QCoreApplication::arguments()));
}
