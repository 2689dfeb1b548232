#include "core/base/numberformat.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace kora {

namespace {

// True when |x| lies exactly halfway between two neighbours of the decimal grid 10^q.
// With |x| = m * 2^e (m odd), x is such a tie exactly when e == q - 1 and, for q > 0, 5^q divides
// m.
bool isDecimalTie(double x, int q) {
    if (x == 0 || !std::isfinite(x)) return false;
    int exp = 0;
    const double f = std::frexp(std::fabs(x), &exp);
    auto m = static_cast<std::uint64_t>(std::ldexp(f, 53));
    int e = exp - 53;
    while ((m & 1u) == 0) {
        m >>= 1;
        ++e;
    }
    if (e != q - 1) return false;
    for (int i = 0; i < q; ++i) {
        if (m % 5 != 0) return false;
        m /= 5;
    }
    return true;
}

// Moves an exact tie one step away from zero so that the correctly rounding printf rounds it
// away from zero too.
double awayFromZeroOnTie(double x, int q) {
    if (!isDecimalTie(x, q)) return x;
    return std::nextafter(x, std::copysign(std::numeric_limits<double>::infinity(), x));
}

// The general form rounds to 7 significant digits, halves away from zero like the patterns. For a
// single-precision value whose lowest set bit is 2^e, only the decade 10^(e+7) can hold an exact
// tie, and only decades 10^-4 .. 10^7 at all (24 bits of mantissa), so the exact test runs for
// few values.
double awayFromZeroOnGeneralTie(float value) {
    static constexpr double powersOfTen[] = {1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2,
                                             1e3,  1e4,  1e5,  1e6,  1e7, 1e8};
    constexpr int lowest = -4;
    const double x = value;
    const auto bits = std::bit_cast<std::uint32_t>(value);
    const auto biased = static_cast<int>((bits >> 23) & 0xFFu);
    std::uint32_t mantissa = bits & 0x7FFFFFu;
    if (biased != 0) mantissa |= 0x800000u;
    if (mantissa == 0) return x;
    const int decade = std::max(biased, 1) - 150 + std::countr_zero(mantissa) + 7;
    if (decade < lowest || decade > 7) return x;
    const double ax = std::fabs(x);
    if (ax < powersOfTen[decade - lowest] || ax >= powersOfTen[decade - lowest + 1]) return x;
    return awayFromZeroOnTie(x, decade - 6);
}

int decimalExponent(double ax) {
    int e = static_cast<int>(std::floor(std::log10(ax)));
    if (std::pow(10.0, e) > ax) --e;
    if (std::pow(10.0, e + 1) <= ax) ++e;
    return e;
}

std::string nonFinite(double v) {
    if (std::isnan(v)) return "NaN";
    return v < 0 ? "-Inf" : "Inf";
}

std::string groupThousands(const std::string& digits) {
    std::string out;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += digits[static_cast<std::size_t>(i)];
    }
    return out;
}

std::string formatScientific(double value, std::string_view pattern) {
    // Mantissa decimals = placeholders between "." and "E"; exponent digits = placeholders after
    // the sign.
    const auto ePos = pattern.find_first_of("Ee");
    const std::string_view mant = pattern.substr(0, ePos);
    const auto dot = mant.find('.');
    int decimals = 0;
    if (dot != std::string_view::npos) {
        for (char c : mant.substr(dot + 1))
            if (c == '0' || c == '#') ++decimals;
    }
    int expDigits = 0;
    for (char c : pattern.substr(ePos + 1))
        if (c == '0' || c == '#') ++expDigits;
    const bool forceSign = pattern.find('+', ePos) != std::string_view::npos;

    double v = value;
    if (v == 0) v = 0; // drop the sign of a negative zero
    if (v != 0) v = awayFromZeroOnTie(v, decimalExponent(std::fabs(v)) - decimals);

    // std::to_chars rounds exactly as printf does in the C locale, at a fraction of its cost.
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, decimals);
    if (res.ec != std::errc{}) std::snprintf(buf, sizeof buf, "%.*e", decimals, v);
    std::string s(buf, res.ec == std::errc{} ? res.ptr : buf + std::strlen(buf));
    const auto ep = s.find('e');
    std::string mantissa = s.substr(0, ep);
    const int exponent = std::atoi(s.c_str() + ep + 1);
    std::string expText = std::to_string(std::abs(exponent));
    if (static_cast<int>(expText.size()) < expDigits)
        expText.insert(0, static_cast<std::size_t>(expDigits) - expText.size(), '0');
    std::string sign = exponent < 0 ? "-" : (forceSign ? "+" : "");
    return mantissa + std::string(1, pattern[ePos]) + sign + expText;
}

} // namespace

std::string Format(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return nonFinite(value);
    if (pattern.find_first_of("Ee") != std::string_view::npos)
        return formatScientific(value, pattern);

    const auto dot = pattern.find('.');
    const std::string_view intPat = pattern.substr(0, dot);
    const std::string_view fracPat =
        dot == std::string_view::npos ? std::string_view{} : pattern.substr(dot + 1);
    int minInt = 0;
    bool thousands = false;
    for (char c : intPat) {
        if (c == '0') ++minInt;
        if (c == ',') thousands = true;
    }
    int fracZeros = 0, decimals = 0;
    for (char c : fracPat) {
        if (c == '0') ++fracZeros;
        if (c == '0' || c == '#') ++decimals;
    }

    double v = value == 0 ? 0.0 : value;
    v = awayFromZeroOnTie(v, -decimals);
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    if (res.ec != std::errc{}) std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    std::string s(buf, res.ec == std::errc{} ? res.ptr : buf + std::strlen(buf));
    std::string sign;
    if (!s.empty() && s[0] == '-') {
        sign = "-";
        s.erase(0, 1);
    }
    const auto p = s.find('.');
    std::string intDigits = s.substr(0, p);
    std::string frac = p == std::string::npos ? std::string{} : s.substr(p + 1);
    while (static_cast<int>(frac.size()) > fracZeros && !frac.empty() && frac.back() == '0')
        frac.pop_back();
    if (intDigits == "0") intDigits.clear();
    if (static_cast<int>(intDigits.size()) < minInt)
        intDigits.insert(0, static_cast<std::size_t>(minInt) - intDigits.size(), '0');
    if (thousands) intDigits = groupThousands(intDigits);

    std::string out = sign + intDigits;
    if (dot != std::string_view::npos) out += "." + frac;
    return out;
}

