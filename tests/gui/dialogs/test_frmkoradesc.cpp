#include "gui/dialogs/frmkoradesc.h"

#include "core/model/projectrecord.h"
#include "core/model/reportbuffer.h"
#include "core/model/settings.h"
#include "core/model/unitsystems.h"
#include "core/project/projectfile.h"
#include "scriptedmessenger.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace kora::gui {
namespace {

class DescriptionDialogTest : public ::testing::Test {
protected:
    ProjectRecord project;
    ReportBuffer report;
    Settings settings;
    test::ScriptedMessenger messenger;
    int captions = 0;

    std::unique_ptr<frmKORADesc> open() {
        DescriptionHooks hooks;
        hooks.setCaption = [this] { ++captions; };
        auto dialog = std::make_unique<frmKORADesc>(project, report, settings, messenger, hooks);
        dialog->show();
        return dialog;
    }

    template <typename T> static T* child(QWidget& w, const char* name) {
        T* c = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    bool logged(const std::string& line) const {
        return std::find(messenger.history.begin(), messenger.history.end(), line) !=
               messenger.history.end();
    }
};

TEST_F(DescriptionDialogTest, NewProjectCanSwitchToMetricDefaults) {
    project.EntryHeight = 7; // typed before: re-initialised with the other system
    project.ProjectPath = "/data/old.KOR";
    report.OutBuf[1] = "old results";
    auto d = open();
    auto* english = child<QRadioButton>(*d, "Option1_0");
    auto* metric = child<QRadioButton>(*d, "Option1_1");
    EXPECT_TRUE(english->isEnabled());
    EXPECT_TRUE(metric->isEnabled());
    EXPECT_TRUE(english->isChecked());

    QTest::mouseClick(metric, Qt::LeftButton);
    QTest::keyClicks(child<QLineEdit>(*d, "Text1"), "Tailgate study");
    auto* description = child<QPlainTextEdit>(*d, "Text2");
    QTest::keyClicks(description, "line one");
    QTest::keyClick(description, Qt::Key_Return);
    QTest::keyClicks(description, "line two");
    QTest::mouseClick(child<QPushButton>(*d, "Command2"), Qt::LeftButton);

    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(project.UnitSystem, Metric);
    EXPECT_EQ(project.CoalStrength, float(900 / PsiPerMPa));
    EXPECT_EQ(project.UnitWeight, float(162 / PcfPerKNm3));
    EXPECT_EQ(project.EntryHeight, 0);
    EXPECT_EQ(project.ProjectTitle, "Tailgate study");
    EXPECT_EQ(project.ProjectDescription, "line one\r\nline two");
    EXPECT_EQ(project.ProjectPath, "Untitled");
    EXPECT_TRUE(report.OutBuf[1].empty());
    EXPECT_FALSE(project.ProjectSaved);
    EXPECT_FALSE(project.ProjectEmpty);
    EXPECT_TRUE(project.DescriptionSet);
    EXPECT_EQ(captions, 1);
    EXPECT_EQ(messenger.history, (std::vector<std::string>{
                                     "Editing Project Description",
                                     "File initialized. Use Edit-Project Parameters to enter data",
                                     "Project Description Modified"}));
}

TEST_F(DescriptionDialogTest, DescribedProjectKeepsItsUnitsAndInputs) {
    project.DescriptionSet = true;
    project.ProjectEmpty = false;
    project.UnitSystem = Metric;
    project.EntryHeight = 3;
    project.ProjectTitle = "Mine A";
    project.ProjectDescription = "first\r\nsecond";
    project.ProjectPath = "/data/a.KOR";
    auto d = open();
    EXPECT_FALSE(child<QRadioButton>(*d, "Option1_0")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>(*d, "Option1_1")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>(*d, "Option1_1")->isChecked());
    EXPECT_EQ(child<QPlainTextEdit>(*d, "Text2")->toPlainText(), "first\nsecond");

    QTest::mouseClick(child<QPushButton>(*d, "Command2"), Qt::LeftButton);
    EXPECT_EQ(project.EntryHeight, 3);
    EXPECT_EQ(project.ProjectPath, "/data/a.KOR");
    EXPECT_EQ(project.ProjectDescription, "first\r\nsecond");
    EXPECT_FALSE(project.ProjectSaved);
    EXPECT_TRUE(logged("Project Description Modified"));
    EXPECT_FALSE(logged("File initialized. Use Edit-Project Parameters to enter data"));
}

TEST_F(DescriptionDialogTest, CancelChangesNothing) {
    project.ProjectTitle = "Kept";
    auto d = open();
    child<QLineEdit>(*d, "Text1")->setText("Typed");
    QTest::mouseClick(child<QRadioButton>(*d, "Option1_1"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(*d, "Command1"), Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_EQ(project.ProjectTitle, "Kept");
    EXPECT_EQ(project.UnitSystem, English);
    EXPECT_TRUE(project.ProjectSaved);
    EXPECT_TRUE(project.ProjectEmpty);
    EXPECT_FALSE(project.DescriptionSet);
    EXPECT_EQ(captions, 0);
    EXPECT_TRUE(logged("Project Description Not Modified"));
}

TEST_F(DescriptionDialogTest, NextFormIsTheDefaultAndAsksForTheParameters) {
    auto d = open();
    auto* next = child<QPushButton>(*d, "Command4");
    EXPECT_TRUE(next->isDefault());
    QSignalSpy nextForm(d.get(), &frmKORADesc::nextFormRequested);
    QSignalSpy finished(d.get(), &QDialog::finished);
    QTest::keyClick(child<QLineEdit>(*d, "Text1"), Qt::Key_Return);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(nextForm.count(), 1);
    EXPECT_TRUE(d->nextFormChosen());
    EXPECT_FALSE(project.ProjectEmpty);
    EXPECT_TRUE(project.DescriptionSet);
}

TEST_F(DescriptionDialogTest, DescriptionStopsAtOneThousandCharacters) {
    auto d = open();
    auto* text = child<QPlainTextEdit>(*d, "Text2");
    text->setFocus();
    text->insertPlainText(QString(995, 'a'));
    QTest::keyClicks(text, "bcdefgh");
    EXPECT_EQ(text->toPlainText(), QString(995, 'a') + "bcdef");
    // A line break is stored as CR LF and counts twice.
    text->setPlainText(QString(998, 'a'));
    QTextCursor end = text->textCursor();
    end.movePosition(QTextCursor::End);
    text->setTextCursor(end);
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, "z");
    EXPECT_EQ(text->toPlainText(), QString(998, 'a') + "\n");
}

QStringList* g_warnings = nullptr;
void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && g_warnings != nullptr) g_warnings->append(text);
}

TEST_F(DescriptionDialogTest, APasteKeepsWhatFitsAtOnce) {
    const QString lines = QStringLiteral("123456789\n").repeated(10000); // stored as 110,000
    const struct {
        QString before, pasted, after;
    } cases[] = {
        {QString(990, 'a'), QString(20, 'p'), QString(990, 'a') + QString(10, 'p')},
        {QString(998, 'a'), QStringLiteral("b\nc"), QString(998, 'a') + "b"}, // no half CR LF
        {QString(), QString(100000, 'x'), QString(1000, 'x')},
        {QString(), lines, lines.left(90 * 10 + 9)},
    };
    auto d = open();
    auto* text = child<QPlainTextEdit>(*d, "Text2");
    QStringList warnings;
    g_warnings = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
    for (const auto& c : cases) {
        text->setPlainText(c.before);
        text->moveCursor(QTextCursor::End);
        QApplication::clipboard()->setText(c.pasted);
        QElapsedTimer clock;
        clock.start();
        text->paste();
        EXPECT_LT(clock.elapsed(), 2000) << c.pasted.size(); // a freeze takes minutes
        EXPECT_EQ(text->toPlainText(), c.after) << c.pasted.size();
    }
    qInstallMessageHandler(previous);
    g_warnings = nullptr;
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

TEST_F(DescriptionDialogTest, ADescriptionTooLargeToOpenAgainIsRefused) {
    std::string line; // 58 euro signs, 174 bytes of UTF-8
    for (int i = 0; i < 58; ++i) line += "\u20ac";
    for (int i = 0; i < 100'000; ++i) project.ProjectDescription += line + "\r\n";
    auto d = open();
    QTest::mouseClick(child<QPushButton>(*d, "Command2"), Qt::LeftButton);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(messenger.texts(), std::vector<std::string>{ProjectTooLargeMessage});
    EXPECT_TRUE(project.ProjectSaved);
    child<QPlainTextEdit>(*d, "Text2")->setPlainText(QStringLiteral("short"));
    QTest::mouseClick(child<QPushButton>(*d, "Command2"), Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(project.ProjectDescription, "short");
}

TEST_F(DescriptionDialogTest, HelpShowsTheHint) {
    auto d = open();
    QTest::mouseClick(child<QPushButton>(*d, "Command3"), Qt::LeftButton);
    ASSERT_EQ(messenger.boxes.size(), 1u);
    EXPECT_EQ(
        messenger.boxes[0].text,
        "Position the cursor on any item on the form and press F1 for context-sensitive Help");
    EXPECT_EQ(messenger.boxes[0].style, 48);
    EXPECT_EQ(messenger.boxes[0].title, "Help");
    EXPECT_EQ(child<QPushButton>(*d, "Command3")->property("helpContext").toInt(), 5001);
    EXPECT_EQ(child<QLineEdit>(*d, "Text1")->property("helpContext").toInt(), 2100);
}

} // namespace
} // namespace kora::gui
