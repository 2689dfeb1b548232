#include "scripteddialogservice.h"

#include "gui/app/appstate.h"
#include "gui/common/guimessenger.h"
#include "gui/utilities/frmtextbrow.h"
#include "gui/utilities/frmunits.h"

#include "core/settings/inifile.h"
#include "scriptedmessenger.h"
#include "tempfolder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace kora::gui::test {
namespace {

namespace fs = std::filesystem;
using kora::test::ReadBytes;

template <typename W> W* child(QObject& parent, const QString& name) {
    W* w = parent.findChild<W*>(name);
    if (w == nullptr) throw std::runtime_error("no control " + name.toStdString());
    return w;
}

TEST(UnitCalculator, OpensOnLengthWithZerosAndConvertsAsTyped) {
    kora::test::ScriptedMessenger m;
    frmUnits d(m);
    EXPECT_EQ(m.history, std::vector<std::string>{"Loading Unit Conversion Form"});
    EXPECT_EQ(child<QTabWidget>(d, QStringLiteral("SSTab1"))->currentIndex(), 0);
    for (const QLineEdit* box : d.findChildren<QLineEdit*>())
        EXPECT_EQ(box->text(), QStringLiteral("0")) << box->objectName().toStdString();
    for (const char* first : {"Option2_0", "Option5_0", "Option4_0", "Option1_0", "Option3_0"})
        EXPECT_TRUE(child<QRadioButton>(d, QString::fromLatin1(first))->isChecked()) << first;

    struct Case {
        const char* input;
        const char* option;
        const char* typed; // nullptr: the text stays, the new unit reinterprets it
        std::vector<int> outputs;
        QStringList expected;
    };
    const Case cases[] = {
        {"txtLength", "Option2_1", "1", {7, 8, 9, 10}, {"12", "1", "30.48", "0.3048"}},
        {"txtLength",
         "Option2_3",
         nullptr,
         {7, 8, 9, 10},
         {"39.3700787401575", "3.28083989501312", "100", "1"}},
        {"txtStress",
         "Option1_4",
         "1",
         {2, 3, 4, 5, 6},
         {"145.037737733751", "0.145037737733751", "20885.4342336601", "1000000", "1"}},
        {"txtLoad",
         "Option5_1",
         "1",
         {21, 22, 23, 24, 25},
         {"2000", "1", "8.89644097878644", "0.00889644097878644", "2"}},
        {"txtLoadGrad",
         "Option4_1",
         "12",
         {17, 18, 19, 20},
         {"1", "12", "0.175126790920993", "0.000175126790920993"}},
        {"txtStressGrad",
         "Option3_0",
         "1",
         {12, 13, 14, 15},
         {"1", "12", "271447.137519685", "0.271447137519685"}},
    };
    for (const Case& c : cases) {
        child<QRadioButton>(d, QString::fromLatin1(c.option))->click();
        if (c.typed != nullptr)
            child<QLineEdit>(d, QString::fromLatin1(c.input))
                ->setText(QString::fromLatin1(c.typed));
        QStringList shown;
        for (int n : c.outputs)
            shown << child<QLineEdit>(d, QStringLiteral("Text%1").arg(n))->text();
        EXPECT_EQ(shown, c.expected) << c.input << " " << c.option;
    }
}

// A browser over a data folder of project and text files, one with a hostile name, and a
// temporary folder whose name is hostile too.
class TextBrowser : public ::testing::Test {
protected:
    void SetUp() override {
        data = root.folder() + "data/";
        temp = root.folder() + "tmp it's; \"q\" \xc3\xa9/";
        fs::create_directories(data + "sub");
        fs::create_directories(temp);
        for (const auto& [name, text] : files) std::ofstream(data + name, std::ios::binary) << text;
        state.settings.DataPath = data;
        state.folders.UserTempFolder = temp;
        state.iniPath = root.file("KORA.INI");
    }

    QStringList listed(frmTextBrow& b) {
        QStringList names;
        auto* list = child<QListWidget>(b, QStringLiteral("File1"));
        for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
        return names;
    }

