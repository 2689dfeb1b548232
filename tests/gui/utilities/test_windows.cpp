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
#include "gui/utilities/linklabel.h"
#include "gui/utilities/programinfo.h"
#include "gui/utilities/windowcapture.h"
#include "scripteddialogservice.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace kora::gui {
namespace {

using test::ScriptedDialogService;

// The messenger of the main window over a recording dialog service, with the history log on.
struct Recorder {
    ScriptedDialogService dialogs;
    History history{true, 4096};
    GuiMessenger messenger{history, dialogs};
};

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\n");
}

template <typename T> T* child(const QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// --- Resource Files -----------------------------------------------------------------------

TEST(frmResource, ShowsTheThreeDocumentsAndNoEmptyRows) {
    Recorder r;
    frmResource window(DefaultReferenceDocuments(), QStringLiteral("/nowhere"), r.messenger);
    EXPECT_EQ(window.objectName(), QStringLiteral("frmResource"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Resource Files"));
    const ReferenceDocumentTable docs = DefaultReferenceDocuments();
    for (int i = 0; i < 7; ++i) {
        QPushButton* button = window.findChild<QPushButton*>(QStringLiteral("cmdView_%1").arg(i));
        ASSERT_NE(button, nullptr) << i;
        EXPECT_EQ(button->text(), docs[std::size_t(i)].title) << i;
        EXPECT_EQ(button->isVisibleTo(&window), i < 3) << i;
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(docs[std::size_t(i)].title.isEmpty());
        EXPECT_TRUE(docs[std::size_t(i)].fileName.endsWith(QStringLiteral(".pdf")));
    }
}

TEST(frmResource, MissingDocumentFailedOpenAndSuccessfulOpen) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const ReferenceDocumentTable docs = DefaultReferenceDocuments();
    const QString present = folder.filePath(docs[1].fileName);
    touch(present);

    const struct {
        int button;
        bool openSucceeds;
        QStringList messages;
        bool opened;
    } cases[] = {
        {0, true, {QStringLiteral("Resource file (KORA-Method.pdf) not available")}, false},
        {1, false, {QStringLiteral("Operation Failed")}, true},
        {1, true, {}, true},
        {3, true, {QStringLiteral("Resource file () not available")}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        Recorder r;
        ScriptedDialogService& dialogs = r.dialogs;
        dialogs.openUrlResult = c.openSucceeds;
        frmResource window(docs, folder.path(), r.messenger);
        window.show();
        if (window.viewButton(c.button)->isVisible())
            QTest::mouseClick(window.viewButton(c.button), Qt::LeftButton);
        else
            window.ViewDocument(c.button);
        EXPECT_EQ(dialogs.messageTexts(), c.messages);
        std::string logged;
        for (qsizetype i = 0; i < c.messages.size(); ++i)
            logged += std::to_string(i + 1) + ". Message: " + c.messages[i].toStdString() + "\r\n";
        EXPECT_EQ(r.history.text(), logged);
        if (c.opened) {
            ASSERT_EQ(dialogs.openedUrls.size(), 1u);
            EXPECT_EQ(dialogs.openedUrls[0], QUrl::fromLocalFile(present));
        } else {
            EXPECT_TRUE(dialogs.openedUrls.empty());
        }
    }
}

// --- Disclaimer ---------------------------------------------------------------------------

TEST(frmDisclaimer, CaptionHeadingAndBox) {
    frmDisclaimer window(QStringLiteral("KORA"));
    EXPECT_EQ(window.objectName(), QStringLiteral("frmDisclaimer"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Disclaimer for KORA"));
    QLabel* text = child<QLabel>(window, "lblDisclaimer");
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->text().contains(QStringLiteral("Disclaimer of Liability Clause")));
    QCheckBox* show = child<QCheckBox>(window, "chkShow");
    ASSERT_NE(show, nullptr);
    EXPECT_EQ(show->text(), QStringLiteral("Do not show this disclaimer again"));
    EXPECT_FALSE(window.doNotShowAgain());
    show->setChecked(true);
    EXPECT_TRUE(window.doNotShowAgain());
}

TEST(ShowDisclaimer, TheTickedBoxSwitchesTheDisclaimerOff) {
    for (bool tick : {false, true}) {
        SCOPED_TRACE(tick);
        Recorder r;
        ScriptedDialogService& dialogs = r.dialogs;
        HelpSystem help;
        HelpMenuContext context{r.messenger, help};
        dialogs.dialogScripts.push_back([tick](QDialog& d) {
            if (tick) d.findChild<QCheckBox*>(QStringLiteral("chkShow"))->setChecked(true);
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("Command1")),
                              Qt::LeftButton);
            return d.result();
        });
        Settings settings;
        ASSERT_EQ(settings.ShowDisclaim, 1);
        EXPECT_EQ(ShowDisclaimer(context, settings), tick);
        EXPECT_EQ(settings.ShowDisclaim, tick ? 0 : 1);
        EXPECT_EQ(dialogs.dialogsShown, std::vector<QString>{QStringLiteral("frmDisclaimer")});
    }
}

// --- Program Update -----------------------------------------------------------------------

TEST(frmUpdate, CaptionVersionAndAdviceByDate) {
    Recorder r;
    for (int days : {360, 361}) {
        SCOPED_TRACE(days);
        const QDate today = ReleaseDate().addDays(days);
        frmUpdate window(QStringLiteral("KORA"), QStringLiteral("5.0.01"), today, r.messenger);
        EXPECT_EQ(window.objectName(), QStringLiteral("frmUpdate"));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Program Update for KORA"));
        EXPECT_EQ(child<QLabel>(window, "lblInfo")->text(),
                  QStringLiteral("Current Program Version: 5.0.01\n"
                                 "Current Revision Date: 20-Aug-2013"));
        const QString advice = child<QLabel>(window, "lblUpdate")->text();
        EXPECT_EQ(advice, UpdateAdviceText(today));
        EXPECT_EQ(advice.startsWith(QStringLiteral("This version was released over a year ago. ")),
                  days == 361);
        EXPECT_EQ(child<QLabel>(window, "lblURL")->text(), UpdatePageAddress());
        EXPECT_EQ(child<QCheckBox>(window, "chkShow")->text(),
                  QStringLiteral("Disable reminder for annual program updates"));
    }
}

TEST(frmUpdate, ClickingTheAddressOpensItAndAFailureIsReported) {
    for (bool succeeds : {true, false}) {
        SCOPED_TRACE(succeeds);
        Recorder r;
        ScriptedDialogService& dialogs = r.dialogs;
        dialogs.openUrlResult = succeeds;
        frmUpdate window(QStringLiteral("KORA"), QStringLiteral("5.0.01"), ReleaseDate(),
                         r.messenger);
        window.show();
        QTest::mouseClick(child<QLabel>(window, "lblURL"), Qt::LeftButton);
        ASSERT_EQ(dialogs.openedUrls.size(), 1u);
        EXPECT_EQ(dialogs.openedUrls[0], QUrl(UpdatePageAddress()));
        EXPECT_EQ(dialogs.messageTexts(),
                  succeeds ? QStringList{} : QStringList{QStringLiteral("Operation Failed")});
        EXPECT_EQ(r.history.text(), succeeds ? "" : "1. Message: Operation Failed\r\n");
    }
}

TEST(LinkLabel, HighlightsWhileThePointerIsOverItOnly) {
    LinkLabel label(QStringLiteral("https://kora.example.org/"));
    label.show();
    int clicks = 0;
    QObject::connect(&label, &LinkLabel::clicked, [&] { ++clicks; });
    const QColor normal = label.palette().color(QPalette::WindowText);
    EXPECT_FALSE(label.isHighlighted());
    EXPECT_FALSE(label.font().underline());

    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&label, &enter);
    EXPECT_TRUE(label.isHighlighted());
    EXPECT_TRUE(label.font().underline());
    EXPECT_NE(label.palette().color(QPalette::WindowText), normal);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    EXPECT_FALSE(label.isHighlighted());
    EXPECT_FALSE(label.font().underline());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), normal);

    // A press that is released outside the label is no click.
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(label.isHighlighted());
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST(RunUpdateReminder, ShowsTheReminderOnlyWhenSwitchedOnAndDue) {
    const struct {
        int reminder;
        int days;
        bool tick;
        bool shown;
        bool changed;
    } cases[] = {
        {1, 360, false, false, false}, {1, 361, false, true, false},   {1, 361, true, true, true},
        {0, 361, false, false, false}, {0, 4000, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.reminder << " " << c.days << " " << c.tick);
        Recorder r;
        ScriptedDialogService& dialogs = r.dialogs;
        HelpSystem help;
        HelpMenuContext context{r.messenger, help};
        context.today = ReleaseDate().addDays(c.days);
        QString shownText;
        dialogs.dialogScripts.push_back([&](QDialog& d) {
            shownText = d.findChild<QLabel*>(QStringLiteral("lblUpdate"))->text();
            d.findChild<QCheckBox*>(QStringLiteral("chkShow"))->setChecked(c.tick);
            return int(QDialog::Accepted);
        });
        Settings settings;
        settings.RemindAnnualUpdates = std::int16_t(c.reminder);
        EXPECT_EQ(RunUpdateReminder(context, settings), c.changed);
        EXPECT_EQ(dialogs.dialogsShown.size(), c.shown ? 1u : 0u);
        if (c.shown) {
            EXPECT_EQ(shownText,
                      QStringLiteral("This version was released over a year ago. Although major "
                                     "updates may not be scheduled, interim updates may be "
                                     "released with bug fixes. Check for an updated version by "
                                     "visiting the program web page below.  \n\nYou may "
                                     "manually update the program by downloading and installing "
                                     "the new setup file."));
        }
        EXPECT_EQ(settings.RemindAnnualUpdates, c.changed ? 0 : c.reminder);
    }
}

