#include "core/project/description.h"

#include "core/base/textfile.h"
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
    // Positions count characters; a cut is made at a character boundary.
    const auto isBlankAt = [](std::string_view text, std::size_t position) {
        const std::size_t at = CharacterOffset(text, position - 1);
        return at < text.size() && text[at] == ' ';
    };
    std::string out;
    std::string_view rest = line;
    while (!rest.empty()) {
        if (CharacterOffset(rest, 60) >= rest.size()) {
            out += rest;
            break;
        }
        std::size_t cut = 60;
        if (!isBlankAt(rest, 60)) {
            for (std::size_t p = 59; p >= 40; --p) {
                if (isBlankAt(rest, p)) {
                    cut = p;
                    break;
                }
            }
        }
        const std::size_t bytes = CharacterOffset(rest, cut);
        out += rest.substr(0, bytes);
        out += CRLF;
        rest.remove_prefix(bytes);
    }
    return out;
}

std::string NormalizeDescription(std::string_view description) {
    std::string out;
    const auto add = [&out](std::string_view line) {
        // A piece of blanks would be dropped on reading, and a line that reads as the end marker
        // would end the description early: neither may reach the file as it is.
        if (Trim(line).empty()) return;
        if (line == EndDescriptionMarker) out += ' ';
        out += line;
        out += CRLF;
    };
    for (std::string_view line : splitLines(description)) {
        const std::string trimmed = Trim(line);
        if (trimmed.empty()) continue;
        if (CharacterCount(trimmed) > 60) {
            const std::string wrapped = WrapDescriptionLine(line);
            for (std::string_view piece : splitLines(wrapped)) add(piece);
        } else {
            add(line);
        }
    }
    if (out.size() >= 2) out.erase(out.size() - 2);
    return out;
}

} // namespace kora
