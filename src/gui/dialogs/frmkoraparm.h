#pragma once

#include "core/base/onebased.h"
#include "core/project/fieldchecks.h"
#include "core/project/parameterfields.h"

#include <QDialog>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;

namespace kora {
class Messenger;
struct PlanGeometry;
struct ProjectRecord;
struct Settings;
} // namespace kora

namespace kora::gui {

class PlanWidget;
class DialogService;
class ReportPrinter;

// The two parametric studies behind the dialog's hidden buttons.
enum class ParametricStudy { Partial, Solid };

// What the parameters dialog asks of the rest of the program. Every hook may be left empty.
struct ParametersHooks {
    std::function<void()> setCaption;              // SetCaption of the main window
    std::function<void(bool advanced)> setCalcAdv; // SetCalcAdv from the stored AdvGeometry
    // Runs a parametric study on the project just stored and returns the path of the file it
    // wrote, or nothing when the study did not run (the engine has already said why).
    std::function<std::optional<std::string>(ParametricStudy)> runStudy;
};

// "Parameters": the numeric inputs of the project on four tabs (Standard, Defaults, CMRR/Sizing,
// Advanced), shown in the project's unit system and written back into the project only when OK
// passes every check. The fields, their checks and how they are stored are the core's parameter
// field table; the dialog holds the widgets and their reactions. It edits the plan geometry copy
// for its plan view, never the project, until OK. Its caller disables the main window while it
// is open and enables it again on finished(). Controls carry their classic names as objectName
// and their help context numbers in the "helpContext" property.
class frmKORAParm : public QDialog {
    Q_OBJECT
public:
    frmKORAParm(ProjectRecord& project, const Settings& settings, PlanGeometry& plan,
                Messenger& messenger, DialogService& dialogs, ReportPrinter& printer,
                ParametersHooks hooks, QWidget* parent = nullptr);

    // Decides from the Advanced tab whether advanced geometry data are present, records it in
    // PlanAdvGeometry and switches the matching "Option status" button on without its reaction.
    void CheckKORAAdvParm();

    // Copies the dialog's geometry, as typed, into the plan geometry copy for the plan view.
    void SaveWorkParms();

    // Copies every field into the project record and marks the project changed and not empty.
    void StoreParameters();

    // The checks of OK, in order; the first failure is reported, its tab selected and its box
    // focused, and the result is false.
    bool ValidateParameters();

    // Shows the schematic and the per-column boxes for n entries; a newly shown column starts
    // with the values of column 1 where it holds nothing.
    void ArrangePillarRows(int n);

    // True when OK would store anything that differs from the project record.
    bool ParametersChanged() const;

    // "&View plan": checks the fields and draws the plan of the layout being edited.
    void viewPlan();

    bool isAccepted() const { return m_accepted; }
    bool isModified() const { return m_modified; }
    bool warningShown() const { return m_warningShown; }

    // Closes the dialog without storing and without asking: another project replaces the one
    // it edits.
    void discard();

public slots:
    // Closing: Cancel and the close box ask before discarding changes (when the option says
    // so); an accepted dialog stores the fields. A refused close keeps the dialog open.
    void done(int result) override;

private:
    // The boxes and captions of pillar column i.
    struct Column {
        QLineEdit* spacing = nullptr;  // Text14(i)
        QLineEdit* angle = nullptr;    // Text22(i)
        QLineEdit* xcut = nullptr;     // Text23(i)
        QLabel* pillar = nullptr;      // Label23(i)
        QLabel* number = nullptr;      // Label24(i)
        QLabel* advancedRow = nullptr; // Label13(i - 1)
    };

    QWidget* buildStandardTab();
    QWidget* buildDefaultsTab();
    QWidget* buildSizingTab();
    QWidget* buildAdvancedTab();
    QLineEdit* numberBox(const QString& name, int helpContext, int maxLength = 7);
    QLineEdit* box(std::string_view name) const;
    ParameterForm form() const;

    void load();
    void onEntriesChosen();
    void onConfiguration(int index);
    void onOptionStatus(int index);
    void onCmrrChanged();
    void warnDefault(QLineEdit* box);
    void okClicked();
    void runStudy(ParametricStudy study);

    ProjectRecord& m_project;
    const Settings& m_settings;
    PlanGeometry& m_plan;
    Messenger& m_messenger;
    DialogService& m_dialogs; // for the plan window
    ReportPrinter& m_printer;
    ParametersHooks m_hooks;
    MessageTitles m_titles;
    ParameterForm m_opened; // what the boxes held when the dialog opened

    bool m_loading = false;
    bool m_accepted = false;
    bool m_modified = false;
    bool m_warningShown = false;
    bool m_unloaded = false;
    bool m_discarding = false;

    QTabWidget* m_tabs = nullptr;
    std::map<std::string, QLineEdit*, std::less<>> m_boxes; // the field boxes by control name
    QLineEdit* m_entries = nullptr;                         // Text6
    QComboBox* m_combo = nullptr;
    QLineEdit* m_suggested = nullptr;  // Text19
    QLineEdit* m_suggestedR = nullptr; // Text33
    QCheckBox* m_useCmrr = nullptr;
    QLabel* m_yieldLabel = nullptr; // label16
    QButtonGroup* m_config = nullptr;
    QButtonGroup* m_status = nullptr;
    OneBased<Column, ColumnBoxes> m_columns;
    OneBased<QWidget*, MaxEntriesShown> m_entryBoxes{}; // Text15(1..5)
    OneBased<QWidget*, MaxEntriesShown> m_entryLines{}; // Line1(1..5)
    QPushButton* m_ok = nullptr;
    QPushButton* m_view = nullptr;
    PlanWidget* m_picture1 = nullptr;
    PlanWidget* m_picture2 = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace kora::gui
