#include "core/project/projectfile.h"

#include "core/base/numberformat.h"
#include "core/base/textfile.h"
#include "core/base/textutil.h"
#include "core/project/description.h"

#include <cmath>
#include <cstdint>

namespace kora {

namespace {

// Reads the project file the way a comma/blank-delimited list reader does: numeric items end at
// a blank, a comma or the end of a line; text items at a comma or the end of a line; the title
// and description lines are taken whole. Lines may end in CR LF, CR or LF. Every read past the
// end of the text raises "Input past end of file". Each error names the line at which reading
// stopped.
class ListReader {
public:
    explicit ListReader(std::string_view text) : m_text(text) {}

    std::string readLine() {
        requireMore();
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && !isLineEnd(m_text[m_pos])) ++m_pos;
        std::string line(m_text.substr(start, m_pos - start));
        skipLineEnd();
        return line;
    }

    std::string readTextItem() {
        skipBlanks();
        requireMore();
        std::string item;
        if (m_text[m_pos] == '"') {
            ++m_pos;
            const std::size_t start = m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] != '"' && !isLineEnd(m_text[m_pos]))
                ++m_pos;
            item = m_text.substr(start, m_pos - start);
            if (m_pos < m_text.size() && m_text[m_pos] == '"') ++m_pos;
        } else {
            const std::size_t start = m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] != ',' && !isLineEnd(m_text[m_pos]))
                ++m_pos;
            item = Trim(m_text.substr(start, m_pos - start));
        }
        skipDelimiter();
        return item;
    }

    // A single-precision value; "Type mismatch" when the item is not a number, "Overflow" when it
    // does not fit a single.
    float readReal() {
        const double v = readNumber();
        // Values from the largest single up to half a unit beyond it still round to it.
        if (!(std::fabs(v) < 0x1.ffffffp127)) throw KoraError(err::Overflow, "Overflow", where());
        return static_cast<float>(v);
    }

    // A 16-bit integer; a fraction rounds to the nearest integer, a tie to the even one.
    std::int16_t readInteger() {
        const double v = std::nearbyint(readNumber());
        if (!(v >= -32768.0 && v <= 32767.0)) throw KoraError(err::Overflow, "Overflow", where());
        return static_cast<std::int16_t>(v);
    }

    // "Reading stopped at line n": the line of the item being read (its line ends counted as
    // CR LF, CR or LF).
    std::string where() const {
        std::size_t line = 1;
        for (std::size_t i = 0; i < m_mark && i < m_text.size(); ++i) {
            if (m_text[i] == '\n' ||
                (m_text[i] == '\r' && (i + 1 >= m_text.size() || m_text[i + 1] != '\n')))
                ++line;
        }
        return "Reading stopped at line " + std::to_string(line);
    }

private:
    static bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
    static bool isBlank(char c) { return c == ' ' || c == '\t'; }

    void requireMore() {
        m_mark = m_pos;
        if (m_pos >= m_text.size())
            throw KoraError(err::InputPastEndOfFile, "Input past end of file", where());
    }

    void skipBlanks() {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos])) ++m_pos;
    }

    void skipLineEnd() {
        if (m_pos < m_text.size() && m_text[m_pos] == '\r') ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == '\n') ++m_pos;
    }

    // After an item: blanks, then one comma or one line end.
    void skipDelimiter() {
        skipBlanks();
        if (m_pos < m_text.size() && m_text[m_pos] == ',')
            ++m_pos;
        else
            skipLineEnd();
    }

    double readNumber() {
        // A number skips blanks and empty lines before it.
        while (m_pos < m_text.size() && (isBlank(m_text[m_pos]) || isLineEnd(m_text[m_pos])))
            ++m_pos;
        requireMore();
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && !isBlank(m_text[m_pos]) && m_text[m_pos] != ',' &&
               !isLineEnd(m_text[m_pos]))
            ++m_pos;
        const std::string_view item = m_text.substr(start, m_pos - start);
        skipDelimiter();
        if (item.empty()) return 0;
        if (!IsNumericText(item)) throw KoraError(err::TypeMismatch, "Type mismatch", where());
        return LeadingNumber(item);
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_mark = 0; // where the item being read begins
};

// A title is one line of the file; a line break in it would shift every later line.
std::string oneLine(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

} // namespace

void FileNew(ProjectRecord& p, ReportBuffer& out, const Settings& settings, Messenger& messenger,
             bool resetNameFlag, bool resetUnits) {
    if (resetUnits) p.UnitSystem = settings.DefaultUnits;
    if (resetNameFlag) p.ProjectPath = "Untitled";
    p.ProjectSaved = true;
    p.ProjectEmpty = true;
    p.DescriptionSet = false;
    for (std::size_t i = 1; i < out.OutBuf.size(); ++i) out.OutBuf[i].clear();
    SetDefaultInputs(p);
    messenger.AddHistory("File initialized. Use Edit-Project Parameters to enter data");
}

std::string ProjectFileText(const ProjectRecord& p) {
    std::string s;
    const auto line = [&s](std::string_view text) {
        s += text;
        s += CRLF;
    };
    const auto real = [&line](float v) { line(ToDotDecimal(v)); };
    const auto integer = [&line](long v) { line(FileInteger(v)); };

    line(ProjectFileTag);
    integer(p.UnitSystem);
    line(oneLine(p.ProjectTitle));
    line("##StartDesc##");
    line(NormalizeDescription(p.ProjectDescription));
    line("##EndDesc##");
    real(p.EntryHeight);
    real(p.DepthOfCover);
    real(p.PanelWidth);
    real(p.EntryWidth);
    real(p.CrosscutSpacing);
    integer(p.NumEntries);
    for (int i = 1; i <= p.NumEntries - 1; ++i) line(FileNativeReal(p.CenterDistance[i]));
    real(p.CoalStrength);
    real(p.AbutmentAngle);
    real(p.UnitWeight);
    real(p.HeadgateSF);
    real(p.BleederSF);
    real(p.TailgateSF);
    real(p.CMRRValue);
    integer(p.UseCMRR);
    integer(p.ConfigMode);
    real(p.YieldPillarWidth);
    integer(p.AdvGeometry);
    for (int i = 1; i <= p.NumEntries - 1; ++i) {
        real(p.XcutAngle[i]);
        real(p.XcutSpacing[i]);
    }
    return s;
}