std::string FormatGeneral(float value) {
    if (!std::isfinite(value)) return nonFinite(value);
    if (value == 0) return "0";
    // The text of printf's "%.7G" (std::to_chars follows printf's %g rules), far cheaper, with
    // exact ties moved off the half first; only the exponent letter needs upper case.
    const double v = awayFromZeroOnGeneralTie(value);
    char buf[48];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 7);
    if (res.ec != std::errc{}) {
        std::snprintf(buf, sizeof buf, "%.7G", v);
        return buf;
    }
    std::string out(buf, res.ptr);
    if (const auto e = out.find('e'); e != std::string::npos) out[e] = 'E';
    return out;
}

std::string FormatGeneralDouble(double value) {
    if (!std::isfinite(value)) return nonFinite(value);
    if (value == 0) return "0";
    // printf's "%.15G" would follow the C library's locale (a comma under de_DE).
    char buf[48];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string out(buf, res.ptr);
    if (const auto e = out.find('e'); e != std::string::npos) out[e] = 'E';
    return out;
}

std::string SignBlank(float value) {
    std::string g = FormatGeneral(value);
    if (g.rfind("0.", 0) == 0)
        g.erase(0, 1);
    else if (g.rfind("-0.", 0) == 0)
        g.erase(1, 1);
    if (g.empty() || g[0] != '-') g.insert(g.begin(), ' ');
    return g;
}

std::string FileInteger(long value) {
    std::string out(value < 0 ? 0 : 1, ' ');
    out += std::to_string(value);
    out += ' ';
    return out;
}

std::string FileNativeReal(float value) {
    return SignBlank(value) + " ";
}

std::string ToDotDecimal(float value) {
    return ToDotDecimal(FormatGeneral(value));
}

std::string ToDotDecimal(std::string text) {
    const auto comma = text.find(',');
    if (comma != std::string::npos) text[comma] = '.';
    return text;
}

namespace {

// Length of the numeric prefix starting at `i` (sign, digits, one ".", optional exponent);
// 0 when no digit is found.
std::size_t numericPrefix(std::string_view t, std::size_t i) {
    const std::size_t start = i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    bool digits = false;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
        ++i;
        digits = true;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
            ++i;
            digits = true;
        }
    }
    if (!digits) return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        if (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) {
            while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) ++j;
            i = j;
        }
    }
    return i - start;
}

std::size_t skipBlanks(std::string_view t, std::size_t i) {
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
    return i;
}

} // namespace

double LeadingNumber(std::string_view text) {
    const std::size_t i = skipBlanks(text, 0);
    const std::size_t n = numericPrefix(text, i);
    if (n == 0) return 0;
    const std::string_view s = text.substr(i, n);
    // strtod is locale dependent for the decimal point; parse by hand in the C manner instead.
    std::size_t k = 0;
    bool neg = false;
    if (s[k] == '+' || s[k] == '-') neg = s[k++] == '-';
    std::string digits;
    long long pointShift = 0;
    bool afterPoint = false;
    for (; k < s.size() && (std::isdigit(static_cast<unsigned char>(s[k])) || s[k] == '.'); ++k) {
        if (s[k] == '.') {
            afterPoint = true;
            continue;
        }
        if (afterPoint) --pointShift;
        if (digits.empty() && s[k] == '0') continue; // leading zeros carry no value
        digits += s[k];
    }
    // The exponent saturates instead of wrapping: far beyond any digit count the text can have,
    // so that its sign alone decides between infinity and zero.
    constexpr long long exponentLimit = 1'000'000'000'000LL;
    long long exp10 = 0;
    if (k < s.size() && (s[k] == 'e' || s[k] == 'E')) {
        ++k;
        bool negExp = false;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) negExp = s[k++] == '-';
        for (; k < s.size() && std::isdigit(static_cast<unsigned char>(s[k])); ++k)
            exp10 = std::min(exp10 * 10 + (s[k] - '0'), exponentLimit);
        if (negExp) exp10 = -exp10;
    }
    double value = 0;
    if (!digits.empty()) {
        // The value lies in [10^(magnitude-1), 10^magnitude): beyond the range of a double it is
        // infinite (an overflow for the caller to report) or zero.
        const long long exponent = exp10 + pointShift;
        const long long magnitude = exponent + static_cast<long long>(digits.size());
        if (magnitude > 400)
            value = std::numeric_limits<double>::infinity();
        else if (magnitude >= -400)
            // A canonical "digits e exponent" text that strtod reads identically in any locale
            // (no decimal point involved).
            value = std::strtod((digits + "e" + std::to_string(exponent)).c_str(), nullptr);
    }
    return neg ? -value : value;
}

bool IsNumericText(std::string_view text) {
    std::size_t i = skipBlanks(text, 0);
    const std::size_t n = numericPrefix(text, i);
    if (n == 0) return false;
    i = skipBlanks(text, i + n);
    return i == text.size();
}

} // namespace kora
