#include "utilities/helpmenu.h"

#include "app/dialogservice.h"
#include "base/messenger.h"
#include "settings/settings.h"
#include "utilities/frmdisclaimer.h"
#include "utilities/frmresource.h"
#include "utilities/frmupdate.h"
#include "utilities/helpsystem.h"
#include "utilities/programinfo.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace kora::gui {

namespace {

const QString kPdfHelpFile = QStringLiteral("KORA.PDF");

QDate todayOf(const HelpMenuContext& context) {
    return context.today.isValid() ? context.today : QDate::currentDate();
}

void openPdfHelp(HelpMenuContext& context) {
    const QString path = QDir(context.programFolder).filePath(kPdfHelpFile);
    if (!QFileInfo(path).isFile()) {
        context.dialogs.message(context.owner,
                                QStringLiteral("Help file (") + kPdfHelpFile +
                                    QStringLiteral(") not available"),
                                mb::OK, QString());
        return;
    }
    if (!context.dialogs.openUrl(QUrl::fromLocalFile(path)))
        context.dialogs.message(context.owner, QStringLiteral("Operation Failed"), mb::OK,
                                QString());
}

void showResources(HelpMenuContext& context) {
    frmResource window(context.documents, context.programFolder, context.dialogs,
                          context.owner);
    context.dialogs.execDialog(window);
}

bool showUpdateWindow(HelpMenuContext& context, Settings& settings, const QString* reminder) {
    frmUpdate window(context.programName, context.buildString, todayOf(context),
                        context.dialogs, context.owner);
    if (reminder) window.setUpdateText(*reminder);
    context.dialogs.execDialog(window);
    if (!window.disableReminder()) return false;
    settings.RemindAnnualUpdates = 0;
    return true;
}

} // namespace

bool ShowDisclaimer(HelpMenuContext& context, Settings& settings) {
    frmDisclaimer window(context.programName, context.owner);
    context.dialogs.execDialog(window);
    if (!window.doNotShowAgain()) return false;
    settings.ShowDisclaim = 0;
    return true;
}

bool RunUpdateReminder(HelpMenuContext& context, Settings& settings) {
    if (settings.RemindAnnualUpdates != 1 || !UpdateReminderDue(todayOf(context))) return false;
    const QString reminder = UpdateReminderText();
    return showUpdateWindow(context, settings, &reminder);
}

bool HelpMenuCommand(int index, HelpMenuContext& context, Settings& settings) {
    switch (index) {
    case 0: context.help.ShowHelpContents(); return false;
    case 1: context.help.ShowHelpIndex(); return false;
    case 2: openPdfHelp(context); return false;
    case 4: showResources(context); return false;
    case 6: return ShowDisclaimer(context, settings);
    case 8: return showUpdateWindow(context, settings, nullptr);
    case 10:
        context.dialogs.message(context.owner, AboutText(context.buildString), mb::Information,
                                AboutTitle());
        return false;
    default: return false;
    }
}

} // namespace kora::gui
