#include "core/base/textutil.h"

namespace kora {

std::string PadDots(std::string_view text, int n) {
    std::string s(text);
    if (static_cast<int>(s.size()) < n) s.append(static_cast<std::size_t>(n) - s.size(), '.');
    return s;
}

std::string PadLeft(std::string_view text, int n) {
    std::string s(text);
    if (static_cast<int>(s.size()) < n) s.insert(0, static_cast<std::size_t>(n) - s.size(), ' ');
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
    while (rest.size() > width) {
        const auto blank = rest.rfind(' ', width - 1);
        if (blank != std::string::npos) {
            out += rest.substr(0, blank);
            rest = Trim(std::string_view(rest).substr(blank + 1));
        } else {
            out += rest.substr(0, width);
            rest = Trim(std::string_view(rest).substr(width));
        }
        out += CRLF;
    }
    out += rest;
    out += CRLF;
    return out;
}

} // namespace kora
