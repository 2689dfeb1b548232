#include "gui/utilities/helpkeyfilter.h"

#include "gui/utilities/helpsystem.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace kora::gui {

namespace {

int contextOf(const QObject* object) {
    if (!object) return 0;
    bool ok = false;
    const int context = object->property(HelpContextProperty).toInt(&ok);
    return ok ? context : 0;
}

// The widget that F1 is about: the open menu when there is one, else the focused widget, else
// the widget that received the key.
const QWidget* helpTarget(QObject* watched) {
    if (const QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (const QWidget* focus = QApplication::focusWidget()) return focus;
    return qobject_cast<const QWidget*>(watched);
}

bool isHelpKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier;
}

} // namespace

void SetHelpContext(QObject* object, int helpContext) {
    if (object) object->setProperty(HelpContextProperty, helpContext);
}

int HelpContextOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (const auto* menu = qobject_cast<const QMenu*>(w)) {
            if (const int c = contextOf(menu->activeAction())) return c;
            if (const int c = contextOf(menu->menuAction())) return c;
        }
        if (const int c = contextOf(w)) return c;
    }
    return 0;
}

HelpKeyFilter::HelpKeyFilter(HelpSystem& help, QObject* parent) : QObject(parent), m_help(help) {}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (!isHelpKey(event) || !watched->isWidgetType()) return false;
    const int context = HelpContextOf(helpTarget(watched));
    if (context == 0) return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Claim F1 so that a window-wide F1 shortcut does not run instead of context help.
        event->accept();
        return true;
    }
    if (static_cast<const QKeyEvent*>(event)->isAutoRepeat()) return true;
    m_help.ShowHelpTopic(context);
    return true;
}

} // namespace kora::gui
