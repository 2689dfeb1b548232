#pragma once

#include "core/model/chartparams.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace kora {
class Messenger;
}

namespace kora::gui {

// frmGraphOpt "Graph Parameters and Options": edits the chart parameters of the open chart of
// kind `graphIndex`. "Set default format parameters" resets them at once and locks the fields;
// "Set format parameters to last used" opens the fields, of the X-axis titles only the open
// chart's. OK copies the fields into the parameters and writes the settings file's Graph section;
// Cancel keeps them as they are. The "Help" button clears the chart. The caller applies the
// parameters to the chart once the dialog has closed, however it closed.
class frmGraphOpt : public QDialog {
    Q_OBJECT
public:
    frmGraphOpt(ChartParams& params, int graphIndex, int unitSystem, Messenger& messenger,
                QWidget* parent);

    void setClearGraph(std::function<void()> clearGraph) { m_clearGraph = std::move(clearGraph); }
    void setSaveGraphSection(std::function<void()> save) { m_save = std::move(save); }

    // With the default format parameters chosen, the parameters back to their defaults.
    void SetGraphParms();
    // The fields from the parameters.
    void InitForm();

    // -1 after OK, 0 otherwise.
    int OptionsAccepted() const { return m_optionsAccepted; }

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void optionChosen(int index);
    void showSymbolSize();
    void checkEntry(QComboBox* combo);

    ChartParams& m_params;
    int m_graphIndex;
    int m_unitSystem;
    Messenger& m_messenger;
    std::function<void()> m_clearGraph;
    std::function<void()> m_save;
    int m_optionsAccepted = 0;
    bool m_checking = false;

    std::array<QRadioButton*, 2> m_option{};
    QLineEdit* m_text1 = nullptr;
    std::array<QLineEdit*, GraphKinds> m_text2{};
    QLineEdit* m_text3 = nullptr;
    QComboBox* m_combo1 = nullptr;
    QComboBox* m_combo2 = nullptr;
    QCheckBox* m_check1 = nullptr;
    QLabel* m_symbolLabel = nullptr;
    QScrollBar* m_hscroll1 = nullptr;
    QLabel* m_txtSS = nullptr;
    QCheckBox* m_allConditions = nullptr;
};

} // namespace kora::gui
