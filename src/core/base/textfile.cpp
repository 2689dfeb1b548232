#include "core/base/textfile.h"

#include "core/base/koraerror.h"
#include "core/base/textfilewriter.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace kora {

namespace fs = std::filesystem;

namespace {

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence at s[i], or 0 when the bytes there are not one.
std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF)
        n = 2;
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

} // namespace

void RaiseFileError(int code) {
    switch (code) {
    case ENOENT:
        throw KoraError(err::FileNotFound, "File not found");
    case ENOTDIR:
        throw KoraError(err::PathNotFound, "Path not found");
    case EACCES:
    case EPERM:
    case EROFS:
        throw KoraError(err::PermissionDenied, "Permission denied");
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        throw KoraError(err::DiskFull, "Disk full");
    case EIO:
        throw KoraError(err::DeviceIOError, "Device I/O error");
    default:
        throw KoraError(err::PathFileAccessError, "Path/File access error");
    }
}

void CheckFileName(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos)
        throw KoraError(err::BadFileName, "Bad file name or number");
}

std::string ReadTextFile(const std::string& path, std::size_t maxBytes) {
    CheckFileName(path);
    std::error_code ec;
    if (fs::is_directory(fs::path(path), ec))
        throw KoraError(err::PathFileAccessError, "Path/File access error");
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) RaiseFileError(errno);
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
    if (failed) RaiseFileError(code == 0 ? EIO : code);
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
    TextFileWriter file(path);
    file.write(bytes);
    file.commit();
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        if (!isContinuation(static_cast<unsigned char>(c))) ++n;
    return n;
}

std::size_t CharacterOffset(std::string_view text, std::size_t index) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuation(static_cast<unsigned char>(text[i]))) continue;
        if (count == index) return i;
        ++count;
    }
    return text.size();
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
