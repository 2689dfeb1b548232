#include "cli/streammessenger.h"

namespace kora::cli {

int StreamMessenger::showBox(const std::string& text, int style, const std::string&) {
    ++m_count;
    m_err << text << '\n';
    m_err.flush();
    switch (mb::buttons(style)) {
    case mb::OKCancel:
    case mb::YesNoCancel:
    case mb::RetryCancel:
        return mb::AnswerCancel;
    case mb::YesNo:
        return mb::AnswerNo;
    case mb::AbortRetryIgnore:
        return mb::AnswerAbort;
    default:
        return mb::AnswerOK;
    }
}

} // namespace kora::cli
