#pragma once

#include <QObject>

class QWidget;

namespace kora::gui {

class HelpSystem;

// The dynamic property that carries a help context number on widgets, menus and actions.
inline constexpr const char* HelpContextProperty = "helpContext";

// Gives an object (widget, menu, action) its help context number for F1.
void SetHelpContext(QObject* object, int helpContext);

// The help context of a widget: its own number, else the nearest parent's; 0 when none carries
// one. For an open menu, the highlighted action's number comes first.
int HelpContextOf(const QWidget* widget);

// F1 anywhere in the program: opens the help topic of the focused widget's help context. Where
// no widget up the chain carries one, the key is left alone, so the main window's own F1
// (Help Contents) still works. Install it on the application:
//     qApp->installEventFilter(new HelpKeyFilter(help, qApp));
class HelpKeyFilter : public QObject {
    Q_OBJECT
public:
    explicit HelpKeyFilter(HelpSystem& help, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpSystem& m_help;
};

} // namespace kora::gui
