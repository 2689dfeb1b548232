#include "core/model/settings.h"
#include "core/report/history.h"
#include "gui/common/guimessenger.h"
#include "gui/utilities/frmdisclaimer.h"
#include "gui/utilities/frmhelp.h"
#include "gui/utilities/frmresource.h"
#include "gui/utilities/helpmenu.h"
#include "gui/utilities/helpsystem.h"
#include "gui/utilities/programinfo.h"
#include "guitest.h"

namespace kora::gui {
namespace {

using test::ScriptedDialogService;

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\n");
}

// The Help menu and the utility windows over a recording dialog service, with the history on.
class UtilityWindows : public ::testing::Test {
protected:
    ScriptedDialogService dialogs;
    History history{true, 4096};
    GuiMessenger messenger{history, dialogs};
    HelpSystem help{&dialogs};
    QTemporaryDir folder;
    HelpMenuContext context{messenger, help, nullptr, folder.path(), QStringLiteral("5.0.01")};
    Settings settings;

    // The next modal window ticks its "do not show again" box or not and is closed.
    void closeNextWindow(bool tick) {
        dialogs.dialogScripts.push_back([tick](QDialog& d) {
            d.findChild<QCheckBox*>(QStringLiteral("chkShow"))->setChecked(tick);
            return int(QDialog::Accepted);
        });
    }
};

TEST_F(UtilityWindows, ResourceFilesOpenPresentDocumentsAndReportMissingOnes) {
    const ReferenceDocumentTable docs = DefaultReferenceDocuments();
    touch(folder.filePath(docs[1].fileName));
    const std::vector<QUrl> present{QUrl::fromLocalFile(folder.filePath(docs[1].fileName))};
    const std::tuple<int, bool, QStringList, std::vector<QUrl>> rows[] = {
        {0, true, {"Resource file (KORA-Method.pdf) not available"}, {}},
        {1, false, {"Operation Failed"}, present},
        {1, true, {}, present},
        {3, true, {"Resource file () not available"}, {}}, // an empty row of the table
    };
    for (const auto& [button, openSucceeds, messages, opened] : rows) {
        SCOPED_TRACE(button);
        dialogs = ScriptedDialogService{};
        dialogs.openUrlResult = openSucceeds;
        frmResource window(docs, folder.path(), messenger);
        window.show();
        EXPECT_EQ(window.viewButton(button)->isVisible(), button < 3);
        button < 3 ? QTest::mouseClick(window.viewButton(button), Qt::LeftButton)
                   : window.ViewDocument(button);
        EXPECT_EQ(dialogs.messageTexts(), messages);
        EXPECT_EQ(dialogs.openedUrls, opened);
    }
}

TEST_F(UtilityWindows, TheDisclaimerAndTheUpdateReminderSwitchOffWhenTicked) {
    const struct {
        int reminder, days;
        bool tick, shown;
    } rows[] = {{1, 360, false, false}, {1, 361, false, true}, {1, 361, true, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.reminder << " " << row.days << " " << row.tick);
        dialogs = ScriptedDialogService{};
        Settings s;
        closeNextWindow(row.tick);
        EXPECT_EQ(ShowDisclaimer(context, s), row.tick);
        EXPECT_EQ(s.ShowDisclaim, row.tick ? 0 : 1);
        context.today = ReleaseDate().addDays(row.days);
        closeNextWindow(row.tick);
        s.RemindAnnualUpdates = std::int16_t(row.reminder);
        EXPECT_EQ(RunUpdateReminder(context, s), row.tick && row.shown);
        EXPECT_EQ(dialogs.dialogsShown.size(), row.shown ? 2u : 1u);
        EXPECT_EQ(s.RemindAnnualUpdates, row.tick ? 0 : row.reminder);
    }
    // Program Updates shows the window whatever the date and can switch the reminder off too.
    dialogs.dialogScripts.clear();
    closeNextWindow(true);
    EXPECT_TRUE(HelpMenuCommand(HelpItem::ProgramUpdates, context, settings));
    EXPECT_EQ(settings.RemindAnnualUpdates, 0);
}

TEST_F(UtilityWindows, TheHelpMenuOpensEachItemsWindow) {
    const struct {
        HelpItem item;
        const char* dialog;   // run modally, or nullptr
        const char* helpPage; // shown in the help window, or nullptr
    } rows[] = {
        {HelpItem::Contents, nullptr, "contents.html"},
        {HelpItem::Index, nullptr, "keywords.html"},
        {HelpItem::ResourceFiles, "frmResource", nullptr},
        {HelpItem::Disclaimer, "frmDisclaimer", nullptr},
        {HelpItem::ProgramUpdates, "frmUpdate", nullptr},
        {HelpItem(3), nullptr, nullptr}, // a separator
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(int(row.item));
        dialogs.dialogsShown.clear();
        help.CloseHelp();
        EXPECT_FALSE(HelpMenuCommand(row.item, context, settings));
        EXPECT_EQ(dialogs.dialogsShown, row.dialog
                                            ? std::vector<QString>{QString::fromLatin1(row.dialog)}
                                            : std::vector<QString>{});
        EXPECT_EQ(help.window() ? help.window()->currentUrl().fileName() : QString(),
                  QString::fromLatin1(row.helpPage));
    }
    EXPECT_TRUE(dialogs.messages.empty());

    HelpMenuCommand(HelpItem::About, context, settings);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, AboutText(QStringLiteral("5.0.01")));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("About the KORA Program"));
}

