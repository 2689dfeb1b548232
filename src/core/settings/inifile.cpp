#include "core/settings/inifile.h"

#include "core/base/koraerror.h"
#include "core/base/textfile.h"
#include "core/base/textutil.h"

namespace kora {

namespace {

constexpr std::size_t MaxIniBytes = 1024u * 1024u;
constexpr std::size_t MaxValueLength = 254;

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// The section name of a "[name]" line; false for any other line.
bool sectionName(std::string_view line, std::string_view& name) {
    const std::string_view t = trimmed(line);
    if (t.empty() || t.front() != '[') return false;
    const auto close = t.find(']');
    if (close == std::string_view::npos) return false;
    name = trimmed(t.substr(1, close - 1));
    return true;
}

// The key and value of a "key=value" line; false for a line without "=".
bool keyValue(std::string_view line, std::string_view& key, std::string_view& value) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    key = trimmed(line.substr(0, eq));
    value = trimmed(line.substr(eq + 1));
    return true;
}

// A value is one line of the file, and reads back as it was written: one that begins or ends
// with a blank, or that is enclosed in a pair of quotes, is enclosed in double quotes, which the
// reader removes again.
std::string storedValue(std::string_view value) {
    std::string s(value);
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const bool blankEdge = !s.empty() && (blank(s.front()) || blank(s.back()));
    const bool quoted =
        s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front();
    if (blankEdge || quoted) s = '"' + s + '"';
    return s;
}

} // namespace

IniFile::IniFile(const std::string& path) {
    try {
        *this = fromText(ReadTextFile(path, MaxIniBytes));
    } catch (const KoraError&) {
        m_lines.clear();
    }
}

IniFile IniFile::fromText(std::string_view raw) {
    IniFile ini;
    const std::string text = DecodeText(raw);
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        ini.m_lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) ini.m_lines.push_back(text.substr(start));
    return ini;
}

bool IniFile::findSection(std::string_view section, Range& range) const {
    std::string_view name;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (!sectionName(m_lines[i], name) || !SameIgnoringCase(name, section)) continue;
        range.header = i;
        range.end = m_lines.size();
        for (std::size_t j = i + 1; j < m_lines.size(); ++j) {
            if (sectionName(m_lines[j], name)) {
                range.end = j;
                break;
            }
        }
        return true;
    }
    return false;
}

bool IniFile::findKey(const Range& range, std::string_view key, std::size_t& line) const {
    std::string_view k, v;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (keyValue(m_lines[i], k, v) && SameIgnoringCase(k, key)) {
            line = i;
            return true;
        }
    }
    return false;
}

bool IniFile::hasKey(std::string_view section, std::string_view key) const {
    Range r{};
    std::size_t line = 0;
    return findSection(section, r) && findKey(r, key, line);
}

std::string IniFile::readString(std::string_view section, std::string_view key) const {
    Range r{};
    std::size_t line = 0;
    if (!findSection(section, r) || !findKey(r, key, line)) return {};
    std::string_view k, v;
    keyValue(m_lines[line], k, v);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    // The limit counts characters (a folder name with accents is no shorter for the user), and
    // the cut never splits one.
    v = v.substr(0, CharacterOffset(v, MaxValueLength));
    return std::string(v);
}

void IniFile::writeValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string line = std::string(key) + "=" + storedValue(value);
    Range r{};
    if (!findSection(section, r)) {
        m_lines.push_back(std::string(1, '[').append(section).append("]"));
        m_lines.push_back(line);
        return;
    }
    std::size_t at = 0;
    if (findKey(r, key, at)) {
        m_lines[at] = line;
        return;
    }
    // After the section's last non-blank line, so blank lines keep separating the sections.
    std::size_t insert = r.header + 1;
    for (std::size_t i = r.header + 1; i < r.end; ++i)
        if (!trimmed(m_lines[i]).empty()) insert = i + 1;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insert), line);
}

std::string IniFile::text() const {
    std::string s;
    for (const auto& line : m_lines) {
        s += line;
        s += "\r\n";
    }
    return s;
}

void IniFile::save(const std::string& path) const {
    WriteTextFileAtomically(path, text());
}

std::string ReadIniString(std::string_view section, std::string_view key,
                          const std::string& iniFile, std::string_view def) {
    std::string value = IniFile(iniFile).readString(section, key);
    if (value.empty() && !def.empty()) value = def;
    return value;
}

bool WriteIniValue(std::string_view section, std::string_view key, std::string_view value,
                   const std::string& iniFile) {
    IniFile ini(iniFile);
    ini.writeValue(section, key, value);
    try {
        ini.save(iniFile);
    } catch (const KoraError&) {
        return false;
    }
    return true;
}

} // namespace kora
