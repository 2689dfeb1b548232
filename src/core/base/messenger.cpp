#include "core/base/messenger.h"

namespace kora {

int Messenger::ShowMessage(const std::string& text, int style, const std::string& title) {
    if (title.empty()) {
        AddHistory("Message: " + text);
        return showBox(text, style, ProgramTitle);
    }
    AddHistory(title + ": " + text);
    return showBox(text, style, title);
}

namespace {

bool offersRetry(int number) {
    if (number >= 482 && number <= 484) return true;
    switch (number) {
    case 24:
    case 25:
    case 27:
    case 53:
    case 57:
    case 61:
    case 62:
    case 70:
    case 71:
    case 72:
        return true;
    default:
        return false;
    }
}

} // namespace

int HandleError(Messenger& messenger, int number, const std::string& description, bool showMessage,
                const std::string& where) {
    const std::string num = std::to_string(number);
    const std::string place = where.empty() ? std::string() : "\r\n" + where;
    if (number == err::DialogCancelled) {
        messenger.AddHistory(description);
        return errorAnswer::CancelFlag;
    }
    messenger.AddHistory("Error " + num + ":" + description);
    if (offersRetry(number)) {
        if (!showMessage) return errorAnswer::Cancel;
        const int answer =
            messenger.ShowMessage("Error occurred: " + description + " (" + num + ")" + place,
                                  mb::RetryCancel | mb::Critical);
        return answer == mb::AnswerRetry ? errorAnswer::Retry : errorAnswer::Cancel;
    }
    if (showMessage) {
        messenger.ShowMessage("Error occurred: " + description + " (" + num +
                                  "). Procedure Terminated" + place,
                              mb::OK | mb::Critical);
    }
    return number == -2147217900 ? errorAnswer::Database : errorAnswer::Terminated;
}

} // namespace kora
