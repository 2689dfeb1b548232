#include "core/base/textutil.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

TEST(TextUtilTest, PadAndTrim) {
    EXPECT_EQ(PadDots("Entry Height", 15), "Entry Height...");
    EXPECT_EQ(PadDots("longer than n", 5), "longer than n");
    EXPECT_EQ(PadLeft("12.35", 6), " 12.35");
    EXPECT_EQ(PadLeft("1234.57", 6), "1234.57");
    // Widths count characters, not bytes.
    EXPECT_EQ(PadDots("Fl\u00f6z", 6), "Fl\u00f6z..");
    EXPECT_EQ(PadLeft("\u00e9", 3), "  \u00e9");
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("    "), "");
}

TEST(TextUtilTest, WrapText) {
    struct Case {
        const char* text;
        int width;
        const char* expected;
    };
    const Case cases[] = {
        // Width 20 or less: unchanged, no line end added.
        {"a text that is far longer than twenty", 20, "a text that is far longer than twenty"},
        {"short", 21, "short\r\n"},
        // Break at the last blank at or before the width; the blank is dropped.
        {"aaaa bbbb cccc dddd eeee", 21, "aaaa bbbb cccc dddd\r\neeee\r\n"},
        // A piece without a blank is cut at the width.
        {"abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJ", 21,
         "abcdefghijklmnopqrstu\r\nvwxyz0123456789ABCDEF\r\nGHIJ\r\n"},
        // The blank at exactly the width is used; blanks after a break are trimmed.
        {"12345678901234567890     next", 21, "12345678901234567890\r\nnext\r\n"},
        {"123456789012345678901", 21, "123456789012345678901\r\n"},
        {"Project File: /a/very/long/path/without/any/blank/in/it/at/all/x.KOR", 30,
         "Project File:\r\n/a/very/long/path/without/any/\r\nblank/in/it/at/all/x.KOR\r\n"},
        // Widths count characters, and a cut never splits one.
        {"\u00e4\u00e4\u00e4\u00e4 \u00e4\u00e4\u00e4\u00e4 \u00e4\u00e4\u00e4\u00e4 "
         "\u00e4\u00e4\u00e4\u00e4 eeee",
         21,
         "\u00e4\u00e4\u00e4\u00e4 \u00e4\u00e4\u00e4\u00e4 \u00e4\u00e4\u00e4\u00e4 "
         "\u00e4\u00e4\u00e4\u00e4\r\neeee\r\n"},
        {"/home/\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"
         "\u00e9\u00e9\u00e9\u00e9/x",
         21,
         "/home/\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"
         "\u00e9\u00e9\u00e9\r\n\u00e9/x\r\n"}};
    for (const Case& c : cases) EXPECT_EQ(WrapText(c.text, c.width), c.expected) << c.text;
}

} // namespace
} // namespace kora
