#include "report/textfilewriter.h"

#include "base/koraerror.h"

#include <cerrno>

namespace kora {

namespace {

[[noreturn]] void throwFor(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        throw KoraError(err::PathNotFound, "Path not found");
    case EACCES:
    case EPERM:
    case EROFS:
        throw KoraError(err::PermissionDenied, "Permission denied");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        throw KoraError(err::DiskFull, "Disk full");
    case EIO:
        throw KoraError(err::DeviceIOError, "Device I/O error");
    default:
        throw KoraError(err::PathFileAccessError, "Path/File access error");
    }
}

int lastError() {
    return errno != 0 ? errno : EIO;
}

} // namespace

TextFileWriter::TextFileWriter(std::string path) : m_path(std::move(path)) {
    if (m_path.empty()) throw KoraError(err::BadFileName, "Bad file name or number");
    m_temp = m_path + ".kora-tmp";
    errno = 0;
    m_file = std::fopen(m_temp.c_str(), "wb");
    if (m_file == nullptr) throwFor(lastError());
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
    throwFor(errorNumber);
}

void TextFileWriter::write(std::string_view text) {
    if (m_file == nullptr || text.empty()) return;
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), m_file) != text.size()) fail(lastError());
}

void TextFileWriter::commit() {
    if (m_file == nullptr) return;
    errno = 0;
    if (std::fflush(m_file) != 0) fail(lastError());
    std::FILE* f = m_file;
    m_file = nullptr;
    if (std::fclose(f) != 0) {
        const int e = lastError();
        std::remove(m_temp.c_str());
        throwFor(e);
    }
    if (std::rename(m_temp.c_str(), m_path.c_str()) != 0) {
        const int e = lastError();
        std::remove(m_temp.c_str());
        throwFor(e);
    }
}

void WriteTextFile(const std::string& path, std::string_view content) {
    TextFileWriter writer(path);
    writer.write(content);
    writer.commit();
}

} // namespace kora
