#include "core/project/fieldchecks.h"

#include "scriptedmessenger.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

TEST(CheckRangeTest, MessagesAndResult) {
    struct Case {
        const char* text;
        double low, high;
        const char* field;
        std::string message; // "": accepted
    };
    const std::string outside = " is outside input range\r\nValid range is: ";
    // clang-format off
    const Case cases[] = {
        {"12", 1, 10, "Entry Height", "Entry Height: Value '12'" + outside + "1-10"},
        {"10", 1, 10, "Entry Height", ""},
        {"   ", 1, 10, "Entry Height", "Entry Height: Blank field not allowed"},
        {"", 1, 10, "", "Blank field not allowed"},
        {"12abc", 0.1, 10, "Angle", "Angle: Value '12abc'" + outside + "0.1-10"},
        {"12abc", 10, 90, "", ""}, {"abc", 0.1, 10, "", "Value 'abc'" + outside + "0.1-10"},
        {"abc", 0, 10, "", ""},
        {" 0.05", 0.1, 1.5, "SF", "SF: Value '0.05'" + outside + "0.1-1.5"}};
    // clang-format on
    for (const Case& c : cases) {
        test::ScriptedMessenger m;
        EXPECT_EQ(CheckRange(c.text, c.low, c.high, c.field, SetMessageTitles(2), m),
                  c.message.empty())
            << c.text;
        if (c.message.empty()) {
            EXPECT_TRUE(m.boxes.empty()) << c.text;
            continue;
        }
        ASSERT_EQ(m.boxes.size(), 1u);
        EXPECT_EQ(m.boxes[0].text, c.message);
        EXPECT_EQ(m.boxes[0].title, "Project Parameters: Range Error");
        EXPECT_EQ(m.boxes[0].style, mb::OK | mb::Critical);
    }
}

} // namespace
} // namespace kora
