#include "project/textfile.h"

#include "base/koraerror.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

namespace kora {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void raiseForErrno(int code) {
    switch (code) {
    case ENOENT: throw KoraError(err::FileNotFound, "File not found");
    case ENOTDIR: throw KoraError(err::PathNotFound, "Path not found");
    case EACCES:
    case EPERM: throw KoraError(err::PermissionDenied, "Permission denied");
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        throw KoraError(err::DiskFull, "Disk full");
    case EIO: throw KoraError(err::DeviceIOError, "Device I/O error");
    default: throw KoraError(err::PathFileAccessError, "Path/File access error");
    }
}

// A missing folder on the way to a file being created is "Path not found", not "File not found".
[[noreturn]] void raiseForCreate(int code) {
    if (code == ENOENT) throw KoraError(err::PathNotFound, "Path not found");
    raiseForErrno(code);
}

void checkName(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos)
        throw KoraError(err::BadFileName, "Bad file name or number");
}

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the valid UTF-8 sequence at s[i], or 0 when the bytes there are not one.
std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    if (b(i + 1) < lo || b(i + 1) > hi) return 0;
    for (std::size_t k = 2; k < n; ++k)
        if (!isContinuation(b(i + k))) return 0;
    return n;
}

std::string temporaryName() {
    static constexpr char hex[] = "0123456789abcdef";
    std::random_device rd;
    std::mt19937 gen(rd());
    std::string name = ".kora-";
    for (int i = 0; i < 12; ++i) name += hex[gen() % 16];
    return name + ".tmp";
}

} // namespace

std::string ReadTextFile(const std::string& path, std::size_t maxBytes) {
    checkName(path);
    std::error_code ec;
    if (fs::is_directory(fs::path(path), ec))
        throw KoraError(err::PathFileAccessError, "Path/File access error");
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) raiseForErrno(errno);
    std::string data;
    std::array<char, 65536> buf{};
    while (true) {
        const std::size_t n = std::fread(buf.data(), 1, buf.size(), f);
        if (n > 0) {
            if (data.size() + n > maxBytes) {
                std::fclose(f);
                throw KoraError(7, "Out of memory");
            }
            data.append(buf.data(), n);
        }
        if (n < buf.size()) break;
    }
    const bool failed = std::ferror(f) != 0;
    const int code = errno;
    std::fclose(f);
    if (failed) raiseForErrno(code == 0 ? EIO : code);
    return data;
}

std::string DecodeText(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t n = utf8SequenceLength(bytes, i);
        if (n > 0) {
            out.append(bytes.substr(i, n));
            i += n;
        } else {
            const auto c = static_cast<unsigned char>(bytes[i]);
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
            ++i;
        }
    }
    return out;
}

void WriteTextFileAtomically(const std::string& path, std::string_view bytes) {
    checkName(path);
    fs::path target(path);
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::canonical(target, ec);
        if (!ec) target = resolved;
    }
    if (fs::is_directory(target, ec))
        throw KoraError(err::PathFileAccessError, "Path/File access error");
    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";

    fs::path tmp;
    std::FILE* f = nullptr;
    for (int attempt = 0; attempt < 100 && !f; ++attempt) {
        tmp = dir / temporaryName();
        errno = 0;
        f = std::fopen(tmp.c_str(), "wbx");
        if (!f && errno != EEXIST) raiseForCreate(errno);
    }
    if (!f) throw KoraError(err::PathFileAccessError, "Path/File access error");

    const auto fail = [&](int code) {
        if (f) std::fclose(f);
        std::error_code ignored;
        fs::remove(tmp, ignored);
        raiseForErrno(code == 0 ? EIO : code);
    };
    errno = 0;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size())
        fail(errno);
    if (std::fflush(f) != 0) fail(errno);
    const int closed = std::fclose(f);
    f = nullptr;
    if (closed != 0) fail(errno);

    // Keep the permissions of the file being replaced.
    const auto st = fs::status(target, ec);
    if (!ec && fs::exists(st)) fs::permissions(tmp, st.permissions(), ec);

    fs::rename(tmp, target, ec);
    if (ec) fail(ec.value());
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        if (!isContinuation(static_cast<unsigned char>(c))) ++n;
    return n;
}

std::string CharacterSlice(std::string_view text, std::size_t first, std::size_t count) {
    std::size_t index = 0, begin = text.size(), end = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuation(static_cast<unsigned char>(text[i]))) continue;
        if (index == first) begin = i;
        if (index == first + count) {
            end = i;
            break;
        }
        ++index;
    }
    if (begin >= end) return {};
    return std::string(text.substr(begin, end - begin));
}

} // namespace kora
