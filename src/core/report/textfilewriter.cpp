#include "report/textfilewriter.h"

#include "base/koraerror.h"

#include <cerrno>
#include <cstdio>

namespace kora {

namespace {

[[noreturn]] void fail(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR: throw KoraError(err::PathNotFound, "Path not found");
    case EACCES:
    case EPERM:
    case EROFS: throw KoraError(err::PermissionDenied, "Permission denied");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG: throw KoraError(err::DiskFull, "Disk full");
    case EIO: throw KoraError(err::DeviceIOError, "Device I/O error");
    default: throw KoraError(err::PathFileAccessError, "Path/File access error");
    }
}

} // namespace

void WriteTextFile(const std::string& path, std::string_view content) {
    if (path.empty()) throw KoraError(err::BadFileName, "Bad file name or number");
    const std::string temp = path + ".kora-tmp";
    errno = 0;
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (f == nullptr) fail(errno);

    int error = 0;
    if (!content.empty() && std::fwrite(content.data(), 1, content.size(), f) != content.size())
        error = errno != 0 ? errno : EIO;
    if (error == 0 && std::fflush(f) != 0) error = errno != 0 ? errno : EIO;
    if (std::fclose(f) != 0 && error == 0) error = errno != 0 ? errno : EIO;
    if (error == 0 && std::rename(temp.c_str(), path.c_str()) != 0)
        error = errno != 0 ? errno : EIO;
    if (error != 0) {
        std::remove(temp.c_str());
        fail(error);
    }
}

} // namespace kora
