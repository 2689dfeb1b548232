#pragma once

#include "core/base/messenger.h"

#include <deque>
#include <string>
#include <vector>

namespace kora::test {

// A Messenger for tests: records every message box and history line and answers message boxes
// from a queue. With the queue empty it answers as a user pressing Enter would (the default
// button: the second one when the style asks for it), except that Retry/Cancel answers Cancel so
// that a failing step is never retried for ever.
class ScriptedMessenger : public Messenger {
public:
    struct Box {
        std::string text;
        int style;
        std::string title;
    };

    std::vector<Box> boxes;
    std::vector<std::string> history;
    std::deque<int> answers;

    void AddHistory(const std::string& text) override { history.push_back(text); }

    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const auto& b : boxes) t.push_back(b.text);
        return t;
    }

protected:
    int showBox(const std::string& text, int style, const std::string& title) override {
        boxes.push_back({text, style, title});
        if (!answers.empty()) {
            const int a = answers.front();
            answers.pop_front();
            return a;
        }
        const bool second = (style & mb::DefaultButton2) != 0;
        switch (mb::buttons(style)) {
        case mb::YesNo:
        case mb::YesNoCancel:
            return second ? mb::AnswerNo : mb::AnswerYes;
        case mb::OKCancel:
            return second ? mb::AnswerCancel : mb::AnswerOK;
        case mb::RetryCancel:
            return mb::AnswerCancel;
        default:
            return mb::AnswerOK;
        }
    }
};

} // namespace kora::test