bool ProjectFileFits(const ProjectRecord& p) {
    return ProjectFileText(p).size() <= MaxTextFileBytes;
}

bool FileSave(ProjectRecord& p, Messenger& messenger) {
    messenger.AddHistory("Saving: " + p.ProjectPath);
    try {
        p.ProjectDescription = NormalizeDescription(p.ProjectDescription);
        const std::string text = ProjectFileText(p);
        if (text.size() > MaxTextFileBytes) {
            messenger.ShowMessage(ProjectTooLargeMessage, mb::OK | mb::Exclamation);
            p.ProjectSaved = false;
            return false;
        }
        WriteTextFileAtomically(p.ProjectPath, text);
    } catch (const KoraError&) {
        p.ProjectSaved = false;
        throw;
    }
    p.ProjectSaved = true;
    return true;
}

bool ReadProjectText(ProjectRecord& p, std::string_view content, Messenger& messenger) {
    const std::string text = DecodeText(content);
    ListReader in(text);

    if (in.readTextItem() != ProjectFileTag) {
        messenger.ShowMessage("Invalid file format", mb::OK);
        return false;
    }
    const std::int16_t units = in.readInteger();
    p.UnitSystem = (units < 0 || units > 1) ? std::int16_t{0} : units;
    p.ProjectTitle = in.readLine();

    p.ProjectDescription.clear();
    std::string line = in.readLine();
    if (line == "##StartDesc##") line = in.readLine();
    while (line != "##EndDesc##") {
        if (!Trim(line).empty()) {
            p.ProjectDescription += line;
            p.ProjectDescription += CRLF;
        }
        line = in.readLine();
    }

    p.EntryHeight = in.readReal();
    p.DepthOfCover = in.readReal();
    p.PanelWidth = in.readReal();
    p.EntryWidth = in.readReal();
    p.CrosscutSpacing = in.readReal();
    std::int16_t entries = in.readInteger();
    if (entries == 0) entries = 1;
    // The per-column arrays hold five pillar columns; a count outside 1..6 cannot be loaded.
    if (entries < 1 || entries > p.CenterDistance.size() + 1)
        throw KoraError(err::SubscriptOutOfRange, "Subscript out of range", in.where());
    p.NumEntries = entries;
    for (int i = 1; i <= p.NumEntries - 1; ++i) p.CenterDistance[i] = in.readReal();

    p.CoalStrength = in.readReal();
    p.AbutmentAngle = in.readReal();
    p.UnitWeight = in.readReal();
    p.HeadgateSF = in.readReal();
    p.BleederSF = in.readReal();
    p.TailgateSF = in.readReal();
    p.CMRRValue = in.readReal();
    const std::int16_t useCmrr = in.readInteger();
    p.UseCMRR = (useCmrr < 0 || useCmrr > 1) ? std::int16_t{0} : useCmrr;
    const std::int16_t mode = in.readInteger();
    p.ConfigMode = (mode < 0 || mode > 3) ? std::int16_t{0} : mode;
    p.YieldPillarWidth = in.readReal();
    const std::int16_t advanced = in.readInteger();
    p.AdvGeometry = (advanced < 0 || advanced > 1) ? std::int16_t{0} : advanced;
    for (int i = 1; i <= p.NumEntries - 1; ++i) {
        p.XcutAngle[i] = in.readReal();
        p.XcutSpacing[i] = in.readReal();
    }
    return true;
}

bool FileOpen(ProjectRecord& p, ReportBuffer& out, const Settings& settings, Messenger& messenger) {
    FileNew(p, out, settings, messenger, false, true);
    messenger.AddHistory("Opening: " + p.ProjectPath);
    const std::string content = ReadTextFile(p.ProjectPath);
    try {
        if (!ReadProjectText(p, content, messenger)) return false;
    } catch (const KoraError& e) {
        throw KoraError(e.number(), e.description(), e.where() + " of " + p.ProjectPath);
    }
    p.ProjectSaved = true;
    p.DescriptionSet = true;
    p.ProjectEmpty = false;
    return true;
}

std::string FileNamePart(std::string_view path, bool stripExtension) {
    if (!path.empty() && isSeparator(path.back())) return std::string(path);
    const auto sep = path.find_last_of("/\\");
    std::string name(sep == std::string_view::npos ? path : path.substr(sep + 1));
    if (stripExtension) {
        const auto dot = name.find('.');
        if (dot != std::string::npos && dot > 0) name.erase(dot);
    }
    return name;
}

std::string ExtractFileName(std::string_view path, bool stripExtension, Messenger& messenger) {
    if (!path.empty() && isSeparator(path.back()))
        messenger.ShowMessage("Error in filename: " + std::string(path));
    return FileNamePart(path, stripExtension);
}

std::string CaptionText(std::string_view baseTitle, std::string_view path, bool saved) {
    std::string shown(path);
    const std::size_t n = CharacterCount(path);
    if (n >= 51) shown = CharacterSlice(path, 0, 10) + "..." + CharacterSlice(path, n - 37, 37);
    std::string caption = std::string(baseTitle) + ": " + shown;
    if (!saved) caption += "*";
    return caption;
}

} // namespace kora
