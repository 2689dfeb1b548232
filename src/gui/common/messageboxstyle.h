#pragma once

#include <QMessageBox>

#include <cstddef>
#include <vector>

namespace kora::gui {

// The look of a message box told by a classic style code: its buttons in order, its icon, the
// default button (256 the second, 512 the third) and the button Escape presses.
struct MessageBoxStyle {
    std::vector<QMessageBox::StandardButton> buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    std::size_t defaultIndex = 0;
    std::size_t escapeIndex = 0;

    static MessageBoxStyle fromClassic(int style);

    // The classic answer code of a button (1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes,
    // 7 No).
    static int classicAnswer(QMessageBox::StandardButton button);

    // The answer of a user who presses Enter.
    int defaultAnswer() const { return classicAnswer(buttons[defaultIndex]); }
};

} // namespace kora::gui
