#pragma once

#include "core/base/messenger.h"
#include "core/model/projectrecord.h"
#include "core/model/reportbuffer.h"
#include "core/model/settings.h"

#include <string>
#include <string_view>

namespace kora {

// The project file: plain text, one value per line, CR LF line ends, read back strictly by line
// order. Line 1 is the format tag, line 2 the unit system, line 3 the title, then the description
// between "##StartDesc##" and "##EndDesc##", then the inputs. Numbers are written with "." as the
// decimal separator whatever the user's locale.
inline constexpr const char* ProjectFileTag = "KORA_500";

// Resets the project to a new, empty one. With resetUnits the unit system becomes the default
// units of the settings; with resetNameFlag the path becomes "Untitled". Clears report pages 1..4.
void FileNew(ProjectRecord& p, ReportBuffer& out, const Settings& settings, Messenger& messenger,
             bool resetNameFlag, bool resetUnits);

// The exact bytes of the project file for the record, its description normalised as saving does.
// Raises KoraError 9 when NumEntries is above what the per-column arrays hold.
std::string ProjectFileText(const ProjectRecord& p);

// True when the project's file stays within the size the reader accepts (MaxTextFileBytes), so
// that it could be opened again; a description of megabytes read from a file may not.
bool ProjectFileFits(const ProjectRecord& p);
inline constexpr const char* ProjectTooLargeMessage =
    "The project file would be larger than 16 MiB and could not be opened again: shorten the "
    "description";

// Writes the project to p.ProjectPath, replacing the previous file only once the new one is
// completely written. Normalises the description in memory first, as saving always has.
// Returns true and marks the project saved. A project too large to be opened again is refused
// with ProjectTooLargeMessage: false, nothing written. A failed write raises KoraError, leaves
// the previous file as it was and the project marked unsaved.
bool FileSave(ProjectRecord& p, Messenger& messenger);

// Reads the project file content (the bytes of a file) into the record, which FileNew has just
// reset. Returns false after showing "Invalid file format" when the first item is not the tag.
// A damaged file raises KoraError (62 "Input past end of file", 13 "Type mismatch",
// 9 "Subscript out of range", 6 "Overflow") whose where() reads "Reading stopped at line n", and
// leaves what the lines read so far made of the record; NumEntries always stays within 1..6. The
// flags are not touched.
bool ReadProjectText(ProjectRecord& p, std::string_view content, Messenger& messenger);

// Opens p.ProjectPath: FileNew keeping the path and resetting the units, "Opening: " in the
// history, the file read, and the project marked saved, described and not empty. The question
// about unsaved changes is the caller's. Returns false after "Invalid file format"; file errors
// and damaged content raise KoraError with the project left consistent and still marked empty
// (for damaged content, where() also names the file: "Reading stopped at line n of <path>").
bool FileOpen(ProjectRecord& p, ReportBuffer& out, const Settings& settings, Messenger& messenger);

// The part of a path after the last "/" or "\"; with stripExtension only the part before its
// first "." (kept whole when the "." is its first character). Shows "Error in filename: " + path
// and returns the path unchanged when the path ends in a separator.
std::string ExtractFileName(std::string_view path, bool stripExtension, Messenger& messenger);

// ExtractFileName without the message (a path ending in a separator is returned unchanged).
std::string FileNamePart(std::string_view path, bool stripExtension);

// The window caption: base title + ": " + the path, shortened to its first 10 characters, "..."
// and its last 37 when it has 51 characters or more, followed by "*" when there are unsaved
// changes.
std::string CaptionText(std::string_view baseTitle, std::string_view path, bool saved);

} // namespace kora
