#include "gui/app/runkora.h"

#include "core/base/textfilewriter.h"
#include "gui/app/appstate.h"
#include "gui/app/frmmain.h"
#include "gui/app/startup.h"
#include "gui/app/startupenvironment.h"
#include "gui/common/guimessenger.h"
#include "gui/common/qtdialogservice.h"
#include "gui/report/reportprinter.h"
#include "gui/utilities/helpkeyfilter.h"
#include "gui/utilities/helpsystem.h"

#include <QApplication>
#include <QIcon>

#include <clocale>

namespace kora::gui {

int RunKora(QApplication& app, const StartupEnvironment& env, QObject* observer) {
    QApplication::setApplicationName(QStringLiteral("KORA"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kora.svg")));
    // Numbers are read and written with "." whatever the user's locale; only this process is
    // affected, the user's own settings stay as they are.
    std::setlocale(LC_NUMERIC, "C");
    // A file-size limit makes a save fail with "Disk full" instead of ending the program.
    IgnoreFileSizeSignal();

    AppState state;
    QtDialogService dialogs;
    GuiMessenger messenger(state.history, dialogs);
    ReportPrinter printer(dialogs);
    HelpSystem help(&dialogs);
    // F1 on any control opens the help topic of its help context.
    app.installEventFilter(new HelpKeyFilter(help, &app));
    if (observer != nullptr) app.installEventFilter(observer);
    const std::unique_ptr<frmMain> window = StartKora(state, messenger, printer, help, env);
    return QApplication::exec();
}

} // namespace kora::gui
