#pragma once

#include <string>
#include <string_view>

namespace kora {

// The line that ends the description in a project file.
inline constexpr std::string_view EndDescriptionMarker = "##EndDesc##";

// The description as it is saved and listed: lines whose text is blank are dropped, lines longer
// than 60 characters (blanks around them not counted) are wrapped by WrapDescriptionLine, and the
// lines are joined by CR LF without a final line end. Lines may come separated by CR LF, CR or LF.
// A wrapped piece of blanks is dropped too, and a line that reads "##EndDesc##" gets a leading
// blank, so that the saved description reads back exactly as it was written.
std::string NormalizeDescription(std::string_view description);

// Breaks one line into pieces of at most 60 characters (not bytes) joined by CR LF: at 60 when
// character 60 is a blank, else after the last blank between positions 59 and 40, else at 60 (the
// word is split). The blank at a cut stays at the end of its piece.
std::string WrapDescriptionLine(std::string_view line);

} // namespace kora
