#include "core/project/description.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

TEST(NormalizeDescriptionTest, DropsBlankLinesAndWrapsAtSixty) {
    const std::string a59(59, 'a'), x60(60, 'x');
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"first\r\n\r\n   \r\nsecond\r\n", "first\r\nsecond"},
        {"unix\nlines\n\nhere", "unix\r\nlines\r\nhere"},
        {"  leading blanks, and commas, stay", "  leading blanks, and commas, stay"},
        // Character 60 is a blank: the first piece is 60 characters with the blank at its end.
        {"aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee fffffffff ggggggggg",
         "aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee fffffffff \r\nggggggggg"},
        // Otherwise the cut follows the last blank between 40 and 59.
        {"aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddddd eeeeeeeeee ffffffffff",
         "aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddddd eeeeeeeeee \r\nffffffffff"},
        // A blank only before 40, or none: the word is cut at 60.
        {std::string(29, 'a') + " " + std::string(40, 'b'),
         std::string(29, 'a') + " " + std::string(30, 'b') + "\r\n" + std::string(10, 'b')},
        {x60 + "12345", x60 + "\r\n12345"},
        // Lengths are characters: "é" is the 60th, and no character is cut.
        {a59 + "\u00e9bc", a59 + "\u00e9\r\nbc"},
        {a59 + "\u20ac", a59 + "\u20ac"},
        {a59.substr(0, 45) + " \U0001D11E" + std::string(13, 'x'),
         a59.substr(0, 45) + " \U0001D11E" + std::string(13, 'x')},
        // A piece of blanks is dropped; a line reading as the end marker is shifted.
        {x60 + std::string(61, ' ') + "y", x60 + "\r\n y"},
        {"##EndDesc##\r\nx", " ##EndDesc##\r\nx"}};
    for (const auto& [input, expected] : cases) EXPECT_EQ(NormalizeDescription(input), expected);
}

} // namespace
} // namespace kora
