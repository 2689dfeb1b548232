#include "core/base/numberformat.h"
#include "core/base/textutil.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

namespace kora {
namespace {

TEST(FormatTest, Patterns) {
    struct Case {
        double value;
        const char* pattern;
        const char* expected;
    };
    // 0.125 is an exact binary tie (away from zero); 66.55 lies just below the half.
    // clang-format off
    const Case cases[] = {
        {12.345f, "##0.00", "12.35"}, {1234.567f, "##0.00", "1234.57"}, {0.5, "##0.00", "0.50"},
        {-1.234, "##0.00", "-1.23"}, {0.125, "##0.00", "0.13"}, {0.375, "##0.00", "0.38"},
        {-0.125, "##0.00", "-0.13"}, {2.5, "##0", "3"}, {456192.5, "##0", "456193"},
        {0.4, "##0", "0"}, {80, "##0.0", "80.0"}, {66.55, "##0.0", "66.5"}, {7, "#0", "7"},
        {59.6, "#0", "60"}, {0.2, "0", "0"}, {123.7, "0", "124"}, {0.5, "#.00", ".50"},
        {1.3f, "#.00", "1.30"}, {0, "#.00", ".00"}, {92.4, "0.0", "92.4"}, {0.04, "0.0", "0.0"},
        {900, "#.##", "900."}, {6.2053, "#.##", "6.21"}, {0.5, "#.##", ".5"}, {1.3f, "#.##", "1.3"},
        {0, "#.##", "."}, {2.92e7, "0.00E+00", "2.92E+07"}, {0, "0.00E+00", "0.00E+00"},
        {9.996e5, "0.00E+00", "1.00E+06"}, {-3.14159e-3, "0.00E+00", "-3.14E-03"},
        {1.125, "0.00E+00", "1.13E+00"}, {5, "#,000", "005"}, {32400000, "#,000", "32,400,000"},
        {999.5, "#,000", "1,000"}, {-4321, "#,000", "-4,321"}, {0, "###,###,##0", "0"},
        {123456789, "###,###,##0", "123,456,789"}, {5, "00", "05"}, {123, "00", "123"}};
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(Format(c.value, c.pattern), c.expected) << c.value << " with " << c.pattern;
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Format(inf, "##0.00") + Format(-inf, "0.00E+00"), "Inf-Inf");
    EXPECT_EQ(Format(std::numeric_limits<double>::quiet_NaN(), "#,000"), "NaN");
}

TEST(FormatTest, GeneralAndSignBlankForms) {
    struct Case {
        float value;
        const char* general;
    };
    // Exact binary ties at the 7th digit round away from zero, in every decade they occur.
    // clang-format off
    const Case cases[] = {
        {900, "900"}, {0.5f, "0.5"}, {-0.25f, "-0.25"}, {0, "0"}, {-0.0f, "0"},
        {6.2053032f, "6.205303"}, {1234567, "1234567"}, {12345678, "1.234568E+07"},
        {0.0001f, "0.0001"}, {0.00001f, "1E-05"}, {-7, "-7"}, {1e20f, "1E+20"},
        {1.1953125f, "1.195313"}, {38.515625f, "38.51563"}, {-38.515625f, "-38.51563"},
        {0.00048828125f, "0.0004882813"}, {12345665, "1.234567E+07"}, {1.1953124f, "1.195312"}};
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(FormatGeneral(c.value), c.general);
        // The sign-blank form: a blank for the sign, no zero before the point.
        // (Built by appending: GCC 12 at -O3 misreads `" " + std::string(...)` as an overlap.)
        std::string blank = c.general[0] == '-' ? "" : " ";
        blank += c.general;
        if (blank.starts_with(" 0.") || blank.starts_with("-0.")) blank.erase(1, 1);
        EXPECT_EQ(SignBlank(c.value), blank);
    }
    EXPECT_EQ(FileInteger(2), " 2 ");
    EXPECT_EQ(FileInteger(-1), "-1 ");
    EXPECT_EQ(FileNativeReal(0.5f), " .5 ");
    EXPECT_EQ(FileNativeReal(-0.85f), "-.85 ");
    EXPECT_EQ(ToDotDecimal(6.2053032f), "6.205303");
    EXPECT_EQ(ToDotDecimal(std::string("1,5")), "1.5");
    EXPECT_EQ(FormatGeneralDouble(0.1), "0.1");
    EXPECT_EQ(FormatGeneralDouble(2.5e-20), "2.5E-20");
}

TEST(ReadNumberTest, LeadingNumericPart) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* text;
        double value;
        bool numeric;
    };
    // clang-format off
    const Case cases[] = {
        {"12", 12, true}, {"12abc", 12, false}, {"abc", 0, false}, {"", 0, false},
        {"  -3.5  ", -3.5, true}, {".5", 0.5, true}, {"1.", 1, true}, {"1e3", 1000, true},
        {"2.5E-2x", 0.025, false}, {"+7", 7, true}, {"1.2.3", 1.2, false}, {"-", 0, false},
        {"4e", 4, false}, {"6.21", 6.21, true},
        // Exponents beyond any integer type saturate.
        {"1e4294967296", inf, true}, {"-1e4294967297", -inf, true},
        {"1e99999999999999999999", inf, true}, {"1e2147483648", inf, true},
        {"1e-4294967296", 0, true}, {"0e4294967296", 0, true}, {"0.00001e309", 1e304, true}};
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
        EXPECT_EQ(IsNumericText(c.text), c.numeric) << c.text;
    }
}

// Number text never follows the user's locale: under a comma-decimal locale
// (scripts/install-deps.sh installs de_DE.UTF-8) nothing changes.
TEST(LocaleTest, NumberTextIgnoresTheUserLocale) {
    struct RestoreLocale {
        std::string name = std::setlocale(LC_ALL, nullptr);
        ~RestoreLocale() { std::setlocale(LC_ALL, name.c_str()); }
    } restore;
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8"))
        GTEST_SKIP() << "no comma-decimal locale is installed (run make deps)";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(Format(12.345f, "##0.00"), "12.35");
    EXPECT_EQ(Format(32400000, "#,000"), "32,400,000");
    EXPECT_EQ(FormatGeneral(1.1953125f), "1.195313");
    EXPECT_EQ(FormatGeneralDouble(0.1), "0.1");
    EXPECT_EQ(SignBlank(0.5f), " .5");
    EXPECT_DOUBLE_EQ(LeadingNumber("6.21"), 6.21);
    EXPECT_TRUE(IsNumericText("2.5E-2"));
}

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