TEST(RunUpdateReminder, WithoutAGivenDateTheCalendarDecides) {
    Recorder r;
    ScriptedDialogService& dialogs = r.dialogs;
    HelpSystem help;
    HelpMenuContext context{r.messenger, help};
    Settings settings;
    // Today is years past the release of 20 August 2013, so the reminder is due.
    ASSERT_GT(QDate(2013, 8, 20).daysTo(QDate::currentDate()), 361);
    RunUpdateReminder(context, settings);
    EXPECT_EQ(dialogs.dialogsShown, std::vector<QString>{QStringLiteral("frmUpdate")});
}

// --- Help menu ----------------------------------------------------------------------------

class HelpMenuTest : public ::testing::Test {
protected:
    ScriptedDialogService dialogs;
    History history{true, 4096};
    GuiMessenger messenger{history, dialogs};
    HelpSystem help{&dialogs};
    QTemporaryDir folder;
    HelpMenuContext context{messenger, help, nullptr, folder.path(), QStringLiteral("5.0.01")};
    Settings settings;
};

TEST_F(HelpMenuTest, PdfManualMissingFailingAndOpened) {
    EXPECT_FALSE(HelpMenuCommand(HelpItem::PdfManual, context, settings));
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{QStringLiteral("Help file (KORA.PDF) not available")});
    EXPECT_TRUE(dialogs.openedUrls.empty());

    touch(folder.filePath(QStringLiteral("KORA.PDF")));
    dialogs.messages.clear();
    HelpMenuCommand(HelpItem::PdfManual, context, settings);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Operation Failed")});
    ASSERT_EQ(dialogs.openedUrls.size(), 1u);
    EXPECT_EQ(dialogs.openedUrls[0],
              QUrl::fromLocalFile(folder.filePath(QStringLiteral("KORA.PDF"))));

    dialogs.messages.clear();
    dialogs.openUrlResult = true;
    HelpMenuCommand(HelpItem::PdfManual, context, settings);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.openedUrls.size(), 2u);
    EXPECT_EQ(history.text(), "1. Message: Help file (KORA.PDF) not available\r\n"
                              "2. Message: Operation Failed\r\n");
}

