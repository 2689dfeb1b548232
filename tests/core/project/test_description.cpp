#include "core/project/description.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

struct NormalizeCase {
    std::string input;
    std::string expected;
};

const std::string A59(59, 'a');

class NormalizeTest : public ::testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeTest, DropsBlankLinesAndWraps) {
    EXPECT_EQ(NormalizeDescription(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormalizeTest,
    ::testing::Values(
        NormalizeCase{"", ""}, NormalizeCase{"one line", "one line"},
        NormalizeCase{"first\r\n\r\n   \r\nsecond\r\n", "first\r\nsecond"},
        NormalizeCase{"unix\nlines\n\nhere", "unix\r\nlines\r\nhere"},
        NormalizeCase{"  leading blanks, and commas, stay", "  leading blanks, and commas, stay"},
        // Character 60 is a blank: the first piece is 60 characters with the blank at its end.
        NormalizeCase{"aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee fffffffff ggggggggg",
                      "aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee fffffffff \r\nggggggggg"},
        // Otherwise the cut follows the last blank between 40 and 59.
        NormalizeCase{"aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddddd eeeeeeeeee ffffffffff",
                      "aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddddd eeeeeeeeee \r\nffffffffff"},
        // A word of 65 characters is cut at 60.
        NormalizeCase{"12345678901234567890123456789012345678901234567890123456789012345",
                      "123456789012345678901234567890123456789012345678901234567890\r\n12345"},
        // Lengths are characters: "é" is the 60th, and no character is cut.
        NormalizeCase{A59 + "\u00e9bc", A59 + "\u00e9\r\nbc"},
        NormalizeCase{A59 + "\u20ac", A59 + "\u20ac"},
        NormalizeCase{A59.substr(0, 45) + " \U0001D11E" + std::string(13, 'x'),
                      A59.substr(0, 45) + " \U0001D11E" + std::string(13, 'x')},
        // A piece of blanks is dropped; a line reading as the end marker is shifted.
        NormalizeCase{std::string(60, 'x') + std::string(61, ' ') + "y",
                      std::string(60, 'x') + "\r\n y"},
        NormalizeCase{"##EndDesc##\r\nx", " ##EndDesc##\r\nx"}));

TEST(WrapDescriptionLineTest, BlankAtSixtyAndNoBlankAfterForty) {
    // Character 60 is a blank: the cut is at 60 and the blank ends the first piece.
    const std::string line = std::string(59, 'x') + " " + "tail";
    EXPECT_EQ(WrapDescriptionLine(line), std::string(59, 'x') + " \r\ntail");
    // The only blank is at position 30 (before 40): the word is split at 60.
    const std::string early = std::string(29, 'a') + " " + std::string(40, 'b');
    EXPECT_EQ(WrapDescriptionLine(early),
              std::string(29, 'a') + " " + std::string(30, 'b') + "\r\n" + std::string(10, 'b'));
    EXPECT_EQ(WrapDescriptionLine("short"), "short");
}

} // namespace
} // namespace kora
