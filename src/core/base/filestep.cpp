#include "core/base/textfilewriter.h"

#include <cerrno>
#include <cstdio>

// Only the file steps of TextFileWriter: a test program that links its own versions must not
// find anything else here.
namespace kora::filestep {

std::size_t Write(const void* data, std::size_t size, std::FILE* file) {
    return std::fwrite(data, 1, size, file);
}

int Flush(std::FILE* file) {
    return std::fflush(file);
}

int Close(std::FILE* file) {
    return std::fclose(file);
}

int Rename(const std::string& from, const std::string& to) {
    errno = 0;
    if (std::rename(from.c_str(), to.c_str()) == 0) return 0;
    return errno != 0 ? errno : EIO;
}

} // namespace kora::filestep