TEST_F(HelpMenuTest, AboutBoxIsAnInformationMessage) {
    HelpMenuCommand(HelpItem::About, context, settings);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, AboutText(QStringLiteral("5.0.01")));
    EXPECT_EQ(dialogs.messages[0].style, mb::Information);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("About the KORA Program"));
    EXPECT_EQ(history.text(), "1. About the KORA Program: " +
                                  AboutText(QStringLiteral("5.0.01")).toStdString() + "\r\n");
}

TEST_F(HelpMenuTest, EachItemOpensItsWindowAndSeparatorsDoNothing) {
    const struct {
        int index;
        const char* dialog;   // run modally, or nullptr
        const char* helpPage; // shown in the help window, or nullptr
    } cases[] = {
        {0, nullptr, "contents.html"}, {1, nullptr, "keywords.html"}, {3, nullptr, nullptr},
        {4, "frmResource", nullptr},   {5, nullptr, nullptr},         {6, "frmDisclaimer", nullptr},
        {7, nullptr, nullptr},         {8, "frmUpdate", nullptr},     {9, nullptr, nullptr},
        {11, nullptr, nullptr},        {-1, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        dialogs.dialogsShown.clear();
        help.CloseHelp();
        EXPECT_FALSE(HelpMenuCommand(HelpItem(c.index), context, settings));
        EXPECT_EQ(dialogs.dialogsShown, c.dialog
                                            ? std::vector<QString>{QString::fromLatin1(c.dialog)}
                                            : std::vector<QString>{});
        if (c.helpPage) {
            ASSERT_NE(help.window(), nullptr);
            EXPECT_EQ(help.window()->currentUrl().fileName(), QLatin1String(c.helpPage));
        } else {
            EXPECT_EQ(help.window(), nullptr);
        }
        EXPECT_TRUE(dialogs.messages.empty());
    }
    EXPECT_EQ(settings.ShowDisclaim, 1);
    EXPECT_EQ(settings.RemindAnnualUpdates, 1);
}

TEST_F(HelpMenuTest, ProgramUpdatesShowsTheAdviceOfTheDayAndCanSwitchTheReminderOff) {
    context.today = ReleaseDate().addDays(365);
    dialogs.dialogScripts.push_back([](QDialog& d) {
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("lblUpdate"))->text(),
                  UpdateAdviceText(ReleaseDate().addDays(365)));
        d.findChild<QCheckBox*>(QStringLiteral("chkShow"))->setChecked(true);
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(HelpMenuCommand(HelpItem::ProgramUpdates, context, settings));
    EXPECT_EQ(settings.RemindAnnualUpdates, 0);
}

TEST(ShowHelpHint, RemindsOfFOneAndLogsIt) {
    Recorder r;
    ScriptedDialogService& dialogs = r.dialogs;
    History& history = r.history;
    ShowHelpHint(r.messenger);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Position the cursor on any item on the form and press F1 for "
                             "context-sensitive Help"));
    EXPECT_EQ(dialogs.messages[0].style, mb::Exclamation);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Help"));
    EXPECT_EQ(history.text(), "1. Help: Position the cursor on any item on the form and press F1 "
                              "for context-sensitive Help\r\n");
}

// --- Window capture -----------------------------------------------------------------------

TEST(CopyDialogImage, PutsThePictureOfTheDialogOnTheClipboardAndSaysSo) {
    Recorder r;
    ScriptedDialogService& dialogs = r.dialogs;
    QDialog dialog;
    auto* button = new QPushButton(QStringLiteral("Copy dialog image to clipboard"), &dialog);
    dialog.resize(320, 200);
    dialog.show();
    QGuiApplication::clipboard()->clear();

    // Called from a control of the dialog, as the dialog's button does.
    EXPECT_TRUE(CopyDialogImage(button, r.messenger));
    const QImage image = QGuiApplication::clipboard()->image();
    EXPECT_EQ(image.size(), dialog.grab().size());
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{QStringLiteral("Screenshot of dialog copied to clipboard")});

    dialogs.messages.clear();
    EXPECT_FALSE(CopyDialogImage(nullptr, r.messenger));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(r.history.text(), "1. Message: Screenshot of dialog copied to clipboard\r\n");
}

} // namespace
} // namespace kora::gui
