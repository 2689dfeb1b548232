#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace kora {

// Writes a text file so that an existing file of that path is replaced only once the new content
// is completely on disk: the text goes to a temporary file beside the target, every write, the
// flush and the close are checked, and commit() renames the temporary file over the target. A
// symbolic link is followed, so the file it points to is replaced (or created, when the link
// points to no file yet: the link stays a link), and the permissions of the replaced file are
// kept; a read-only file is not replaced. A failure throws KoraError with the
// classic number: 76 "Path not found", 70 "Permission denied", 61 "Disk full", 57 "Device I/O
// error" or 75 "Path/File access error"; the temporary file is then removed and any previous file
// is left untouched, as it is when the writer is destroyed without commit().
class TextFileWriter {
public:
    explicit TextFileWriter(const std::string& path);
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    void write(std::string_view text);
    void commit();

    // The file that is replaced (a symbolic link already resolved).
    const std::string& path() const { return m_path; }

private:
    [[noreturn]] void fail(int errorNumber);

    std::string m_path;
    std::string m_temp;
    std::FILE* m_file = nullptr;
};

// The steps of a save that touch the disk, each reporting as the C library does: Write the
// count written (short with errno set on failure), Flush and Close 0 or EOF with errno set (Close
// releases the stream either way), Rename 0 or the errno value. They live in a file of their own
// (filestep.cpp) so that a test program can link versions that fail on demand and prove that
// every failed save leaves the previous file as it was.
namespace filestep {
std::size_t Write(const void* data, std::size_t size, std::FILE* file);
int Flush(std::FILE* file);
int Close(std::FILE* file);
int Rename(const std::string& from, const std::string& to);
} // namespace filestep

// A write beyond the file-size limit of the process would end the program with SIGXFSZ before
// the writer could remove its temporary file. The programs call this once at start-up, so that
// such a write fails as a full disk does ("Disk full").
void IgnoreFileSizeSignal();

} // namespace kora
