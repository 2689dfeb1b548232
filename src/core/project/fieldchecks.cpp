#include "core/project/fieldchecks.h"

#include "core/base/numberformat.h"
#include "core/base/textutil.h"

#include <array>

namespace kora {

MessageTitles SetMessageTitles(int area) {
    static constexpr std::array<const char*, 13> prefixes = {"Project Description: ",
                                                             "Project Parameters: ",
                                                             "",
                                                             "",
                                                             "",
                                                             "",
                                                             "Program Options: ",
                                                             "Settings: ",
                                                             "",
                                                             "",
                                                             "",
                                                             "",
                                                             ""};
    const std::string prefix =
        (area >= 1 && area <= 13) ? prefixes[static_cast<std::size_t>(area - 1)] : "";
    MessageTitles t;
    t.RangeError = prefix + "Range Error";
    t.RangeWarning = prefix + "Range Warning";
    t.InvalidCharacter = prefix + "Invalid Character";
    t.Error = prefix + "Error";
    t.LogicError = prefix + "Logic Error";
    t.Message = "Message";
    return t;
}

std::optional<std::string> RangeMessage(std::string_view text, double low, double high,
                                        std::string_view field) {
    const std::string name = field.empty() ? std::string() : std::string(field) + ": ";
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) return name + "Blank field not allowed";
    const double v = LeadingNumber(text);
    if (v < low || v > high)
        return name + "Value '" + trimmed + "' is outside input range" + CRLF +
               "Valid range is: " + FormatGeneralDouble(low) + "-" + FormatGeneralDouble(high);
    return std::nullopt;
}

bool CheckRange(std::string_view text, double low, double high, std::string_view field,
                const MessageTitles& titles, Messenger& messenger) {
    const std::optional<std::string> message = RangeMessage(text, low, high, field);
    if (message) messenger.ShowMessage(*message, mb::OK | mb::Critical, titles.RangeError);
    return !message;
}

} // namespace kora
