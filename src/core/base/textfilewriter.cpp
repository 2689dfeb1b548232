#include "core/base/textfilewriter.h"

#include "core/base/koraerror.h"
#include "core/base/textfile.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <random>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace kora {

namespace fs = std::filesystem;

namespace {

int lastError() {
    return errno != 0 ? errno : EIO;
}

std::string temporaryName() {
    static constexpr char hex[] = "0123456789abcdef";
    std::random_device rd;
    std::mt19937 gen(rd());
    std::string name = ".kora-";
    for (int i = 0; i < 12; ++i) name += hex[gen() % 16];
    return name + ".tmp";
}

// An existing file that may not be written: no write permission at all (which holds even for an
// administrator), or none for this user.
bool isReadOnlyFile(const fs::path& file) {
    std::error_code ec;
    const auto st = fs::status(file, ec);
    if (ec || !fs::is_regular_file(st)) return false;
    constexpr auto anyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((st.permissions() & anyWrite) == fs::perms::none) return true;
#if defined(__unix__) || defined(__APPLE__)
    return ::access(file.c_str(), W_OK) != 0;
#else
    return false;
#endif
}

// The file a symbolic link names, following a chain of links; a link to no file yet gives the
// path of the file it would be, so that the save creates it there and the link stays.
fs::path followLinks(fs::path target) {
    std::error_code ec;
    for (int depth = 0; fs::is_symlink(target, ec); ++depth) {
        const fs::path next = fs::read_symlink(target, ec);
        // A loop of links fails as opening it would (ELOOP).
        if (ec || depth == 40) throw KoraError(err::PathFileAccessError, "Path/File access error");
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    const fs::path resolved = fs::weakly_canonical(target, ec);
    return ec ? target : resolved;
}

} // namespace

TextFileWriter::TextFileWriter(const std::string& path) {
    CheckFileName(path);
    fs::path target(path);
    std::error_code ec;
    if (fs::is_symlink(target, ec)) target = followLinks(target);
    if (fs::is_directory(target, ec))
        throw KoraError(err::PathFileAccessError, "Path/File access error");
    // The rename below would replace a read-only file in a writable folder: refuse it as a
    // read-only folder is refused.
    if (isReadOnlyFile(target)) throw KoraError(err::PermissionDenied, "Permission denied");
    m_path = target.string();
    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";

    // A name nobody else uses: the temporary file is created exclusively.
    for (int attempt = 0; attempt < 100 && m_file == nullptr; ++attempt) {
        m_temp = (dir / temporaryName()).string();
        errno = 0;
        m_file = std::fopen(m_temp.c_str(), "wbx");
        if (m_file == nullptr && errno != EEXIST) {
            // A missing folder on the way is "Path not found", not "File not found".
            const int code = errno;
            if (code == ENOENT) throw KoraError(err::PathNotFound, "Path not found");
            RaiseFileError(code);
        }
    }
    if (m_file == nullptr) throw KoraError(err::PathFileAccessError, "Path/File access error");
}

TextFileWriter::~TextFileWriter() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        std::remove(m_temp.c_str());
    }
}

void TextFileWriter::fail(int errorNumber) {
    if (m_file != nullptr) std::fclose(m_file);
    m_file = nullptr;
    std::remove(m_temp.c_str());
    RaiseFileError(errorNumber);
}

void TextFileWriter::write(std::string_view text) {
    if (m_file == nullptr || text.empty()) return;
    errno = 0;
    if (filestep::Write(text.data(), text.size(), m_file) != text.size()) fail(lastError());
}

void TextFileWriter::commit() {
    if (m_file == nullptr) return;
    errno = 0;
    if (filestep::Flush(m_file) != 0) fail(lastError());
    std::FILE* f = m_file;
    m_file = nullptr;
    errno = 0;
    if (filestep::Close(f) != 0) fail(lastError());

    // Keep the permissions of the file being replaced.
    std::error_code ec;
    const auto st = fs::status(m_path, ec);
    if (!ec && fs::exists(st)) fs::permissions(m_temp, st.permissions(), ec);

    if (const int code = filestep::Rename(m_temp, m_path); code != 0) fail(code);
}

void IgnoreFileSizeSignal() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace kora
