#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kora {

// Reading and writing the program's text files (project files, the settings file, copied
// examples). Failures are raised as KoraError with the classic error numbers:
// 53 "File not found", 70 "Permission denied", 76 "Path not found", 61 "Disk full",
// 75 "Path/File access error", 7 "Out of memory" (a file larger than the reader accepts).

// The largest file ReadTextFile accepts by default. Project and settings files are a few hundred
// bytes; anything near this size is junk and is refused instead of being loaded into memory.
inline constexpr std::size_t MaxTextFileBytes = 16u * 1024u * 1024u;

// Raises the classic KoraError for the errno of a failed file operation (ENOENT: 53 "File not
// found"; a read-only file system: 70 "Permission denied").
[[noreturn]] void RaiseFileError(int errnoCode);

// Raises 52 "Bad file name or number" for an empty name or one with a NUL character in it.
void CheckFileName(const std::string& path);

// The raw bytes of a file.
std::string ReadTextFile(const std::string& path, std::size_t maxBytes = MaxTextFileBytes);

// The text as UTF-8: valid UTF-8 sequences are kept, every other byte is taken as a Latin-1
// character (so files written by older 8-bit programs keep their accented letters). A UTF-8 byte
// order mark at the start, as some editors write, is dropped.
std::string DecodeText(std::string_view bytes);

// Replaces (or creates) the file with the given bytes through a TextFileWriter, so that a failure
// never destroys the previous file.
void WriteTextFileAtomically(const std::string& path, std::string_view bytes);

// The number of characters (UTF-8 code points) of a text.
std::size_t CharacterCount(std::string_view text);

// The characters [first, first + count) of a UTF-8 text, counted in code points.
std::string CharacterSlice(std::string_view text, std::size_t first, std::size_t count);

// The byte offset at which character `index` (counted from 0 in code points) of a UTF-8 text
// begins; the size of the text when it has no such character. A cut there never splits a
// character.
std::size_t CharacterOffset(std::string_view text, std::size_t index);

} // namespace kora
