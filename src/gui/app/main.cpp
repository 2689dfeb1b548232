#include "app/appstate.h"
#include "app/guimessenger.h"
#include "app/mainwindow.h"
#include "app/qtdialogservice.h"
#include "app/startup.h"
#include "app/startupenvironment.h"
#include "report/reportprinter.h"
#include "utilities/helpkeyfilter.h"
#include "utilities/helpsystem.h"

#include <QApplication>
#include <QIcon>

#include <clocale>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KORA"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kora.svg")));
    // Numbers are read and written with "." whatever the user's locale; only this process is
    // affected, the user's own settings stay as they are.
    std::setlocale(LC_NUMERIC, "C");

    kora::gui::AppState state;
    kora::gui::QtDialogService dialogs;
    kora::gui::GuiMessenger messenger(state.history, dialogs);
    kora::gui::ReportPrinter printer(dialogs);
    kora::gui::HelpSystem help(&dialogs);
    // F1 on any control opens the help topic of its help context.
    app.installEventFilter(new kora::gui::HelpKeyFilter(help, &app));
    const auto env = kora::gui::StartupEnvironment::fromSystem(QCoreApplication::arguments());
    const std::unique_ptr<kora::gui::MainWindow> window =
        kora::gui::StartKora(state, messenger, printer, help, env);
    return QApplication::exec();
}
