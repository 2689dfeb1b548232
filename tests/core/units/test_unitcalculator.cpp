#include "core/units/unitcalculator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kora {
namespace {

using Texts = std::vector<std::string>;

TEST(UnitCalculatorTest, WorkedConversions) {
    struct Case {
        UnitQuantity quantity;
        int from;
        const char* input;
        Texts expected;
    };
    // Feet and megapascals, the calculator window's first cases, are left to its test.
    const Case cases[] = {
        {UnitQuantity::Load, 1, "1", {"2000", "1", "8.89644097878644", "0.00889644097878644", "2"}},
        {UnitQuantity::Stress, 0, "1", {"1", "0.001", "144", "6894.757293", "0.006894757293"}},
        {UnitQuantity::StressGrad, 0, "1", {"1", "12", "271447.137519685", "0.271447137519685"}},
        {UnitQuantity::LoadGrad, 1, "12", {"1", "12", "0.175126790920993", "0.000175126790920993"}},
        // The leading numeric part of the text is converted; none at all is 0.
        {UnitQuantity::Length, 0, "abc", {"0", "0", "0", "0"}},
        {UnitQuantity::Length, 0, "12abc", {"12", "1", "30.48", "0.3048"}},
        {UnitQuantity::Load,
         4,
         "-1.5",
         {"-1500", "-0.75", "-6.67233073408983", "-0.00667233073408983", "-1.5"}},
        // Beyond double precision the calculator says so instead of showing digits.
        {UnitQuantity::Stress, 4, "1E+305", {"Inf", "Inf", "Inf", "Inf", "1E+305"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConvertUnitText(c.quantity, c.from, c.input), c.expected)
            << UnitQuantityOf(c.quantity).tab << " from " << c.from << " input " << c.input;
}

} // namespace
} // namespace kora
