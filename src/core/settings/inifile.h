#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kora {

// A settings file in the usual INI layout, kept line by line so that a write changes only the
// line of its key: sections and keys stay in file order, a new key is appended to its section,
// a new section to the end of the file. Section and key names match without regard to letter
// case. Lines are written with CR LF ends.
class IniFile {
public:
    IniFile() = default;

    // Loads the file; a missing, unreadable or oversized file gives an empty one.
    explicit IniFile(const std::string& path);

    // Reads settings text (at most 1 MiB is accepted; a settings file is a few kilobytes).
    static IniFile fromText(std::string_view text);

    // The stored value: blanks around it and one pair of enclosing quotes removed, cut to 254
    // characters. A missing key reads as the empty string.
    std::string readString(std::string_view section, std::string_view key) const;

    // True when the section holds the key.
    bool hasKey(std::string_view section, std::string_view key) const;

    // Sets the key's value, in place when the key exists. A value that readString would change
    // (blanks at its ends, enclosing quotes) is stored in double quotes, so it reads back as given.
    void writeValue(std::string_view section, std::string_view key, std::string_view value);

    // The file text, every line ending in CR LF.
    std::string text() const;

    // Writes the file atomically; raises KoraError on failure.
    void save(const std::string& path) const;

private:
    struct Range {
        std::size_t header; // index of the "[section]" line
        std::size_t end;    // one past the section's last line
    };
    bool findSection(std::string_view section, Range& range) const;
    bool findKey(const Range& range, std::string_view key, std::size_t& line) const;

    std::vector<std::string> m_lines;
};

// The classic profile functions over a file: each call reads (and WriteIniValue rewrites) the
// whole file.
// The stored text, or def when the stored text is empty.
std::string ReadIniString(std::string_view section, std::string_view key,
                          const std::string& iniFile, std::string_view def = {});
// Writes the value's text; returns false when the file could not be written.
bool WriteIniValue(std::string_view section, std::string_view key, std::string_view value,
                   const std::string& iniFile);

} // namespace kora
