#pragma once

#include "core/base/messenger.h"

#include <optional>
#include <string>
#include <string_view>

namespace kora {

// The message box titles a dialog uses for its input messages: the dialog's area prefix
// ("Project Parameters: ", "Settings: ", ...) followed by a fixed word, and "Message".
struct MessageTitles {
    std::string RangeError;
    std::string RangeWarning;
    std::string InvalidCharacter;
    std::string Error;
    std::string LogicError;
    std::string Message = "Message";
};

// The titles for an area 1..13 of the program: 1 "Project Description: ", 2 "Project
// Parameters: ", 7 "Program Options: ", 8 "Settings: "; the other areas (and any area outside
// 1..13) have no prefix.
MessageTitles SetMessageTitles(int area);

// The message of CheckRange for a text field, or nothing when its value lies within low..high.
std::optional<std::string> RangeMessage(std::string_view text, double low, double high,
                                        std::string_view field);

// Checks one text field against the inclusive range low..high. A blank field, or a value (the
// leading numeric part of the text, 0 without one) outside the range, shows a critical message
// titled with the range error title, prefixed by field + ": " when the field name is given, and
// gives false.
bool CheckRange(std::string_view text, double low, double high, std::string_view field,
                const MessageTitles& titles, Messenger& messenger);

} // namespace kora
