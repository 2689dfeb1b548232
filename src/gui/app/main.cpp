#include "app/runkora.h"
#include "app/startupenvironment.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return kora::gui::RunKora(
        app, kora::gui::StartupEnvironment::fromSystem(QCoreApplication::arguments()));
}
