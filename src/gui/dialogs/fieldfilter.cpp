#include "gui/dialogs/fieldfilter.h"

#include "core/base/numberformat.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace kora::gui {

bool FilterNumericKey(const QString& text, int cursor, int selectionStart, int selectionLength,
                      QChar typed) {
    if (typed == QChar(8) || typed == QChar(9)) return true;
    QString result = text;
    if (selectionLength > 0 && selectionStart >= 0)
        result.replace(selectionStart, selectionLength, typed);
    else
        result.insert(std::clamp(cursor, 0, int(text.size())), typed);
    // A number being typed ("-", ".", "1e") is still taken: one more digit completes it.
    const std::string s = result.toStdString();
    return IsNumericText(s) || IsNumericText(s + '0');
}

FieldFilter::FieldFilter(QLineEdit* box, bool numeric, std::function<void()> lostFocus)
    : QObject(box), m_box(box), m_numeric(numeric), m_lostFocus(std::move(lostFocus)) {
    box->installEventFilter(this);
}

bool FieldFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_box) return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        if (!m_numeric) break;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Shortcuts (copy, paste, undo ...) and keys without a character are not typing.
        if (text.size() != 1 ||
            key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            break;
        const QChar c = text.front();
        if (c.unicode() < 32 || c.unicode() == 127) break;
        if (!FilterNumericKey(m_box->text(), m_box->cursorPosition(), m_box->selectionStart(),
                              m_box->selectionLength(), c))
            return true;
        break;
    }
    case QEvent::FocusIn: {
        // Selected after the click that gave the focus has placed the cursor.
        QTimer::singleShot(0, m_box, [box = m_box] {
            if (box->hasFocus()) box->selectAll();
        });
        break;
    }
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (m_lostFocus && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            // Runs once the focus has settled, and before a button's own reaction processes the
            // pending events (so an OK pressed from the box first shows the box's warning).
            QTimer::singleShot(0, m_box, m_lostFocus);
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace kora::gui
