// The settings file reader and writer on any text. Every value the reader finds comes back
// unchanged from a file written with it; the settings read from any text, written whole and read
// again, write the same file.
#include "core/base/textfile.h"
#include "core/settings/inifile.h"
#include "core/settings/recentfiles.h"
#include "core/settings/settingsfile.h"
#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace kora;

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The section and key names of the text, roughly as the reader sees them; the values to expect
// come from the reader itself, so a name it does not know is simply read as empty.
std::vector<std::pair<std::string, std::string>> names(std::string_view raw) {
    const std::string text = DecodeText(raw);
    std::vector<std::pair<std::string, std::string>> found;
    std::string section;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line = trimmed(std::string_view(text).substr(start, end - start));
        if (!line.empty() && line.front() == '[' && line.find(']') != std::string_view::npos)
            section = trimmed(line.substr(1, line.find(']') - 1));
        else if (const auto eq = line.find('='); eq != std::string_view::npos)
            found.emplace_back(section, trimmed(line.substr(0, eq)));
        start = end + 1;
    }
    return found;
}

std::string settingsText(const IniFile& from) {
    Settings s;
    RecentFiles r;
    ReadSettings(s, r, from, settingsPart::All, {}, "/nonexistent-data-folder/");
    IniFile out;
    WriteSettings(s, r, out, settingsPart::All);
    return out.text();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const IniFile ini = IniFile::fromText(text);
    const auto keys = names(text);

    IniFile copy;
    for (const auto& [section, key] : keys)
        copy.writeValue(section, key, ini.readString(section, key));
    const IniFile back = IniFile::fromText(copy.text());
    for (const auto& [section, key] : keys)
        fuzz::Check(back.readString(section, key) == ini.readString(section, key),
                    "a value reads back as it was written");

    const std::string first = settingsText(ini);
    fuzz::Check(settingsText(IniFile::fromText(first)) == first,
                "settings read back write the same file");
    return 0;
}
