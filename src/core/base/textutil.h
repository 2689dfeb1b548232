#pragma once

#include <string>
#include <string_view>

namespace kora {

inline constexpr const char* CRLF = "\r\n";

// The text followed by "." characters up to n characters (unchanged when already n or longer).
std::string PadDots(std::string_view text, int n);

// The text preceded by blanks up to n characters (unchanged when already n or longer).
std::string PadLeft(std::string_view text, int n);

// Breaks the text into lines of at most n characters at the last blank at or before position n
// (the blank itself is dropped), trims the rest of leading and trailing blanks, cuts a piece
// without such a blank at n characters, and ends every line, the last one included, with CR LF.
// For n of 20 or less the text is returned unchanged.
std::string WrapText(std::string_view text, int n);

// The text without leading and trailing blanks.
std::string Trim(std::string_view text);

// Whether the two texts are the same but for the case of their letters (names of keys, units,
// fonts and files, compared as Windows compares them).
bool SameIgnoringCase(std::string_view a, std::string_view b);

// The text with its letters in lower or in upper case.
std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);

} // namespace kora
