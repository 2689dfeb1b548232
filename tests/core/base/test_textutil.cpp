#include "core/base/textutil.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

TEST(PadTest, DotsAndBlanks) {
    EXPECT_EQ(PadDots("Entry Height", 15), "Entry Height...");
    EXPECT_EQ(PadDots("exactly ten", 11), "exactly ten");
    EXPECT_EQ(PadDots("longer than n", 5), "longer than n");
    EXPECT_EQ(PadLeft("12.35", 6), " 12.35");
    EXPECT_EQ(PadLeft("1234.57", 6), "1234.57");
    EXPECT_EQ(PadLeft("", 3), "   ");
    // Widths count characters, not bytes.
    EXPECT_EQ(PadDots("Fl\u00f6z", 6), "Fl\u00f6z..");
    EXPECT_EQ(PadLeft("\u00e9", 3), "  \u00e9");
}

struct WrapCase {
    const char* text;
    int width;
    const char* expected;
};

class WrapTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapTest, Wraps) {
    const auto& c = GetParam();
    EXPECT_EQ(WrapText(c.text, c.width), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WrapTest,
    ::testing::Values(
        // Width 20 or less: unchanged, no line end added.
        WrapCase{"a text that is far longer than twenty", 20,
                 "a text that is far longer than twenty"},
        // Short text: one line with its CR LF.
        WrapCase{"short", 21, "short\r\n"},
        // Break at the last blank at or before the width; the blank is dropped.
        WrapCase{"aaaa bbbb cccc dddd eeee", 21, "aaaa bbbb cccc dddd\r\neeee\r\n"},
        // A piece without a blank is cut at the width, and the rest trimmed.
        WrapCase{"abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJ", 21,
                 "abcdefghijklmnopqrstu\r\nvwxyz0123456789ABCDEF\r\nGHIJ\r\n"},
        // The blank at exactly the width position is used.
        WrapCase{"12345678901234567890 next", 21, "12345678901234567890\r\nnext\r\n"},
        // Blanks after a break are trimmed from the rest.
        WrapCase{"12345678901234567890     next", 21, "12345678901234567890\r\nnext\r\n"},
        // A text of exactly the width stays on one line.
        WrapCase{"123456789012345678901", 21, "123456789012345678901\r\n"},
        // The project-file line: the path without blanks is broken after the label.
        WrapCase{"Project File: /a/very/long/path/without/any/blank/in/it/at/all/x.KOR", 30,
                 "Project File:\r\n/a/very/long/path/without/any/\r\nblank/in/it/at/all/x.KOR\r\n"},
        // Widths count characters, and a cut never splits one.
        WrapCase{"\u00e4\u00e4\u00e4\u00e4 \u00e4\u00e4\u00e4\u00e4 \u00e4\u00e4\u00e4\u00e4 "
                 "\u00e4\u00e4\u00e4\u00e4 eeee",
                 21,
                 "\u00e4\u00e4\u00e4\u00e4 \u00e4\u00e4\u00e4\u00e4 \u00e4\u00e4\u00e4\u00e4 "
                 "\u00e4\u00e4\u00e4\u00e4\r\neeee\r\n"},
        WrapCase{"/home/\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"
                 "\u00e9\u00e9\u00e9\u00e9/x",
                 21,
                 "/home/\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"
                 "\u00e9\u00e9\u00e9\r\n\u00e9/x\r\n"}));

TEST(WrapTest, NoteOfAdvancedGeometryBreaksBelowSixty) {
    const std::string wrapped =
        WrapText("THESE RESULTS ASSUME 90 DEGREE CROSSCUTS AND A CROSSCUT SPACING OF 100 (ft)", 60);
    EXPECT_EQ(wrapped,
              "THESE RESULTS ASSUME 90 DEGREE CROSSCUTS AND A CROSSCUT\r\nSPACING OF 100 (ft)\r\n");
}

TEST(TrimTest, Blanks) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("    "), "");
    EXPECT_EQ(Trim(""), "");
}

} // namespace
} // namespace kora
