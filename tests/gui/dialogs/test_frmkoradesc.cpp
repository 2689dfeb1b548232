#include "gui/dialogs/frmkoradesc.h"
#include "guitest.h"

#include "core/model/unitsystems.h"
#include "core/project/projectfile.h"
#include "scriptedmessenger.h"

namespace kora::gui {
namespace {

using test::child;

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
};

TEST_F(DescriptionDialog, ANewProjectCanSwitchToMetricDefaults) {
    project.EntryHeight = 7; // typed before: re-initialised with the other system
    report.OutBuf[1] = "old results";
    auto d = open();
    QTest::mouseClick(child<QRadioButton>(*d, "Option1_1"), Qt::LeftButton);
    QTest::keyClicks(child<QLineEdit>(*d, "Text1"), "Tailgate study");
    auto* description = child<QPlainTextEdit>(*d, "Text2");
    QTest::keyClicks(description, "line one");
    QTest::keyClick(description, Qt::Key_Return);
    QTest::keyClicks(description, "line two");
    QTest::mouseClick(child<QPushButton>(*d, "Command2"), Qt::LeftButton);

    EXPECT_EQ(project.UnitSystem, Metric);
    EXPECT_EQ(project.CoalStrength, float(900 / PsiPerMPa));
    EXPECT_EQ(project.EntryHeight, 0);
    EXPECT_EQ(project.ProjectTitle, "Tailgate study");
    EXPECT_EQ(project.ProjectDescription, "line one\r\nline two");
    EXPECT_TRUE(report.OutBuf[1].empty());
    EXPECT_FALSE(project.ProjectSaved || project.ProjectEmpty);
    EXPECT_EQ(captions, 1);
}

TEST_F(DescriptionDialog, ADescribedProjectKeepsItsUnitsAndCancelChangesNothing) {
    std::tie(project.DescriptionSet, project.ProjectEmpty, project.UnitSystem, project.EntryHeight,
             project.ProjectDescription) = std::tuple(true, false, Metric, 3.f, "first\r\nsecond");
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
    }
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