    const std::vector<std::pair<std::string, std::string>> files = {
        {"a.KOR", "line1\r\nline2\r\n"},
        {"b.kor", "b"},
        {"c.txt", "c"},
        {"it's; \"odd\" n\xc3\xa9.KOR", "hostile\n"},
    };
    const QString hostile = QString::fromUtf8("it's; \"odd\" n\xc3\xa9.KOR");
    kora::test::TempFolder root;
    std::string data, temp;
    AppState state;
    ScriptedDialogService dialogs;
    GuiMessenger messenger{state.history, dialogs};
};

TEST_F(TextBrowser, ListsByPatternShowsFilesAndRemembersItsFolder) {
    {
        frmTextBrow b(state, state.iniPath, state.BrowseFolder, messenger);
        EXPECT_EQ(child<QLineEdit>(b, QStringLiteral("Text2"))->text(), QStringLiteral("*.KOR"));
        EXPECT_EQ(listed(b), (QStringList{"a.KOR", "b.kor", hostile}));
        const std::pair<const char*, QStringList> patterns[] = {
            {"*.txt", {"c.txt"}},
            {" *.TXT ; a.* ", {"a.KOR", "c.txt"}},
            {"", {"a.KOR", "b.kor", "c.txt", hostile}},
        };
        for (const auto& [pattern, expected] : patterns) {
            child<QLineEdit>(b, QStringLiteral("Text2"))->setText(QString::fromLatin1(pattern));
            EXPECT_EQ(listed(b), expected) << pattern;
        }

        b.showFile(QStringLiteral("a.KOR"));
        EXPECT_EQ(child<QPlainTextEdit>(b, QStringLiteral("RichTextBox1"))->toPlainText(),
                  QStringLiteral("line1\nline2\n"));
        EXPECT_EQ(child<QLabel>(b, QStringLiteral("Label1"))->text().toStdString(), data + "a.KOR");
        b.showFile(hostile);
        EXPECT_EQ(child<QPlainTextEdit>(b, QStringLiteral("RichTextBox1"))->toPlainText(),
                  QStringLiteral("hostile\n"));

        // A file removed after it was listed: a message, an empty pane, and off the list.
        fs::remove(data + "b.kor");
        b.showFile(QStringLiteral("b.kor"));
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_TRUE(dialogs.messages[0].text.startsWith(
            QStringLiteral("Error occurred: File not found (53)")));
        EXPECT_TRUE(
            child<QPlainTextEdit>(b, QStringLiteral("RichTextBox1"))->toPlainText().isEmpty());
        EXPECT_FALSE(listed(b).contains(QStringLiteral("b.kor")));

        dialogs.fontAnswers.push_back(QFont(QStringLiteral("Liberation Mono"), 30));
        child<QPushButton>(b, QStringLiteral("cmdSetFont"))->click();
        EXPECT_EQ(state.settings.BrowseFontSize, 24.0f);
        EXPECT_EQ(child<QPlainTextEdit>(b, QStringLiteral("RichTextBox1"))->font().pointSizeF(),
                  24.0);

        b.setFolder(QString::fromStdString(data + "sub"));
        child<QPushButton>(b, QStringLiteral("Command1"))->click();
    }
    EXPECT_EQ(state.BrowseFolder, data + "sub");
    EXPECT_EQ(ReadIniString("TextBrowse", "BrowseDefaultFilter", state.iniPath), "");
    EXPECT_EQ(ReadIniString("TextBrowse", "BrowseFontSize", state.iniPath), "24");
    frmTextBrow again(state, state.iniPath, state.BrowseFolder, messenger);
    EXPECT_EQ(again.folder().toStdString(), data + "sub");
    EXPECT_EQ(child<QLineEdit>(again, QStringLiteral("Text2"))->text(), QStringLiteral("*.KOR"));
}

TEST_F(TextBrowser, ExternalViewerGetsOnlyATemporaryCopyAndNoShell) {
    const std::string args = root.file("args.txt");
    const std::string pwned = root.file("pwned");
    const std::string viewer =
        root.write("viewer.sh", "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > '" + args + "'\n");
    fs::permissions(viewer, fs::perms::owner_all);
    const std::string copy = temp + "~tmpbr.tmp";
    struct Case {
        std::string viewer;
        QString file;
        bool desktopOpens;
        QString message; // the start of the message, empty when none
    };
    const Case cases[] = {
        {"Notepad.exe", hostile, true, {}},
        {"notepad.EXE", QStringLiteral("a.KOR"), false,
         QStringLiteral("The desktop has no viewer for text files to show ")},
        {viewer, hostile, false, {}},
        {"sh -c 'touch " + pwned + "'", hostile, false,
         QStringLiteral("The external viewer could not be started: sh -c")},
        {root.file("no-such-viewer"), hostile, false,
         QStringLiteral("The external viewer could not be started: ")},
        {"Notepad.exe", QStringLiteral("gone.KOR"), true,
         QString::fromStdString("Requested File not found: " + data + "gone.KOR")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.viewer);
        fs::remove(copy);
        dialogs = ScriptedDialogService{};
        dialogs.openUrlResult = c.desktopOpens;
        state.settings.ExternalEditor = c.viewer;
        state.settings.BrowseUseNotepad = 1;
        frmTextBrow b(state, state.iniPath, state.BrowseFolder, messenger);
        EXPECT_FALSE(child<QPushButton>(b, QStringLiteral("cmdSetFont"))->isEnabled());
        b.showFile(c.file);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(dialogs.messages.empty());
        } else {
            ASSERT_EQ(dialogs.messages.size(), 1u);
            EXPECT_TRUE(dialogs.messages[0].text.startsWith(c.message))
                << dialogs.messages[0].text.toStdString();
        }
        if (c.file == QStringLiteral("gone.KOR")) continue;
        EXPECT_EQ(ReadBytes(copy), c.file == hostile ? "hostile\r\n" : "line1\r\nline2\r\n");
        if (c.viewer == "Notepad.exe") {
            EXPECT_EQ(dialogs.openedUrls,
                      std::vector<QUrl>{QUrl::fromLocalFile(QString::fromStdString(copy))});
        }
    }
    // The program got the copy as its one argument; the file itself is untouched.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ReadBytes(args).size() > copy.size(); }, 5000));
    EXPECT_EQ(ReadBytes(args), "1\n" + copy + "\n");
    EXPECT_EQ(ReadBytes(data + hostile.toStdString()), "hostile\n");
    EXPECT_FALSE(fs::exists(pwned));
}

} // namespace
} // namespace kora::gui::test
