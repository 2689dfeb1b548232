#include "core/project/description.h"

#include "core/base/textutil.h"

#include <vector>

namespace kora {

namespace {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

} // namespace

std::string WrapDescriptionLine(std::string_view line) {
    std::string out;
    std::string_view rest = line;
    while (!rest.empty()) {
        if (rest.size() <= 60) {
            out += rest;
            break;
        }
        std::size_t cut = 60;
        if (rest[59] != ' ') {
            for (std::size_t p = 59; p >= 40; --p) {
                if (rest[p - 1] == ' ') {
                    cut = p;
                    break;
                }
            }
        }
        out += rest.substr(0, cut);
        out += CRLF;
        rest.remove_prefix(cut);
    }
    return out;
}

std::string NormalizeDescription(std::string_view description) {
    std::string out;
    for (std::string_view line : splitLines(description)) {
        const std::string trimmed = Trim(line);
        if (trimmed.empty()) continue;
        out += trimmed.size() > 60 ? WrapDescriptionLine(line) : std::string(line);
        out += CRLF;
    }
    if (out.size() >= 2) out.erase(out.size() - 2);
    return out;
}

} // namespace kora
