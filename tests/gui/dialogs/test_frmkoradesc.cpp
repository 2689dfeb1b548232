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

#include <memory>

namespace kora::gui {
namespace {

class DescriptionDialog : public ::testing::Test {
protected:
    ProjectRecord project;
    ReportBuffer report;
    Settings settings;
    kora::test::ScriptedMessenger messenger;
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
};

TEST_F(DescriptionDialog, ANewProjectCanSwitchToMetricDefaults) {
    project.EntryHeight = 7; // typed before: re-initialised with the other system
    report.OutBuf[1] = "old results";
    auto d = open();
    EXPECT_TRUE(child<QRadioButton>(*d, "Option1_0")->isChecked());
    QTest::mouseClick(child<QRadioButton>(*d, "Option1_1"), Qt::LeftButton);
    QTest::keyClicks(child<QLineEdit>(*d, "Text1"), "Tailgate study");
    auto* description = child<QPlainTextEdit>(*d, "Text2");
    QTest::keyClicks(description, "line one");
    QTest::keyClick(description, Qt::Key_Return);
    QTest::keyClicks(description, "line two");
    QTest::mouseClick(child<QPushButton>(*d, "Command2"), Qt::LeftButton);

    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(project.UnitSystem, Metric);
    EXPECT_EQ(project.CoalStrength, float(900 / PsiPerMPa));
    EXPECT_EQ(project.EntryHeight, 0);
    EXPECT_EQ(project.ProjectTitle, "Tailgate study");
    EXPECT_EQ(project.ProjectDescription, "line one\r\nline two");
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

TEST_F(DescriptionDialog, ADescribedProjectKeepsItsUnitsAndCancelChangesNothing) {
    project.DescriptionSet = true;
    project.ProjectEmpty = false;
    project.UnitSystem = Metric;
    project.EntryHeight = 3;
    project.ProjectDescription = "first\r\nsecond";
    for (const char* button : {"Command1", "Command2"}) {
        auto d = open();
        EXPECT_FALSE(child<QRadioButton>(*d, "Option1_0")->isEnabled());
        EXPECT_EQ(child<QPlainTextEdit>(*d, "Text2")->toPlainText(), "first\nsecond");
        child<QLineEdit>(*d, "Text1")->setText("Typed");
        QTest::mouseClick(child<QPushButton>(*d, button), Qt::LeftButton);
        const bool ok = std::string(button) == "Command2";
        EXPECT_EQ(project.ProjectTitle, ok ? "Typed" : "");
        EXPECT_EQ(project.ProjectSaved, !ok);
        EXPECT_EQ(project.EntryHeight, 3);
        EXPECT_EQ(project.ProjectDescription, "first\r\nsecond");
        EXPECT_EQ(messenger.history.back(),
                  ok ? "Project Description Modified" : "Project Description Not Modified");
    }
}

TEST_F(DescriptionDialog, NextFormIsTheDefaultAndAsksForTheParameters) {
    auto d = open();
    EXPECT_TRUE(child<QPushButton>(*d, "Command4")->isDefault());
    QSignalSpy nextForm(d.get(), &frmKORADesc::nextFormRequested);
    QTest::keyClick(child<QLineEdit>(*d, "Text1"), Qt::Key_Return);
    EXPECT_EQ(nextForm.count(), 1);
    EXPECT_TRUE(d->nextFormChosen());
    EXPECT_TRUE(project.DescriptionSet);
}

QStringList* g_warnings = nullptr;
void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && g_warnings != nullptr) g_warnings->append(text);
}

// The description stops at 1000 characters, a line break counting twice (CR LF); typing stops
// there and a paste keeps what fits, at once and without a half line break.
TEST_F(DescriptionDialog, TheDescriptionStopsAtOneThousandCharacters) {
    auto d = open();
    auto* text = child<QPlainTextEdit>(*d, "Text2");
    text->setFocus();
    text->insertPlainText(QString(995, 'a'));
    QTest::keyClicks(text, "bcdefgh");
    EXPECT_EQ(text->toPlainText(), QString(995, 'a') + "bcdef");
    text->setPlainText(QString(998, 'a'));
    text->moveCursor(QTextCursor::End);
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, "z");
    EXPECT_EQ(text->toPlainText(), QString(998, 'a') + "\n");

    const QString lines = QStringLiteral("123456789\n").repeated(10000); // stored as 110,000
    const struct {
        QString before, pasted, after;
    } pastes[] = {
        {QString(990, 'a'), QString(20, 'p'), QString(990, 'a') + QString(10, 'p')},
        {QString(998, 'a'), QStringLiteral("b\nc"), QString(998, 'a') + "b"},
        {QString(), QString(100000, 'x'), QString(1000, 'x')},
        {QString(), lines, lines.left(90 * 10 + 9)},
    };
    QStringList warnings;
    g_warnings = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
    for (const auto& p : pastes) {
        text->setPlainText(p.before);
        text->moveCursor(QTextCursor::End);
        QApplication::clipboard()->setText(p.pasted);
        QElapsedTimer clock;
        clock.start();
        text->paste();
        EXPECT_LT(clock.elapsed(), 2000) << p.pasted.size(); // a freeze takes minutes
        EXPECT_EQ(text->toPlainText(), p.after) << p.pasted.size();
    }
    qInstallMessageHandler(previous);
    g_warnings = nullptr;
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

TEST_F(DescriptionDialog, ADescriptionTooLargeToOpenAgainIsRefused) {
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

} // namespace
} // namespace kora::gui
