#include "core/model/settings.h"
#include "core/report/history.h"
#include "gui/common/guimessenger.h"
#include "gui/common/helphint.h"
#include "gui/utilities/frmdisclaimer.h"
#include "gui/utilities/frmhelp.h"
#include "gui/utilities/frmresource.h"
#include "gui/utilities/frmupdate.h"
#include "gui/utilities/helpmenu.h"
#include "gui/utilities/helpsystem.h"
#include "gui/utilities/programinfo.h"
#include "gui/utilities/windowcapture.h"
#include "scripteddialogservice.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

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
    const struct {
        int button;
        bool openSucceeds;
        const char* message; // or nullptr
        bool opened;
    } rows[] = {
        {0, true, "Resource file (KORA-Method.pdf) not available", false},
        {1, false, "Operation Failed", true},
        {1, true, nullptr, true},
        {3, true, "Resource file () not available", false}, // an empty row of the table
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button);
        dialogs.messages.clear();
        dialogs.openedUrls.clear();
        dialogs.openUrlResult = row.openSucceeds;
        frmResource window(docs, folder.path(), messenger);
        window.show();
        EXPECT_EQ(window.viewButton(row.button)->isVisible(), row.button < 3);
        if (row.button < 3)
            QTest::mouseClick(window.viewButton(row.button), Qt::LeftButton);
        else
            window.ViewDocument(row.button);
        EXPECT_EQ(dialogs.messageTexts(),
                  row.message ? QStringList{QString::fromLatin1(row.message)} : QStringList{});
        EXPECT_EQ(dialogs.openedUrls,
                  row.opened ? std::vector{QUrl::fromLocalFile(folder.filePath(docs[1].fileName))}
                             : std::vector<QUrl>{});
    }
    EXPECT_NE(history.text().find(". Message: Operation Failed\r\n"), std::string::npos);
}

TEST_F(UtilityWindows, TheDisclaimerAndTheUpdateReminderSwitchOffWhenTicked) {
    for (bool tick : {false, true}) {
        Settings s;
        closeNextWindow(tick);
        EXPECT_EQ(ShowDisclaimer(context, s), tick);
        EXPECT_EQ(s.ShowDisclaim, tick ? 0 : 1);
    }
    const struct {
        int reminder;
        int days;
        bool tick;
        bool shown;
    } rows[] = {{1, 360, false, false},
                {1, 361, false, true},
                {1, 361, true, true},
                {0, 4000, false, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.reminder << " " << row.days << " " << row.tick);
        dialogs.dialogsShown.clear();
        dialogs.dialogScripts.clear();
        context.today = ReleaseDate().addDays(row.days);
        closeNextWindow(row.tick);
        Settings s;
        s.RemindAnnualUpdates = std::int16_t(row.reminder);
        EXPECT_EQ(RunUpdateReminder(context, s), row.tick);
        EXPECT_EQ(dialogs.dialogsShown.size(), row.shown ? 1u : 0u);
        EXPECT_EQ(s.RemindAnnualUpdates, row.tick ? 0 : row.reminder);
    }
    // Program Updates shows the window whatever the date and can switch the reminder off too.
    dialogs.dialogScripts.clear();
    closeNextWindow(true);
    EXPECT_TRUE(HelpMenuCommand(HelpItem::ProgramUpdates, context, settings));
    EXPECT_EQ(settings.RemindAnnualUpdates, 0);
}

TEST_F(UtilityWindows, TheUpdateWindowOpensItsAddressAndReportsAFailure) {
    for (bool succeeds : {true, false}) {
        dialogs.messages.clear();
        dialogs.openedUrls.clear();
        dialogs.openUrlResult = succeeds;
        frmUpdate window(QStringLiteral("KORA"), QStringLiteral("5.0.01"), ReleaseDate(),
                         messenger);
        window.show();
        EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblInfo"))->text(),
                  UpdateInfoText(QStringLiteral("5.0.01")));
        QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("lblURL")), Qt::LeftButton);
        EXPECT_EQ(dialogs.openedUrls, std::vector{QUrl(UpdatePageAddress())});
        EXPECT_EQ(dialogs.messageTexts(),
                  succeeds ? QStringList{} : QStringList{QStringLiteral("Operation Failed")});
    }
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
    EXPECT_EQ(dialogs.messages[0].style, mb::Information);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("About the KORA Program"));
}

