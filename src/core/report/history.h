#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kora {

struct Settings;

// The history log of the main window: every step of the program as a numbered line
// ("12. Opening: /home/me/pit.KOR"). The GUI's Messenger writes into it and shows text() in the
// history pane. Lines end with CR LF.
//
// The log is written only while the DisplayHistoryWin setting is 1; otherwise messages are
// dropped and the running number does not advance. The number runs 1..16384 and then starts at 1
// again. To keep the pane small, once the text has reached MaxDisplaySize characters and holds
// more than two lines, everything but its last two lines is dropped before the next line is added.
class History {
public:
    History() = default;
    History(bool enabled, int maxDisplaySize)
        : m_enabled(enabled), m_maxDisplaySize(maxDisplaySize) {}

    // Takes DisplayHistoryWin and MaxDisplaySize from the settings (at start and after the
    // settings dialog). The text is kept.
    void applySettings(const Settings& settings);

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool enabled() const { return m_enabled; }
    void setMaxDisplaySize(int size) { m_maxDisplaySize = size; }
    int maxDisplaySize() const { return m_maxDisplaySize; }

    void AddHistory(std::string_view message);

    const std::string& text() const { return m_text; }

    // Empties the log (Utilities > Clear History Window); the numbering goes on.
    void clear() { m_text.clear(); }

    // The running number of the last line written, 0 before the first.
    std::int16_t HistoryCounter() const { return m_counter; }

    static constexpr std::int16_t MaxCounter = 16384;

private:
    void cutBack();

    bool m_enabled = false;
    int m_maxDisplaySize = 4096;
    std::int16_t m_counter = 0;
    std::string m_text;
};

} // namespace kora
