#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;

namespace kora::gui {

// True when a typed character may go into a numeric box holding `text`: the text the box would
// then hold (the selection, `selectionLength` characters from `selectionStart`, replaced by the
// character, or without a selection the character inserted at `cursor`) is a number (optional
// sign, digits, at most one ".", optional exponent, blanks around it) or the beginning of one
// (".", "-", "1e"), or the character is Backspace or Tab. Every other character is discarded
// (FilterNumericKey).
bool FilterNumericKey(const QString& text, int cursor, int selectionStart, int selectionLength,
                      QChar typed);

// The typing and focus behaviour of a dialog's text box: typed characters pass FilterNumericKey
// when the box is numeric (pasted text is not filtered, and cursor, delete and shortcut keys are
// not characters), the whole text is selected when the box gets the focus (SelectAllText), and
// an optional reaction runs when the user moves the focus on to another control of the dialog
// (the box's lost-focus reaction, queued to run once the focus has moved; switching to another
// window does not count).
class FieldFilter : public QObject {
    Q_OBJECT
public:
    FieldFilter(QLineEdit* box, bool numeric, std::function<void()> lostFocus = {});

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_box;
    bool m_numeric;
    std::function<void()> m_lostFocus;
};

} // namespace kora::gui
