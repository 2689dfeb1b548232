#pragma once

#include "core/base/messenger.h"
#include "core/model/settings.h"
#include "core/settings/recentfiles.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kora {

class IniFile;

// KORA.INI: the program's preferences in the sections "Version", "Settings", "FileMenu",
// "TextBrowse", "Graph" and "KORAOptions". Reading never fails: a missing key reads as empty,
// numbers come from the leading numeric part of the stored text, and a value outside its range
// is replaced by the range's lower end.
inline constexpr const char* SettingsVersion = "050817";
inline constexpr const char* SettingsFileName = "KORA.INI";
inline constexpr const char* DefaultFileExtension = "KOR";

// Which part of the settings file ReadSettings and SaveSettings handle.
namespace settingsPart {
inline constexpr int All = 1;
inline constexpr int Settings = 2;
inline constexpr int FileMenu = 3;
inline constexpr int TextBrowse = 4;
inline constexpr int Graph = 5;
inline constexpr int Options = 6;
} // namespace settingsPart

// The value rounded to an integer (a tie to the even one), or low when it is below low or above
// high.
std::int16_t ClampToLow(double value, int low, int high);

// The font used when no font name is stored: the first of "Arial", "Courier New", "System",
// "Terminal" that the display offers (Liberation Sans standing in for Arial, Liberation Mono for
// Courier New), else "Arial" for the display to substitute.
std::string DefaultFontName(const std::vector<std::string>& availableFonts);

// INIFileVersion of section "Version" ("" when missing), and writing SettingsVersion there.
std::string ReadIniVersion(const std::string& iniPath);
bool WriteIniVersion(const std::string& iniPath);

// Reads one part (settingsPart) of the settings file into the settings and the recent-files
// list, applying read defaults and range corrections. DataPath falls back to the user data
// folder when empty, "0" or not an existing folder; empty font names take DefaultFontName.
void ReadSettings(Settings& settings, RecentFiles& recent, const std::string& iniPath, int which,
                  const std::vector<std::string>& availableFonts,
                  const std::string& userDataFolder);

// The same on settings text already in memory.
void ReadSettings(Settings& settings, RecentFiles& recent, const IniFile& ini, int which,
                  const std::vector<std::string>& availableFonts,
                  const std::string& userDataFolder);

// Writes one part (settingsPart) of the settings into the INI text, changing only its keys.
void WriteSettings(const Settings& settings, const RecentFiles& recent, IniFile& ini, int which);

// Logs "Saving default settings to file: " + path and writes one part (settingsPart) of the
// settings file, changing only its keys. A failed write is reported through HandleError (Retry
// writes again) and leaves the previous file as it was; the result is then false and the program
// goes on with the settings in memory.
bool SaveSettings(const Settings& settings, const RecentFiles& recent, const std::string& iniPath,
                  int which, Messenger& messenger);

// The start-up check: a missing settings file is written with the version and every section
// from the given defaults; a file of another version (or none readable) is deleted and written
// afresh. Returns false when no file could be written, with the reason ("Disk full (61)") in
// `problem` when given; the program then goes on with the defaults and must not read the file.
bool EnsureSettingsFile(const std::string& iniPath, const Settings& defaults,
                        const RecentFiles& recent, Messenger& messenger,
                        std::string* problem = nullptr);

} // namespace kora
