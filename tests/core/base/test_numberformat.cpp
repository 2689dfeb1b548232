#include "core/base/numberformat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

namespace kora {
namespace {

struct PatternCase {
    double value;
    const char* pattern;
    const char* expected;
};

class PatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(PatternTest, FormatsAsTheProgramDoes) {
    const auto& c = GetParam();
    EXPECT_EQ(Format(c.value, c.pattern), c.expected) << c.value << " with " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, PatternTest,
    ::testing::Values(
        PatternCase{12.345f, "##0.00", "12.35"}, PatternCase{1234.567f, "##0.00", "1234.57"},
        PatternCase{0.5, "##0.00", "0.50"}, PatternCase{0, "##0.00", "0.00"},
        PatternCase{1.3f, "##0.00", "1.30"}, PatternCase{-1.234, "##0.00", "-1.23"},
        PatternCase{0.125, "##0.00", "0.13"}, // exact binary tie: away from zero
        PatternCase{0.375, "##0.00", "0.38"}, PatternCase{-0.125, "##0.00", "-0.13"},
        PatternCase{2.5, "##0", "3"}, PatternCase{3.5, "##0", "4"},
        PatternCase{456192.5, "##0", "456193"}, PatternCase{0.4, "##0", "0"},
        PatternCase{80, "##0.0", "80.0"},
        PatternCase{66.55, "##0.0", "66.5"}, // 66.55 is just below the half in binary
        PatternCase{7, "#0", "7"}, PatternCase{0, "#0", "0"}, PatternCase{59.6, "#0", "60"},
        PatternCase{0.2, "0", "0"}, PatternCase{123.7, "0", "124"}, PatternCase{0.5, "#.00", ".50"},
        PatternCase{1.3f, "#.00", "1.30"}, PatternCase{0, "#.00", ".00"},
        PatternCase{1.06f, "#.00", "1.06"}, PatternCase{92.4, "0.0", "92.4"},
        PatternCase{0.04, "0.0", "0.0"}, PatternCase{900, "#.##", "900."},
        PatternCase{6.2053, "#.##", "6.21"}, PatternCase{25.4465, "#.##", "25.45"},
        PatternCase{0.5, "#.##", ".5"}, PatternCase{1.3f, "#.##", "1.3"},
        PatternCase{0, "#.##", "."}, PatternCase{2.92e7, "0.00E+00", "2.92E+07"},
        PatternCase{29200000.0 / 2000, "0.00E+00", "1.46E+04"},
        PatternCase{0, "0.00E+00", "0.00E+00"}, PatternCase{9.996e5, "0.00E+00", "1.00E+06"},
        PatternCase{-3.14159e-3, "0.00E+00", "-3.14E-03"},
        PatternCase{1.125, "0.00E+00", "1.13E+00"}, PatternCase{5, "#,000", "005"},
        PatternCase{32400000, "#,000", "32,400,000"}, PatternCase{1234, "#,000", "1,234"},
        PatternCase{999.5, "#,000", "1,000"}, PatternCase{15546.5, "#,000", "15,547"},
        PatternCase{-4321, "#,000", "-4,321"}, PatternCase{456192, "###,###,##0", "456,192"},
        PatternCase{0, "###,###,##0", "0"}, PatternCase{123456789, "###,###,##0", "123,456,789"},
        PatternCase{5, "00", "05"}, PatternCase{17, "00", "17"}, PatternCase{123, "00", "123"}));

TEST(FormatTest, NonFiniteValuesAreNamed) {
    EXPECT_EQ(Format(std::numeric_limits<double>::infinity(), "##0.00"), "Inf");
    EXPECT_EQ(Format(-std::numeric_limits<double>::infinity(), "0.00E+00"), "-Inf");
    EXPECT_EQ(Format(std::numeric_limits<double>::quiet_NaN(), "#,000"), "NaN");
}

struct GeneralCase {
    float value;
    const char* general;
    const char* signBlank;
};

class GeneralTest : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralTest, GeneralAndSignBlankForms) {
    const auto& c = GetParam();
    EXPECT_EQ(FormatGeneral(c.value), c.general);
    EXPECT_EQ(SignBlank(c.value), c.signBlank);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralTest,
    ::testing::Values(
        GeneralCase{900, "900", " 900"}, GeneralCase{0.5f, "0.5", " .5"},
        GeneralCase{-0.25f, "-0.25", "-.25"}, GeneralCase{1.3f, "1.3", " 1.3"},
        GeneralCase{0, "0", " 0"}, GeneralCase{-0.0f, "0", " 0"}, GeneralCase{10, "10", " 10"},
        GeneralCase{72.5f, "72.5", " 72.5"}, GeneralCase{6.2053032f, "6.205303", " 6.205303"},
        GeneralCase{30.48f, "30.48", " 30.48"}, GeneralCase{1234567, "1234567", " 1234567"},
        GeneralCase{12345678, "1.234568E+07", " 1.234568E+07"},
        GeneralCase{0.0001f, "0.0001", " .0001"}, GeneralCase{0.00001f, "1E-05", " 1E-05"},
        GeneralCase{-7, "-7", "-7"}, GeneralCase{1e20f, "1E+20", " 1E+20"},
        // Exact binary ties at the 7th digit round away from zero, in every decade they occur.
        GeneralCase{1.1953125f, "1.195313", " 1.195313"},
        GeneralCase{1.4453125f, "1.445313", " 1.445313"},
        GeneralCase{38.515625f, "38.51563", " 38.51563"},
        GeneralCase{-38.515625f, "-38.51563", "-38.51563"},
        GeneralCase{0.00048828125f, "0.0004882813", " .0004882813"},
        GeneralCase{12345665, "1.234567E+07", " 1.234567E+07"},
        GeneralCase{1.1953124f, "1.195312", " 1.195312"}));

TEST(FileFormsTest, IntegersAndNativeReals) {
    EXPECT_EQ(FileInteger(2), " 2 ");
    EXPECT_EQ(FileInteger(0), " 0 ");
    EXPECT_EQ(FileInteger(-1), "-1 ");
    EXPECT_EQ(FileNativeReal(0.5f), " .5 ");
    EXPECT_EQ(FileNativeReal(72.5f), " 72.5 ");
    EXPECT_EQ(FileNativeReal(0), " 0 ");
    EXPECT_EQ(FileNativeReal(-0.85f), "-.85 ");
    EXPECT_EQ(ToDotDecimal(6.2053032f), "6.205303");
    EXPECT_EQ(ToDotDecimal(std::string("1,5")), "1.5");
    EXPECT_EQ(FormatGeneralDouble(0.1), "0.1");
    EXPECT_EQ(FormatGeneralDouble(90), "90");
    EXPECT_EQ(FormatGeneralDouble(2.5e-20), "2.5E-20");
}

constexpr double inf = std::numeric_limits<double>::infinity();

struct ReadCase {
    const char* text;
    double value;
    bool numeric;
};

class ReadNumberTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, LeadingNumericPart) {
    const auto& c = GetParam();
    EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
    EXPECT_EQ(IsNumericText(c.text), c.numeric) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTest,
    ::testing::Values(ReadCase{"12", 12, true}, ReadCase{"12abc", 12, false},
                      ReadCase{"abc", 0, false}, ReadCase{"", 0, false},
                      ReadCase{"  -3.5  ", -3.5, true}, ReadCase{".5", 0.5, true},
                      ReadCase{"1.", 1, true}, ReadCase{"1e3", 1000, true},
                      ReadCase{"2.5E-2x", 0.025, false}, ReadCase{"+7", 7, true},
                      ReadCase{"1.2.3", 1.2, false}, ReadCase{"-", 0, false},
                      ReadCase{"4e", 4, false}, ReadCase{"6.21", 6.21, true},
                      // Exponents beyond any integer type saturate.
                      ReadCase{"1e4294967296", inf, true}, ReadCase{"-1e4294967297", -inf, true},
                      ReadCase{"1e99999999999999999999", inf, true},
                      ReadCase{"1e2147483648", inf, true}, ReadCase{"1e-4294967296", 0, true},
                      ReadCase{"0e4294967296", 0, true}, ReadCase{"0.00001e309", 1e304, true}));

