#pragma once

#include <QString>
#include <QVariant>
#include <QWidget>

namespace kora::gui {

// Gives a control its classic name (tests and F1 help find it by objectName) and its help
// context number (the "helpContext" property the F1 helper reads).
template <typename W> W* named(W* widget, const QString& name, int helpContext) {
    widget->setObjectName(name);
    widget->setProperty("helpContext", helpContext);
    return widget;
}

} // namespace kora::gui
