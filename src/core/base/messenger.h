#pragma once

#include "core/base/koraerror.h"

#include <string>

namespace kora {

// Message-box styles and answers keep the classic codes, so that every Part's "style 292" or
// "answer 6" reads the same here.
namespace mb {
inline constexpr int OK = 0;
inline constexpr int OKCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton2 = 256;

inline constexpr int AnswerOK = 1;
inline constexpr int AnswerCancel = 2;
inline constexpr int AnswerAbort = 3;
inline constexpr int AnswerRetry = 4;
inline constexpr int AnswerIgnore = 5;
inline constexpr int AnswerYes = 6;
inline constexpr int AnswerNo = 7;

// The buttons part (0..5) and the icon part (16, 32, 48, 64) of a style.
inline constexpr int buttons(int style) {
    return style & 7;
}
inline constexpr int icon(int style) {
    return style & 0x70;
}
} // namespace mb

// The only way the core reaches the user. The GUI shows message boxes and writes the history
// pane; kora-cli writes to stderr; tests script the answers.
class Messenger {
public:
    virtual ~Messenger() = default;

    // Shows a message and returns the button pressed. Every message is also logged: with an empty
    // title as "Message: " + text under the program title "KORA", otherwise as title + ": " + text.
    int ShowMessage(const std::string& text, int style = mb::OK, const std::string& title = {});

    // Appends one line to the history log.
    virtual void AddHistory(const std::string& text) = 0;

protected:
    // Shows the box itself; `title` is already resolved (never empty).
    virtual int showBox(const std::string& text, int style, const std::string& title) = 0;
};

// The program title used for message boxes without a title of their own and for page headers.
inline constexpr const char* ProgramTitle = "KORA";

// What a command handler does after HandleError: retry the failed step, continue after it,
// set the form's cancel flag and continue, or leave.
namespace errorAnswer {
inline constexpr int Retry = 0;
inline constexpr int Cancel = 1;
inline constexpr int CancelFlag = 2;
inline constexpr int Terminated = 3;
inline constexpr int Database = 6;
} // namespace errorAnswer

// The common error reporter of the command handlers. File and printer errors offer Retry/Cancel,
// a cancelled common dialog only logs, every other error ends the procedure. A non-empty `where`
// follows the classic message on a line of its own.
int HandleError(Messenger& messenger, int number, const std::string& description,
                bool showMessage = true, const std::string& where = {});
inline int HandleError(Messenger& messenger, const KoraError& e, bool showMessage = true) {
    return HandleError(messenger, e.number(), e.description(), showMessage, e.where());
}

} // namespace kora
