#include "core/project/fieldchecks.h"

#include "scriptedmessenger.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

using test::ScriptedMessenger;

TEST(MessageTitlesTest, AreaPrefixes) {
    EXPECT_EQ(SetMessageTitles(2).RangeError, "Project Parameters: Range Error");
    const MessageTitles settings = SetMessageTitles(8);
    EXPECT_EQ(settings.RangeWarning, "Settings: Range Warning");
    EXPECT_EQ(settings.InvalidCharacter, "Settings: Invalid Character");
    EXPECT_EQ(settings.Error, "Settings: Error");
    EXPECT_EQ(settings.LogicError, "Settings: Logic Error");
    EXPECT_EQ(settings.Message, "Message");
    EXPECT_EQ(SetMessageTitles(1).Error, "Project Description: Error");
    EXPECT_EQ(SetMessageTitles(7).LogicError, "Program Options: Logic Error");
    EXPECT_EQ(SetMessageTitles(3).RangeError, "Range Error");
    EXPECT_EQ(SetMessageTitles(0).RangeError, "Range Error");
    EXPECT_EQ(SetMessageTitles(14).RangeError, "Range Error");
}

struct RangeCase {
    const char* text;
    double low, high;
    const char* field;
    const char* message; // nullptr: accepted
};

class CheckRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(CheckRangeTest, MessagesAndResult) {
    const auto& c = GetParam();
    ScriptedMessenger m;
    const MessageTitles titles = SetMessageTitles(2);
    EXPECT_EQ(CheckRange(c.text, c.low, c.high, c.field, titles, m), c.message == nullptr);
    if (!c.message) {
        EXPECT_TRUE(m.boxes.empty());
        return;
    }
    ASSERT_EQ(m.boxes.size(), 1u);
    EXPECT_EQ(m.boxes[0].text, c.message);
    EXPECT_EQ(m.boxes[0].title, "Project Parameters: Range Error");
    EXPECT_EQ(m.boxes[0].style, mb::OK | mb::Critical);
    EXPECT_EQ(m.history[0], "Project Parameters: Range Error: " + std::string(c.message));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckRangeTest,
    ::testing::Values(
        RangeCase{"12", 1, 10, "Entry Height",
                  "Entry Height: Value '12' is outside input range\r\nValid range is: 1-10"},
        RangeCase{"10", 1, 10, "Entry Height", nullptr},
        RangeCase{" 1 ", 1, 10, "Entry Height", nullptr},
        RangeCase{"   ", 1, 10, "Entry Height", "Entry Height: Blank field not allowed"},
        RangeCase{"", 1, 10, "", "Blank field not allowed"},
        RangeCase{"12abc", 0.1, 10, "Angle",
                  "Angle: Value '12abc' is outside input range\r\nValid range is: 0.1-10"},
        RangeCase{"95", 0.1, 90, "Angle",
                  "Angle: Value '95' is outside input range\r\nValid range is: 0.1-90"},
        RangeCase{"12abc", 10, 90, "", nullptr},
        RangeCase{"abc", 0.1, 10, "",
                  "Value 'abc' is outside input range\r\nValid range is: 0.1-10"},
        RangeCase{"abc", 0, 10, "", nullptr},
        RangeCase{" 0.05", 0.1, 1.5, "SF",
                  "SF: Value '0.05' is outside input range\r\nValid range is: 0.1-1.5"}));

} // namespace
} // namespace kora
