#include "core/base/textutil.h"

#include "core/base/textfile.h"

#include <algorithm>
#include <cctype>

namespace kora {

// Widths are counted in characters, as the reader sees them, not in bytes.
std::string PadDots(std::string_view text, int n) {
    std::string s(text);
    const std::size_t chars = CharacterCount(s);
    if (static_cast<int>(chars) < n) s.append(static_cast<std::size_t>(n) - chars, '.');
    return s;
}

std::string PadLeft(std::string_view text, int n) {
    std::string s(text);
    const std::size_t chars = CharacterCount(s);
    if (static_cast<int>(chars) < n) s.insert(0, static_cast<std::size_t>(n) - chars, ' ');
    return s;
}

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string WrapText(std::string_view text, int n) {
    if (n <= 20) return std::string(text);
    const auto width = static_cast<std::size_t>(n);
    std::string out;
    std::string rest(text);
    // `limit` is the byte where character n + 1 begins; a blank is one byte and never part of
    // a longer character, so the search below stays on character boundaries.
    for (std::size_t limit = CharacterOffset(rest, width); limit < rest.size();
         limit = CharacterOffset(rest, width)) {
        const auto blank = rest.rfind(' ', limit - 1);
        if (blank != std::string::npos) {
            out += rest.substr(0, blank);
            rest = Trim(std::string_view(rest).substr(blank + 1));
        } else {
            out += rest.substr(0, limit);
            rest = Trim(std::string_view(rest).substr(limit));
        }
        out += CRLF;
    }
    out += rest;
    out += CRLF;
    return out;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string LowerCase(std::string_view text) {
    std::string s(text);
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string UpperCase(std::string_view text) {
    std::string s(text);
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

} // namespace kora