TEST_F(UtilityWindows, ThePdfManualIsReportedMissingOrFailingAndOpened) {
    const QString manual = folder.filePath(QStringLiteral("KORA.PDF"));
    EXPECT_FALSE(HelpMenuCommand(HelpItem::PdfManual, context, settings));
    touch(manual);
    HelpMenuCommand(HelpItem::PdfManual, context, settings);
    dialogs.openUrlResult = true;
    HelpMenuCommand(HelpItem::PdfManual, context, settings);
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList{QStringLiteral("Help file (KORA.PDF) not available"),
                           QStringLiteral("Operation Failed")}));
    EXPECT_EQ(dialogs.openedUrls, std::vector(2, QUrl::fromLocalFile(manual)));
    EXPECT_EQ(history.text(), "1. Message: Help file (KORA.PDF) not available\r\n"
                              "2. Message: Operation Failed\r\n");
}

TEST_F(UtilityWindows, TheHelpHintAndTheDialogImage) {
    ShowHelpHint(messenger);
    QDialog dialog;
    auto* button = new QPushButton(QStringLiteral("Copy dialog image to clipboard"), &dialog);
    dialog.resize(320, 200);
    dialog.show();
    QGuiApplication::clipboard()->clear();
    EXPECT_TRUE(CopyDialogImage(button, messenger)); // called from a control of the dialog
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), dialog.grab().size());
    EXPECT_FALSE(CopyDialogImage(nullptr, messenger));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].style, mb::Exclamation);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Help"));
    EXPECT_EQ(history.text(), "1. Help: Position the cursor on any item on the form and press F1 "
                              "for context-sensitive Help\r\n"
                              "2. Message: Screenshot of dialog copied to clipboard\r\n");
}

const QString kManualUpdate =
    QStringLiteral("You may manually update the program by downloading and installing the new "
                   "setup file.");

// The update reminder and the update window's advice change on the 361st day after the release
// (20 Aug 2013 + 361 days is 16 Aug 2014).
TEST(ProgramInfo, TheReminderIsDueAndTheAdviceChangesFromThe361stDay) {
    EXPECT_EQ(ReleaseDateText(), QStringLiteral("20-Aug-2013"));
    const QString young =
        QStringLiteral("Clicking on the URL below will connect you directly with the program "
                       "website. \n\n") +
        kManualUpdate;
    const QString old =
        QStringLiteral("This version was released over a year ago. Although major updates may "
                       "not be scheduled, interim updates may be released with bug fixes. Check "
                       "for an updated version by visiting the program web page below.  \n\n") +
        kManualUpdate;
    const struct {
        QDate date;
        bool due;
    } rows[] = {{ReleaseDate().addDays(-30), false},
                {ReleaseDate(), false},
                {QDate(2014, 8, 15), false},
                {QDate(2014, 8, 16), true},
                {ReleaseDate().addDays(3650), true}};
    for (const auto& row : rows) {
        EXPECT_EQ(UpdateReminderDue(row.date), row.due) << row.date.toString().toStdString();
        EXPECT_EQ(UpdateAdviceText(row.date), row.due ? old : young);
    }
}

TEST(ProgramInfo, TheAboutBoxTextEndsEveryLineWithCrLf) {
    EXPECT_EQ(AboutTitle(), QStringLiteral("About the KORA Program"));
    const QString text = AboutText(QStringLiteral("5.0.01"));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines.mid(0, 6), (QStringList{QStringLiteral("KORA"),
                                            {},
                                            QStringLiteral("Version: 5.0.01"),
                                            {},
                                            QStringLiteral("Revision Date: 20-Aug-2013"),
                                            {}}));
    // Two credits, each a heading line and an indented name line.
    for (int heading : {6, 8}) {
        EXPECT_FALSE(lines[heading].isEmpty() || lines[heading].startsWith(QLatin1Char(' ')));
        EXPECT_TRUE(lines[heading + 1].startsWith(QLatin1Char(' ')));
    }
    EXPECT_EQ(lines[10], QString());
    EXPECT_EQ(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n"))) << "bare LF";
}

} // namespace
} // namespace kora::gui
