#include "core/report/history.h"

#include "core/base/textfile.h"
#include "core/base/numberformat.h"
#include "core/base/textutil.h"
#include "core/model/settings.h"

#include <vector>

namespace kora {

void History::applySettings(const Settings& settings) {
    m_enabled = settings.DisplayHistoryWin == 1;
    m_maxDisplaySize = settings.MaxDisplaySize;
}

void History::cutBack() {
    if (static_cast<long>(CharacterCount(m_text)) < m_maxDisplaySize) return;
    // Start of every line; lines end with CR LF, and a final piece without one is a line too.
    std::vector<std::size_t> starts{0};
    for (std::size_t i = 0; i + 2 < m_text.size(); ++i)
        if (m_text[i] == '\r' && m_text[i + 1] == '\n') starts.push_back(i + 2);
    if (starts.size() <= 2) return;
    m_text.erase(0, starts[starts.size() - 2]);
}

void History::AddHistory(std::string_view message) {
    if (!m_enabled) return;
    m_counter =
        m_counter >= MaxCounter ? std::int16_t{1} : static_cast<std::int16_t>(m_counter + 1);
    cutBack();
    m_text += Format(m_counter, "0");
    m_text += ". ";
    m_text += message;
    m_text += CRLF;
}

} // namespace kora
