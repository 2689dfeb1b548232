#pragma once

#include <QDialog>

#include <array>
#include <vector>

class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace kora {
class Messenger;
}

namespace kora::gui {

// "Unit Conversions": the unit calculator. One tab per quantity (length, load, load gradient,
// stress, stress gradient), each with an input box, the unit options saying which unit the
// input is in, and one read-only box per unit showing the input converted. Every change of the
// input and every click on a unit converts at once; the input is never rewritten, so choosing
// another unit reinterprets the typed number. It always opens on "Length" with zeros and the
// first unit of every tab chosen, and touches no project data.
class frmUnits : public QDialog {
    Q_OBJECT
public:
    explicit frmUnits(Messenger& messenger, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Tab {
        QLineEdit* input = nullptr;
        std::vector<QRadioButton*> options;
        std::vector<QLineEdit*> outputs;
    };

    void buildTab(int quantity);
    void convert(int quantity);
    void tabClicked(int quantity);

    Messenger& m_messenger;
    bool m_loading = false;
    QTabWidget* m_tabs = nullptr;
    std::array<Tab, 5> m_tab;
};

} // namespace kora::gui
