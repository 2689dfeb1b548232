#include "gui/common/messageboxstyle.h"
#include "guitest.h"

#include "core/base/messenger.h"

namespace kora::gui {
namespace {

TEST(MessageBoxStyle, ClassicStylesGiveButtonsIconAndDefault) {
    using B = QMessageBox::StandardButton;
    using M = QMessageBox;
    struct Row {
        int style;
        std::vector<B> buttons;
        QMessageBox::Icon icon;
        int defaultAnswer, escapeAnswer;
    };
    // clang-format off
    const Row rows[] = {
        {mb::OK, {B::Ok}, M::NoIcon, mb::AnswerOK, mb::AnswerOK},
        {256, {B::Ok}, M::NoIcon, mb::AnswerOK, mb::AnswerOK},
        {mb::YesNo | mb::Question | mb::DefaultButton2, {B::Yes, B::No}, M::Question, mb::AnswerNo,
         mb::AnswerNo},
        {mb::YesNoCancel | mb::Question, {B::Yes, B::No, B::Cancel}, M::Question, mb::AnswerYes,
         mb::AnswerCancel},
        {mb::RetryCancel | mb::Critical, {B::Retry, B::Cancel}, M::Critical, mb::AnswerRetry,
         mb::AnswerCancel},
        {mb::OKCancel | mb::Exclamation | mb::DefaultButton2, {B::Ok, B::Cancel}, M::Warning,
         mb::AnswerCancel, mb::AnswerCancel},
        {mb::AbortRetryIgnore | mb::Information | 512, {B::Abort, B::Retry, B::Ignore},
         M::Information, mb::AnswerIgnore, mb::AnswerAbort}};
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.style);
        const MessageBoxStyle s = MessageBoxStyle::fromClassic(r.style);
        EXPECT_EQ(s.buttons, r.buttons);
        EXPECT_EQ(s.icon, r.icon);
        EXPECT_EQ(s.defaultAnswer(), r.defaultAnswer);
        EXPECT_EQ(MessageBoxStyle::classicAnswer(s.buttons[s.escapeIndex]), r.escapeAnswer);
    }
}

} // namespace
} // namespace kora::gui
