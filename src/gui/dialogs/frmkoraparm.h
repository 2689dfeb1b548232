#pragma once

#include "core/project/fieldchecks.h"

#include <QDialog>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
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
// passes every check. The dialog edits the plan geometry copy for its plan view, never the
// project, until then. Its caller disables the main window while it is open and enables it
// again on finished(). Controls carry their classic names as objectName and their help context
// numbers in the "helpContext" property.
class frmKORAParm : public QDialog {
    Q_OBJECT
public:
    frmKORAParm(ProjectRecord& project, const Settings& settings, PlanGeometry& plan,
                Messenger& messenger, ReportPrinter& printer, ParametersHooks hooks,
                QWidget* parent = nullptr);

    // Decides from the Advanced tab whether advanced geometry data are present (a shown column
    // with both a crosscut angle and a crosscut spacing), records it in PlanAdvGeometry and
    // switches the matching "Option status" button on without its reaction.
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
    struct Row {
        QLineEdit* spacing = nullptr;  // Text14(i)
        QLineEdit* angle = nullptr;    // Text22(i)
        QLineEdit* xcut = nullptr;     // Text23(i)
        QLabel* pillar = nullptr;      // Label23(i)
        QLabel* number = nullptr;      // Label24(i)
        QLabel* advancedRow = nullptr; // Label13(i - 1)
    };

    void buildForm();
    QWidget* buildStandardTab();
    QWidget* buildDefaultsTab();
    QWidget* buildSizingTab();
    QWidget* buildAdvancedTab();
    QLineEdit* numberBox(const QString& name, int helpContext, int maxLength = 7);
    QLabel* unitLabel(const QString& name, const QString& tag, int helpContext);
    void setUnitCaption(QLabel* label, int kind);

    void load();
    void onEntriesChosen();
    void onConfiguration(int index);
    void onOptionStatus(int index);
    void onCmrrChanged();
    void onTabChanged(int index);
    void warnDefault(QLineEdit* box);
    void okClicked();
    void runStudy(ParametricStudy study);
    void copyImage();
    void showHelp();

    bool fail(const std::string& message, int tab, QLineEdit* box);
    bool failRange(int tab, QLineEdit* box);
    int entriesShown() const;
    // Filling a box from the project: the text is shown whole and remembered, so that a box the
    // user leaves as it is stores nothing new, while a box the dialog itself changes afterwards
    // (a pillar column taking the values of column 1, an emptied CMRR) counts as changed.
    void fill(QLineEdit* box, const QString& text);
    bool untouched(const QLineEdit* box) const;
    float toStore(const QLineEdit* box, float field) const;
    bool differs(const QLineEdit* box, float field) const;

    ProjectRecord& m_project;
    const Settings& m_settings;
    PlanGeometry& m_plan;
    Messenger& m_messenger;
    ReportPrinter& m_printer;
    ParametersHooks m_hooks;
    MessageTitles m_titles;

    bool m_loading = false;
    bool m_accepted = false;
    bool m_modified = false;
    bool m_warningShown = false;
    bool m_unloaded = false;
    bool m_discarding = false;

    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_text[6] = {};      // Text1..Text5 at 1..5; index 0 unused
    QLineEdit* m_entries = nullptr; // Text6
    QComboBox* m_combo = nullptr;
    QLineEdit* m_coalStrength = nullptr;
    QLineEdit* m_abutmentAngle = nullptr;
    QLineEdit* m_unitWeight = nullptr;
    QLineEdit* m_headgate = nullptr;   // Text10
    QLineEdit* m_bleeder = nullptr;    // Text11
    QLineEdit* m_tailgate = nullptr;   // Text12
    QLineEdit* m_cmrr = nullptr;       // Text13
    QLineEdit* m_yieldWidth = nullptr; // Text16
    QLineEdit* m_suggested = nullptr;  // Text19
    QLineEdit* m_suggestedR = nullptr; // Text33
    QCheckBox* m_useCmrr = nullptr;
    QLabel* m_yieldLabel = nullptr; // label16
    std::array<QRadioButton*, 4> m_config{};
    std::array<QRadioButton*, 2> m_status{};
    std::array<Row, 5> m_rows{};              // 1..4
    std::array<QLineEdit*, 6> m_entryBoxes{}; // Text15(1..5)
    std::array<QFrame*, 6> m_entryLines{};    // Line1(1..5)
    std::map<const QLineEdit*, QString> m_loadedText;
    QPushButton* m_ok = nullptr;
    QPushButton* m_view = nullptr;
    QPushButton* m_study50 = nullptr;
    QPushButton* m_study100 = nullptr;
    PlanWidget* m_picture1 = nullptr;
    PlanWidget* m_picture2 = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace kora::gui
