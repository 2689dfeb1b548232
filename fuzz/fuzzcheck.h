#pragma once

#include "core/base/messenger.h"

#include <cstdio>
#include <cstdlib>

namespace kora::fuzz {

// Nobody answers while fuzzing: every question takes its cautious answer, as in kora-cli.
class SilentMessenger : public Messenger {
public:
    void AddHistory(const std::string&) override {}

protected:
    int showBox(const std::string&, int style, const std::string&) override {
        switch (mb::buttons(style)) {
        case mb::OK:
            return mb::AnswerOK;
        case mb::YesNo:
            return mb::AnswerNo;
        default:
            return mb::AnswerCancel;
        }
    }
};

// A broken invariant is a finding: libFuzzer keeps the input that caused it.
inline void Check(bool holds, const char* invariant) {
    if (holds) return;
    std::fprintf(stderr, "Invariant broken: %s\n", invariant);
    std::abort();
}

} // namespace kora::fuzz
