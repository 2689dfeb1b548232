#pragma once

#include <string>
#include <string_view>

namespace kora {

// Every number text the program shows or writes comes from here, always with "." as the decimal
// separator whatever the user's locale (no locale-dependent call is used).

// Formats a value with one of the program's patterns: "##0.00", "##0.0", "##0", "#0", "0",
// "#.00", "0.0", "#.##", "0.00E+00", "#,000", "###,###,##0", "00", or any pattern made of the
// same placeholders. "0" is a digit always shown, "#" a digit shown only when significant, "." is
// the decimal point (always shown when the pattern has one), "," asks for thousands separators,
// "E+00" a signed exponent of at least two digits. The value is rounded to the decimals shown,
// halves away from zero (judged on the exact binary value).
std::string Format(double value, std::string_view pattern);

// The general form of a single-precision value: the shortest text with at most 7 significant
// digits, exponent form ("1.234568E+07", "1E-05") for very large or small values. Halves are
// rounded away from zero as in the patterns: 1.1953125 gives 1.195313.
std::string FormatGeneral(float value);

// The general form of a double-precision value (at most 15 significant digits).
std::string FormatGeneralDouble(double value);

// The sign-blank form of a number: a blank (or the minus sign) before the general form, and no
// zero before the decimal point of a value between -1 and 1: " 10", " .5", "-.25".
std::string SignBlank(float value);

// The file forms of the project file: an integer or a native real between a leading blank (or the
// minus sign) and a trailing blank: " 2 ", "-1 ", " .5 ", " 72.5 ".
std::string FileInteger(long value);
std::string FileNativeReal(float value);

// The general form with the first "," replaced by "." (the writer of project-file reals).
std::string ToDotDecimal(float value);
std::string ToDotDecimal(std::string text);

// The leading numeric part of a text as the program reads numbers typed or stored as text:
// leading blanks skipped, optional sign, digits with at most one ".", optional exponent; a text
// without a leading number gives 0. A value beyond the range of a double is infinite (its reader
// reports the overflow), one too small for it is 0, whatever the size of the exponent.
double LeadingNumber(std::string_view text);

// True when the whole text (blanks around it allowed) is one number: optional sign, digits with
// at most one ".", optional exponent.
bool IsNumericText(std::string_view text);

} // namespace kora
