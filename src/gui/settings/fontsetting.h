#pragma once

#include <QFont>

class QWidget;

#include <cstdint>
#include <string>

namespace kora::gui {

class GuiMessenger;

// A font kept in the settings as four values: name, size in points, bold and italic (-1 on, 0
// off). The history pane and the text browser each keep one.
struct FontSetting {
    std::string& name;
    float& size;
    std::int16_t& bold;
    std::int16_t& italic;

    // The screen font the four values name (a missing "Arial" or "Courier New" falls to its
    // metric twin).
    QFont font() const;

    // Takes the font chosen in the font dialog. The size is kept within the 7 to 24 points the
    // settings file accepts, so what is shown now is what comes back at the next start.
    void store(const QFont& chosen);

    // The font dialog, opened on this font: the chosen font is stored and the answer is true;
    // a cancelled dialog raises "Cancel was selected." and the answer is false.
    bool choose(GuiMessenger& messenger, QWidget* parent);
};

} // namespace kora::gui
