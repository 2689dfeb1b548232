#include "gui/common/messageboxstyle.h"

#include "core/base/messenger.h"

namespace kora::gui {

MessageBoxStyle MessageBoxStyle::fromClassic(int style) {
    using B = QMessageBox::StandardButton;
    MessageBoxStyle s;
    switch (mb::buttons(style)) {
    case mb::OKCancel:
        s.buttons = {B::Ok, B::Cancel};
        break;
    case mb::AbortRetryIgnore:
        s.buttons = {B::Abort, B::Retry, B::Ignore};
        break;
    case mb::YesNoCancel:
        s.buttons = {B::Yes, B::No, B::Cancel};
        break;
    case mb::YesNo:
        s.buttons = {B::Yes, B::No};
        break;
    case mb::RetryCancel:
        s.buttons = {B::Retry, B::Cancel};
        break;
    default:
        s.buttons = {B::Ok};
        break;
    }
    switch (mb::icon(style)) {
    case mb::Critical:
        s.icon = QMessageBox::Critical;
        break;
    case mb::Question:
        s.icon = QMessageBox::Question;
        break;
    case mb::Exclamation:
        s.icon = QMessageBox::Warning;
        break;
    case mb::Information:
        s.icon = QMessageBox::Information;
        break;
    default:
        s.icon = QMessageBox::NoIcon;
        break;
    }
    const std::size_t wanted = static_cast<std::size_t>((style >> 8) & 3);
    s.defaultIndex = wanted < s.buttons.size() ? wanted : 0;
    // Escape answers Cancel where there is one, No in a Yes/No box, else the only button.
    s.escapeIndex = s.buttons.size() - 1;
    if (s.buttons.size() == 3 && s.buttons[0] == B::Abort) s.escapeIndex = 0;
    return s;
}

int MessageBoxStyle::classicAnswer(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Ok:
        return mb::AnswerOK;
    case QMessageBox::Cancel:
        return mb::AnswerCancel;
    case QMessageBox::Abort:
        return mb::AnswerAbort;
    case QMessageBox::Retry:
        return mb::AnswerRetry;
    case QMessageBox::Ignore:
        return mb::AnswerIgnore;
    case QMessageBox::Yes:
        return mb::AnswerYes;
    case QMessageBox::No:
        return mb::AnswerNo;
    default:
        return mb::AnswerCancel;
    }
}

} // namespace kora::gui
