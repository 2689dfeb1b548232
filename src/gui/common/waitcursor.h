#pragma once

#include <QGuiApplication>

namespace kora::gui {

// The hourglass pointer for the length of a scope; it comes back to normal however the scope is
// left, exceptions included.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace kora::gui