// Number text never follows the user's locale: under a comma-decimal locale
// (scripts/install-deps.sh installs de_DE.UTF-8) nothing changes.
TEST(LocaleTest, NumberTextIgnoresTheUserLocale) {
    struct RestoreLocale {
        std::string name = std::setlocale(LC_ALL, nullptr);
        ~RestoreLocale() { std::setlocale(LC_ALL, name.c_str()); }
    } restore;
    bool switched = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"})
        if (std::setlocale(LC_ALL, name) != nullptr) {
            switched = true;
            break;
        }
    if (!switched) GTEST_SKIP() << "no comma-decimal locale is installed (run make deps)";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(Format(12.345f, "##0.00"), "12.35");
    EXPECT_EQ(Format(2.92e7, "0.00E+00"), "2.92E+07");
    EXPECT_EQ(Format(32400000, "#,000"), "32,400,000");
    EXPECT_EQ(FormatGeneral(6.2053032f), "6.205303");
    EXPECT_EQ(FormatGeneral(1.1953125f), "1.195313");
    EXPECT_EQ(FormatGeneralDouble(0.1), "0.1");
    EXPECT_EQ(SignBlank(0.5f), " .5");
    EXPECT_DOUBLE_EQ(LeadingNumber("6.21"), 6.21);
    EXPECT_TRUE(IsNumericText("2.5E-2"));
}

} // namespace
} // namespace kora
