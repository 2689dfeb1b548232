#include "gui/utilities/helpmenu.h"

#include "core/base/messenger.h"
#include "core/model/settings.h"
#include "gui/common/centerform.h"
#include "gui/common/dialogservice.h"
#include "gui/common/guimessenger.h"
#include "gui/utilities/frmdisclaimer.h"
#include "gui/utilities/frmresource.h"
#include "gui/utilities/frmupdate.h"
#include "gui/utilities/helpsystem.h"
#include "gui/utilities/programinfo.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace kora::gui {

namespace {

const std::string kPdfHelpFile = "KORA.PDF";

// The Help windows open in the middle of the screen, also at start-up, before the main window
// has its place.
int runCentred(HelpMenuContext& context, QDialog& window) {
    CenterForm(window);
    return context.messenger.dialogs().execDialog(window);
}

QDate todayOf(const HelpMenuContext& context) {
    return context.today.isValid() ? context.today : QDate::currentDate();
}

void openPdfHelp(HelpMenuContext& context) {
    const QString path = QDir(context.programFolder).filePath(QString::fromStdString(kPdfHelpFile));
    if (!QFileInfo(path).isFile()) {
        context.messenger.ShowMessage("Help file (" + kPdfHelpFile + ") not available");
        return;
    }
    if (!context.messenger.dialogs().openUrl(QUrl::fromLocalFile(path)))
        context.messenger.ShowMessage("Operation Failed");
}

void showResources(HelpMenuContext& context) {
    frmResource window(context.documents, context.programFolder, context.messenger, context.owner);
    runCentred(context, window);
}

// The start-up reminder and Help > "Program Updates..." show the same window and advice.
bool showUpdateWindow(HelpMenuContext& context, Settings& settings) {
    frmUpdate window(context.programName, context.buildString, todayOf(context), context.messenger,
                     context.owner);
    runCentred(context, window);
    if (!window.disableReminder()) return false;
    settings.RemindAnnualUpdates = 0;
    return true;
}

} // namespace

bool ShowDisclaimer(HelpMenuContext& context, Settings& settings) {
    frmDisclaimer window(context.programName, context.owner);
    runCentred(context, window);
    if (!window.doNotShowAgain()) return false;
    settings.ShowDisclaim = 0;
    return true;
}

bool RunUpdateReminder(HelpMenuContext& context, Settings& settings) {
    if (settings.RemindAnnualUpdates != 1 || !UpdateReminderDue(todayOf(context))) return false;
    return showUpdateWindow(context, settings);
}

bool HelpMenuCommand(HelpItem item, HelpMenuContext& context, Settings& settings) {
    switch (item) {
    case HelpItem::Contents:
        context.help.ShowHelpContents();
        return false;
    case HelpItem::Index:
        context.help.ShowHelpIndex();
        return false;
    case HelpItem::PdfManual:
        openPdfHelp(context);
        return false;
    case HelpItem::ResourceFiles:
        showResources(context);
        return false;
    case HelpItem::Disclaimer:
        return ShowDisclaimer(context, settings);
    case HelpItem::ProgramUpdates:
        return showUpdateWindow(context, settings);
    case HelpItem::About:
        context.messenger.ShowMessage(AboutText(context.buildString).toStdString(), mb::Information,
                                      AboutTitle().toStdString());
        return false;
    default:
        return false;
    }
}

} // namespace kora::gui
