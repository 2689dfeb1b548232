#include "core/settings/fileassociation.h"

#include "core/base/koraerror.h"
#include "core/base/textfile.h"
#include "core/base/textutil.h"
#include "core/settings/settingsfile.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <vector>

namespace kora {

namespace fs = std::filesystem;

namespace {

// The executable name as it may appear in a file name and a MIME type.
std::string safeName(const std::string& name) {
    std::string s;
    for (char c : name)
        s += (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' || c == '-' ||
              c == '+')
                 ? c
                 : '_';
    return s.empty() ? std::string("kora") : s;
}

std::string xmlEscaped(std::string_view text) {
    std::string s;
    for (char c : text) {
        switch (c) {
        case '&':
            s += "&amp;";
            break;
        case '<':
            s += "&lt;";
            break;
        case '>':
            s += "&gt;";
            break;
        case '"':
            s += "&quot;";
            break;
        case '\'':
            s += "&apos;";
            break;
        default:
            s += c;
        }
    }
    return s;
}

// The program path as one quoted argument of a desktop entry's Exec line.
std::string execArgument(std::string_view path) {
    std::string s = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') s += '\\';
        if (c == '%') s += '%';
        s += c;
    }
    return s + "\"";
}

// A desktop entry string value: backslashes and control characters escaped.
std::string desktopEscaped(std::string_view text) {
    std::string s;
    for (char c : text) {
        switch (c) {
        case '\\':
            s += "\\\\";
            break;
        case '\n':
            s += "\\n";
            break;
        case '\r':
            s += "\\r";
            break;
        case '\t':
            s += "\\t";
            break;
        default:
            s += c;
        }
    }
    return s;
}

std::string dataHome(const std::string& given) {
    if (!given.empty()) return given;
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.local/share";
    throw KoraError(err::PathNotFound, "Path not found");
}

void makeFolders(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder, ec))
        throw KoraError(err::PathFileAccessError, "Path/File access error");
}

std::string shellQuoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// The full path of a program found on PATH, or "" when it is not installed.
std::string findProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (!path) return {};
    const std::string_view dirs(path);
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const auto colon = std::min(dirs.find(':', start), dirs.size());
        const std::string dir(dirs.substr(start, colon - start));
        start = colon + 1;
        if (dir.empty()) continue;
        const fs::path candidate = fs::path(dir) / name;
        std::error_code ec;
        const auto st = fs::status(candidate, ec);
        if (!ec && fs::is_regular_file(st) &&
            (st.permissions() & (fs::perms::owner_exec | fs::perms::group_exec |
                                 fs::perms::others_exec)) != fs::perms::none)
            return candidate.string();
    }
    return {};
}

// Runs a cache refresh tool when it is installed; its outcome does not matter to the association.
void refreshCache(const std::string& tool, const fs::path& folder) {
    const std::string program = findProgram(tool);
    if (program.empty() || std::system(nullptr) == 0) return;
    const std::string command =
        shellQuoted(program) + " " + shellQuoted(folder.string()) + " >/dev/null 2>&1";
    [[maybe_unused]] const int ignored = std::system(command.c_str());
}

} // namespace

std::string MimeTypeName(const std::string& executableName) {
    return "application/x-" + LowerCase(safeName(executableName)) + "-document";
}

std::string MimePackageXml(const std::string& executableName, const std::string& extension) {
    const std::string ext = extension.empty() ? std::string(DefaultFileExtension) : extension;
    std::vector<std::string> globs{"*." + ext};
    for (const std::string& g : {"*." + UpperCase(ext), "*." + LowerCase(ext)})
        if (g != globs.front() && (globs.size() < 2 || g != globs.back())) globs.push_back(g);

    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"" +
        MimeTypeName(executableName) +
        "\">\n"
        "    <comment>" +
        xmlEscaped(executableName + " Document") + "</comment>\n";
    for (const auto& g : globs) xml += "    <glob pattern=\"" + xmlEscaped(g) + "\"/>\n";
    xml += "  </mime-type>\n</mime-info>\n";
    return xml;
}

FileAssociation AssociateExtension(const std::string& xdgDataHome,
                                   const std::string& executablePath, const std::string& extension,
                                   Messenger& messenger) {
    const fs::path home(dataHome(xdgDataHome));
    const std::string exe = fs::path(executablePath).filename().string();
    const std::string ext = extension.empty() ? std::string(DefaultFileExtension) : extension;

    FileAssociation a;
    a.TypeName = safeName(exe) + ".Document";
    a.Description = exe + " Document";
    a.MimeType = MimeTypeName(exe);
    a.Command = execArgument(executablePath) + " %f";
    const std::string xml = MimePackageXml(exe, ext);

    const std::string desktop = "[Desktop Entry]\n"
                                "Type=Application\n"
                                "Name=" +
                                desktopEscaped(exe) +
                                "\n"
                                "Comment=" +
                                desktopEscaped(a.Description) +
                                "\n"
                                "Exec=" +
                                desktopEscaped(a.Command) +
                                "\n"
                                "MimeType=" +
                                a.MimeType +
                                ";\n"
                                "NoDisplay=true\n"
                                "Terminal=false\n";

    const fs::path mimeFolder = home / "mime";
    const fs::path packages = mimeFolder / "packages";
    const fs::path applications = home / "applications";
    makeFolders(packages);
    makeFolders(applications);
    a.MimeFile = (packages / (a.TypeName + ".xml")).string();
    a.DesktopFile = (applications / (a.TypeName + ".desktop")).string();
    WriteTextFileAtomically(a.MimeFile, xml);
    WriteTextFileAtomically(a.DesktopFile, desktop);

    refreshCache("update-mime-database", mimeFolder);
    refreshCache("update-desktop-database", applications);

    messenger.ShowMessage("The file association for " + ext + " has been made to " + a.Command);
    return a;
}

bool CreateFileAssociation(const std::string& xdgDataHome, const std::string& executablePath,
                           const std::string& extension, Messenger& messenger) {
    const int answer = messenger.ShowMessage(
        "This operation may break an existing association of file extension " + extension +
            " with other programs on this computer. Proceed?",
        mb::YesNo | mb::Question);
    if (answer != mb::AnswerYes) return false;
    AssociateExtension(xdgDataHome, executablePath, extension, messenger);
    std::string appFolder = fs::path(executablePath).parent_path().string();
    if (!appFolder.empty() && appFolder.back() != '/') appFolder += '/';
    const std::string exe = fs::path(executablePath).filename().string();
    messenger.AddHistory(appFolder + " " + exe + " " + extension);
    return true;
}

} // namespace kora
