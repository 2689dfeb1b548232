// The number reader of project and settings files on any text, against the C library's reader
// of the same number in the C locale: both round correctly, so they must agree to the bit, and a
// number too large for a double must read as infinity (which the readers report as an overflow).
#include "core/base/numberformat.h"
#include "fuzzcheck.h"

#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = kora::LeadingNumber(text);
    const bool numeric = kora::IsNumericText(text);

    // The C library skips more kinds of white space and reads hexadecimal numbers, "inf" and
    // "nan", none of which is a number in a project file: compare only where both see digits.
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) i = text.size();
    std::size_t d = i;
    if (d < text.size() && (text[d] == '+' || text[d] == '-')) ++d;
    const auto digitAt = [&text](std::size_t k) {
        return k < text.size() && std::isdigit(static_cast<unsigned char>(text[k])) != 0;
    };
    const bool startsNumber = digitAt(d) || (d < text.size() && text[d] == '.' && digitAt(d + 1));
    const bool hex = digitAt(d) && text[d] == '0' && d + 1 < text.size() &&
                     (text[d + 1] == 'x' || text[d + 1] == 'X');
    if (!startsNumber) {
        kora::fuzz::Check(value == 0 && !numeric, "a text without a leading number reads 0");
        return 0;
    }
    if (hex) return 0;
    char* end = nullptr;
    const double expected = std::strtod(text.c_str() + i, &end);
    kora::fuzz::Check(value == expected && std::signbit(value) == std::signbit(expected),
                      "the number reads as the C library reads it");
    if (numeric) {
        const std::size_t rest =
            text.find_first_not_of(" \t", static_cast<std::size_t>(end - text.c_str()));
        kora::fuzz::Check(rest == std::string::npos, "a numeric text is one number");
    }
    return 0;
}
