#include "core/base/messenger.h"
#include "core/base/onebased.h"
#include "scriptedmessenger.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

using test::ScriptedMessenger;

TEST(ShowMessageTest, LogsAndUsesProgramTitleWhenUntitled) {
    ScriptedMessenger m;
    m.ShowMessage("Current file is empty");
    ASSERT_EQ(m.boxes.size(), 1u);
    EXPECT_EQ(m.boxes[0].title, "KORA");
    EXPECT_EQ(m.history.back(), "Message: Current file is empty");

    m.ShowMessage("Blank field not allowed", mb::Critical, "Project Parameters: Range Error");
    EXPECT_EQ(m.boxes[1].title, "Project Parameters: Range Error");
    EXPECT_EQ(m.history.back(), "Project Parameters: Range Error: Blank field not allowed");
}

struct ErrorCase {
    int number;
    int answer;          // scripted message box answer (0: none expected)
    int expectedAction;  // HandleError result
    const char* message; // expected box text ("" for none)
};

class HandleErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(HandleErrorTest, ClassifiesAndReports) {
    const auto& c = GetParam();
    ScriptedMessenger m;
    if (c.answer) m.answers.push_back(c.answer);
    const int action = HandleError(m, c.number, "Some failure");
    EXPECT_EQ(action, c.expectedAction);
    if (std::string(c.message).empty()) {
        EXPECT_TRUE(m.boxes.empty());
    } else {
        ASSERT_EQ(m.boxes.size(), 1u);
        EXPECT_EQ(m.boxes[0].text, c.message);
        EXPECT_EQ(m.history.front(), "Error " + std::to_string(c.number) + ":Some failure");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Classes, HandleErrorTest,
    ::testing::Values(
        ErrorCase{53, mb::AnswerRetry, errorAnswer::Retry, "Error occurred: Some failure (53)"},
        ErrorCase{61, mb::AnswerCancel, errorAnswer::Cancel, "Error occurred: Some failure (61)"},
        ErrorCase{483, mb::AnswerRetry, errorAnswer::Retry, "Error occurred: Some failure (483)"},
        ErrorCase{62, mb::AnswerCancel, errorAnswer::Cancel, "Error occurred: Some failure (62)"},
        ErrorCase{75, 0, errorAnswer::Terminated,
                  "Error occurred: Some failure (75). Procedure Terminated"},
        ErrorCase{9, 0, errorAnswer::Terminated,
                  "Error occurred: Some failure (9). Procedure Terminated"},
        ErrorCase{-2147217900, 0, errorAnswer::Database,
                  "Error occurred: Some failure (-2147217900). Procedure Terminated"},
        ErrorCase{err::DialogCancelled, 0, errorAnswer::CancelFlag, ""}));

TEST(HandleErrorTest, SilentModeShowsNothing) {
    ScriptedMessenger m;
    EXPECT_EQ(HandleError(m, 53, "File not found", false), errorAnswer::Cancel);
    EXPECT_EQ(HandleError(m, 5, "Invalid procedure call", false), errorAnswer::Terminated);
    EXPECT_TRUE(m.boxes.empty());
}

TEST(OneBasedTest, BoundsRaiseSubscriptOutOfRange) {
    OneBased<float, 5> a;
    a[1] = 1;
    a[5] = 5;
    EXPECT_EQ(a[5], 5);
    try {
        a[6] = 0;
        FAIL() << "no error";
    } catch (const KoraError& e) {
        EXPECT_EQ(e.number(), 9);
        EXPECT_EQ(e.description(), "Subscript out of range");
    }
    EXPECT_THROW(a[0], KoraError);
}

} // namespace
} // namespace kora