TEST_F(UtilityWindows, ThePdfManualIsReportedMissingOrFailingAndOpened) {
    const QString manual = folder.filePath(QStringLiteral("KORA.PDF"));
    EXPECT_FALSE(HelpMenuCommand(HelpItem::PdfManual, context, settings));
    touch(manual);
    HelpMenuCommand(HelpItem::PdfManual, context, settings);
    dialogs.openUrlResult = true;
    HelpMenuCommand(HelpItem::PdfManual, context, settings);
    EXPECT_EQ(dialogs.openedUrls, std::vector(2, QUrl::fromLocalFile(manual)));
    EXPECT_EQ(history.text(), "1. Message: Help file (KORA.PDF) not available\r\n"
                              "2. Message: Operation Failed\r\n");
}

// The update reminder and the update window's advice change on the 361st day after the release
// (20 Aug 2013 + 361 days is 16 Aug 2014).
TEST(ProgramInfo, TheReminderIsDueAndTheAdviceChangesFromThe361stDay) {
    EXPECT_EQ(ReleaseDateText(), QStringLiteral("20-Aug-2013"));
    const std::pair<QDate, bool> rows[] = {{ReleaseDate(), false},
                                           {QDate(2014, 8, 15), false},
                                           {QDate(2014, 8, 16), true},
                                           {ReleaseDate().addDays(3650), true}};
    const QString manual = QStringLiteral(
        "You may manually update the program by downloading and installing the new setup file.");
    const QString young = "Clicking on the URL below will connect you directly with the program "
                          "website. \n\n" +
                          manual;
    const QString old = "This version was released over a year ago. Although major updates may "
                        "not be scheduled, interim updates may be released with bug fixes. Check "
                        "for an updated version by visiting the program web page below.  \n\n" +
                        manual;
    for (const auto& [date, due] : rows) {
        EXPECT_EQ(UpdateReminderDue(date), due) << date.toString().toStdString();
        EXPECT_EQ(UpdateAdviceText(date), due ? old : young);
    }
    // Every line of the About box ends with CR LF.
    const QString about = AboutText(QStringLiteral("5.0.01"));
    EXPECT_TRUE(
        about.startsWith("KORA\r\n\r\nVersion: 5.0.01\r\n\r\nRevision Date: 20-Aug-2013\r\n"));
    EXPECT_EQ(about.count('\n'), 10);
    EXPECT_EQ(about.count(QStringLiteral("\r\n")), 10);
}

} // namespace
} // namespace kora::gui
