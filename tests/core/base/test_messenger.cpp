#include "core/base/messenger.h"
#include "core/base/onebased.h"
#include "scriptedmessenger.h"
#include "thrown.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

using test::ScriptedMessenger;

TEST(ShowMessageTest, LogsAndUsesProgramTitleWhenUntitled) {
    ScriptedMessenger m;
    m.ShowMessage("Current file is empty");
    m.ShowMessage("Blank field not allowed", mb::Critical, "Project Parameters: Range Error");
    ASSERT_EQ(m.boxes.size(), 2u);
    EXPECT_EQ(m.boxes[0].title, "KORA");
    EXPECT_EQ(m.boxes[1].title, "Project Parameters: Range Error");
    EXPECT_EQ(m.history, (std::vector<std::string>{
                             "Message: Current file is empty",
                             "Project Parameters: Range Error: Blank field not allowed"}));
}

TEST(HandleErrorTest, ClassifiesAndReports) {
    struct Case {
        int number, answer, action;
        std::string text; // "" no message box
        bool show = true;
    };
    const std::string terminated = ". Procedure Terminated";
    // clang-format off
    const Case cases[] = {
        {53, mb::AnswerRetry, errorAnswer::Retry, "Error occurred: Some failure (53)"},
        {61, mb::AnswerCancel, errorAnswer::Cancel, "Error occurred: Some failure (61)"},
        {483, mb::AnswerRetry, errorAnswer::Retry, "Error occurred: Some failure (483)"},
        {62, mb::AnswerCancel, errorAnswer::Cancel, "Error occurred: Some failure (62)"},
        {75, 0, errorAnswer::Terminated, "Error occurred: Some failure (75)" + terminated},
        {9, 0, errorAnswer::Terminated, "Error occurred: Some failure (9)" + terminated},
        {-2147217900, 0, errorAnswer::Database, "Error occurred: Some failure (-2147217900)" + terminated},
        {err::DialogCancelled, 0, errorAnswer::CancelFlag, ""},
        // Silent: nothing shown.
        {53, 0, errorAnswer::Cancel, "", false}, {5, 0, errorAnswer::Terminated, "", false}};
    // clang-format on
    for (const Case& c : cases) {
        ScriptedMessenger m;
        if (c.answer) m.answers.push_back(c.answer);
        EXPECT_EQ(HandleError(m, c.number, "Some failure", c.show), c.action) << c.number;
        EXPECT_EQ(m.texts(),
                  c.text.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.text});
        if (!c.text.empty()) {
            EXPECT_EQ(m.history.front(), "Error " + std::to_string(c.number) + ":Some failure");
        }
    }
}

} // namespace
} // namespace kora
