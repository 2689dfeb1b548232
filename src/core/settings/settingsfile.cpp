#include "core/settings/settingsfile.h"

#include "core/base/fontchoice.h"
#include "core/base/numberformat.h"
#include "core/base/textutil.h"
#include "core/project/projectfile.h"
#include "core/settings/inifile.h"
#include "core/settings/pathchecks.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <span>

namespace kora {

namespace {

enum class Kind { Integer, Single, Text, FontName, DataPath, Extension };

// One key of a section: its name, the field it mirrors, its range and its read default.
struct Key {
    const char* name;
    Kind kind;
    std::int16_t Settings::*integer = nullptr;
    float Settings::*single = nullptr;
    std::string Settings::*text = nullptr;
    int low = 0;
    int high = 0;
    const char* readDefault = "";
};

constexpr Key integerKey(const char* name, std::int16_t Settings::*f, int low, int high,
                         const char* readDefault = "") {
    return {name, Kind::Integer, f, nullptr, nullptr, low, high, readDefault};
}
constexpr Key singleKey(const char* name, float Settings::*f, int low, int high) {
    return {name, Kind::Single, nullptr, f, nullptr, low, high, ""};
}
constexpr Key textKey(const char* name, std::string Settings::*f, Kind kind = Kind::Text) {
    return {name, kind, nullptr, nullptr, f, 0, 0, ""};
}

using S = Settings;

const std::array settingsKeys = {
    integerKey("DefaultUnits", &S::DefaultUnits, 0, 1),
    integerKey("DisplayHistoryWin", &S::DisplayHistoryWin, 0, 1),
    integerKey("MaxDisplaySize", &S::MaxDisplaySize, 4096, 16384),
    textKey("DisplayFontName", &S::DisplayFontName, Kind::FontName),
    singleKey("DisplayFontSize", &S::DisplayFontSize, 7, 24),
    integerKey("DisplayFontBold", &S::DisplayFontBold, -1, 0),
    integerKey("DisplayFontItalic", &S::DisplayFontItalic, -1, 0),
    integerKey("KeepFileNames", &S::KeepFileNames, 0, 1),
    integerKey("ShowDisclaim", &S::ShowDisclaim, 0, 1),
    integerKey("MaxMainMenu", &S::MaxMainMenu, 0, 1),
    integerKey("EnableMainMenuToolbar", &S::EnableMainMenuToolbar, 0, 1),
    integerKey("ShortRecentFiles", &S::ShortRecentFiles, 0, 1),
    integerKey("LoadLastInputFile", &S::LoadLastInputFile, 0, 1),
    integerKey("RemindAnnualUpdates", &S::RemindAnnualUpdates, 0, 1),
    integerKey("CopyExampleFiles", &S::CopyExampleFiles, 0, 1, "1"),
    textKey("DataPath", &S::DataPath, Kind::DataPath),
    textKey("FileExtension", &S::FileExtension, Kind::Extension),
    textKey("ExternalEditor", &S::ExternalEditor),
};

const std::array textBrowseKeys = {
    textKey("BrowseFontName", &S::BrowseFontName, Kind::FontName),
    singleKey("BrowseFontSize", &S::BrowseFontSize, 7, 24),
    integerKey("BrowseFontBold", &S::BrowseFontBold, -1, 0),
    integerKey("BrowseFontItalic", &S::BrowseFontItalic, -1, 0),
    textKey("BrowseDefaultFilter", &S::BrowseDefaultFilter),
    integerKey("BrowseUseNotepad", &S::BrowseUseNotepad, 0, 1),
};

const std::array graphKeys = {
    integerKey("GraphSetParams", &S::GraphParamSource, 0, 1),
    integerKey("GridStyle", &S::GridStyle, 0, 3),
    integerKey("GraphStyle", &S::GraphStyle, 1, 3),
    integerKey("CurveLegend", &S::CurveLegend, 0, 1),
    integerKey("SymbolSize", &S::SymbolSize, 3, 20),
    integerKey("GraphUnits", &S::TitleUnits, 0, 1),
    textKey("GraphTitle", &S::GraphTitle),
};

// Off unless the key says 1; written only once the option has been switched on.
constexpr const char* AllConditionsKey = "ShowAllConditions";

const std::array optionKeys = {
    integerKey("OutputStrUnits", &S::OutputStrUnits, 0, 1, "0"),
    integerKey("OutputStrGradUnits", &S::OutputStrGradUnits, 0, 1, "0"),
    integerKey("ShowInputScreenOnLoad", &S::ShowInputScreenOnLoad, 0, 1, "1"),
    integerKey("ShowInputScreenOnStart", &S::ShowInputScreenOnStart, 0, 1, "1"),
    integerKey("IssueWarningCancel", &S::IssueWarningCancel, 0, 1, "1"),
    integerKey("ViewChildWindow", &S::ViewChildWindow, 0, 1, "1"),
    integerKey("PrintModuleHeader", &S::PrintModuleHeader, 0, 1, "1"),
    integerKey("PlotEntryDims", &S::PlotEntryDims, 0, 1, "1"),
    integerKey("PlotXcutDims", &S::PlotXcutDims, 0, 1, "1"),
    integerKey("PrintPlotReminder", &S::PrintPlotReminder, 0, 1, "1"),
    integerKey("AskOfficeInstall", &S::AskOfficeInstall, 0, 1, "1"),
};

// Everything ReadSettings needs besides the file.
struct ReadContext {
    const IniFile& ini;
    const std::vector<std::string>& fonts;
    const std::string& userDataFolder;
};

std::string readText(const IniFile& ini, const char* section, const char* key,
                     const char* readDefault = "") {
    std::string v = ini.readString(section, key);
    if (v.empty()) v = readDefault;
    return v;
}

std::string readDataPath(std::string stored, const std::string& userDataFolder) {
    if (stored.empty() || stored == "0") return userDataFolder;
    stored = Trim(stored);
    if (stored.empty() || stored.back() != '/') stored += '/';
    return ValidPath(stored) ? stored : userDataFolder;
}

void readKeys(Settings& s, const ReadContext& c, const char* section, std::span<const Key> keys) {
    for (const Key& k : keys) {
        const std::string v = readText(c.ini, section, k.name, k.readDefault);
        switch (k.kind) {
        case Kind::Integer:
            s.*k.integer = ClampToLow(LeadingNumber(v), k.low, k.high);
            break;
        case Kind::Single: {
            const double x = LeadingNumber(v);
            s.*k.single =
                (x >= k.low && x <= k.high) ? static_cast<float>(x) : static_cast<float>(k.low);
            break;
        }
        case Kind::Text:
            s.*k.text = v;
            break;
        case Kind::FontName:
            s.*k.text = v.empty() ? DefaultFontName(c.fonts) : v;
            break;
        case Kind::DataPath:
            s.*k.text = readDataPath(v, c.userDataFolder);
            break;
        case Kind::Extension:
            s.*k.text = (v.empty() || v == "0") ? DefaultFileExtension : v;
            break;
        }
    }
}

void writeKeys(const Settings& s, IniFile& ini, const char* section, std::span<const Key> keys) {
    for (const Key& k : keys) {
        switch (k.kind) {
        case Kind::Integer:
            ini.writeValue(section, k.name, Format(s.*k.integer, "0"));
            break;
        case Kind::Single:
            ini.writeValue(section, k.name, FormatGeneral(s.*k.single));
            break;
        default:
            ini.writeValue(section, k.name, s.*k.text);
            break;
        }
    }
}

std::string numbered(const char* name, int i) {
    return name + std::to_string(i);
}

void readFileMenu(RecentFiles& r, const IniFile& ini) {
    r.RecentCount = ClampToLow(LeadingNumber(ini.readString("FileMenu", "MaxLastFiles")), 0, 4);
    for (int i = 1; i <= 4; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        if (i <= r.RecentCount) {
            r.LastFile[k] = ini.readString("FileMenu", numbered("LastFile", i));
            r.LastFileMode[k] =
                ClampToLow(LeadingNumber(ini.readString("FileMenu", numbered("LastFileMode", i))),
                           -32768, 32767);
            r.LastFileLong[k] = ini.readString("FileMenu", numbered("LastFileLong", i));
        } else {
            r.LastFile[k].clear();
            r.LastFileLong[k].clear();
            r.LastFileMode[k] = 0;
        }
    }
}

void writeFileMenu(const RecentFiles& r, IniFile& ini) {
    const int n = (r.RecentCount >= 0 && r.RecentCount <= 4) ? r.RecentCount : 0;
    ini.writeValue("FileMenu", "MaxLastFiles", Format(n, "0"));
    for (int i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        ini.writeValue("FileMenu", numbered("LastFile", i), r.LastFile[k]);
        ini.writeValue("FileMenu", numbered("LastFileMode", i), Format(r.LastFileMode[k], "0"));
        ini.writeValue("FileMenu", numbered("LastFileLong", i), r.LastFileLong[k]);
    }
}

void readGraph(Settings& s, const ReadContext& c) {
    readKeys(s, c, "Graph", graphKeys);
    for (int i = 0; i < 4; ++i)
        s.XAxisTitle[static_cast<std::size_t>(i)] =
            c.ini.readString("Graph", numbered("XAxisTitle", i));
    s.YAxisTitle[0] = c.ini.readString("Graph", "YAxisTitle0");
    s.ShowAllConditions =
        ClampToLow(LeadingNumber(c.ini.readString("Graph", AllConditionsKey)), 0, 1);
}

void writeGraph(const Settings& s, IniFile& ini) {
    writeKeys(s, ini, "Graph", graphKeys);
    for (int i = 0; i < 4; ++i)
        ini.writeValue("Graph", numbered("XAxisTitle", i),
                       s.XAxisTitle[static_cast<std::size_t>(i)]);
    ini.writeValue("Graph", "YAxisTitle0", s.YAxisTitle[0]);
    // A file of a user who never charted all loading conditions keeps the described keys only.
    if (s.ShowAllConditions != 0 || ini.hasKey("Graph", AllConditionsKey))
        ini.writeValue("Graph", AllConditionsKey, Format(s.ShowAllConditions, "0"));
}

} // namespace

void WriteSettings(const Settings& s, const RecentFiles& r, IniFile& ini, int which) {
    const bool all = which == settingsPart::All;
    if (all || which == settingsPart::Settings) writeKeys(s, ini, "Settings", settingsKeys);
    if (all || which == settingsPart::FileMenu) writeFileMenu(r, ini);
    if (all || which == settingsPart::TextBrowse) writeKeys(s, ini, "TextBrowse", textBrowseKeys);
    if (all || which == settingsPart::Graph) writeGraph(s, ini);
    if (all || which == settingsPart::Options) writeKeys(s, ini, "KORAOptions", optionKeys);
}

std::int16_t ClampToLow(double value, int low, int high) {
    const double v = std::nearbyint(value);
    if (!(v >= low && v <= high)) return static_cast<std::int16_t>(low);
    return static_cast<std::int16_t>(v);
}

std::string DefaultFontName(const std::vector<std::string>& availableFonts) {
    return PickScreenFont(availableFonts);
}

std::string ReadIniVersion(const std::string& iniPath) {
    return IniFile(iniPath).readString("Version", "INIFileVersion");
}

bool WriteIniVersion(const std::string& iniPath) {
    return WriteIniValue("Version", "INIFileVersion", SettingsVersion, iniPath);
}

void ReadSettings(Settings& settings, RecentFiles& recent, const std::string& iniPath, int which,
                  const std::vector<std::string>& availableFonts,
                  const std::string& userDataFolder) {
    ReadSettings(settings, recent, IniFile(iniPath), which, availableFonts, userDataFolder);
}

void ReadSettings(Settings& settings, RecentFiles& recent, const IniFile& ini, int which,
                  const std::vector<std::string>& availableFonts,
                  const std::string& userDataFolder) {
    const ReadContext c{ini, availableFonts, userDataFolder};
    const bool all = which == settingsPart::All;
    if (all || which == settingsPart::Settings) readKeys(settings, c, "Settings", settingsKeys);
    if (all || which == settingsPart::FileMenu) readFileMenu(recent, ini);
    if (all || which == settingsPart::TextBrowse)
        readKeys(settings, c, "TextBrowse", textBrowseKeys);
    if (all || which == settingsPart::Graph) readGraph(settings, c);
    if (all || which == settingsPart::Options) readKeys(settings, c, "KORAOptions", optionKeys);
}

bool SaveSettings(const Settings& settings, const RecentFiles& recent, const std::string& iniPath,
                  int which, Messenger& messenger) {
    messenger.AddHistory("Saving default settings to file: " + iniPath);
    IniFile ini(iniPath);
    WriteSettings(settings, recent, ini, which);
    for (;;) {
        try {
            ini.save(iniPath);
            return true;
        } catch (const KoraError& e) {
            if (HandleError(messenger, e) != errorAnswer::Retry) return false;
        }
    }
}

bool EnsureSettingsFile(const std::string& iniPath, const Settings& defaults,
                        const RecentFiles& recent, Messenger& messenger, std::string* problem) {
    if (FileExists(iniPath)) {
        if (ReadIniVersion(iniPath) == SettingsVersion) return true;
        std::error_code ec;
        std::filesystem::remove(iniPath, ec);
        // A file that cannot be deleted is replaced by the fresh one below all the same.
    }
    messenger.AddHistory("Saving default settings to file: " + iniPath);
    IniFile ini;
    ini.writeValue("Version", "INIFileVersion", SettingsVersion);
    WriteSettings(defaults, recent, ini, settingsPart::All);
    try {
        ini.save(iniPath);
    } catch (const KoraError& e) {
        if (problem != nullptr)
            *problem = e.description() + " (" + std::to_string(e.number()) + ")";
        return false;
    }
    return true;
}

} // namespace kora
