#pragma once

#include "core/base/messenger.h"

#include <ostream>

namespace kora::cli {

// kora-cli's way to the user: every message text on its own line of the error stream, the
// history discarded. Nobody is there to answer, so a question takes its cautious answer: OK,
// Cancel, No or Abort, and a failed step is never retried.
class StreamMessenger : public Messenger {
public:
    explicit StreamMessenger(std::ostream& err) : m_err(err) {}

    void AddHistory(const std::string&) override {}

    int messageCount() const { return m_count; }

protected:
    int showBox(const std::string& text, int style, const std::string& title) override;

private:
    std::ostream& m_err;
    int m_count = 0;
};

} // namespace kora::cli
