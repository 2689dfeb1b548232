#pragma once

#include "core/graphics/plandrawing.h"
#include "core/graphics/planlayout.h"
#include "core/model/settings.h"
#include "gui/graphics/planviewstate.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class QAction;
class QPaintDevice;

namespace kora {
class Messenger;
}

namespace kora::gui {

class DialogService;
class PlanWidget;
class ReportPrinter;

// The plan window "View Plan": the pillar layout with dimension lines, pillar labels and a
// caption, for the geometry and results it was opened with (it keeps its own copies). Its owner
// (the results viewer or the parameters dialog) stays disabled while it is open and is enabled
// and activated again when it closes. The drawing area is kept square.
class frmPicture : public QMainWindow {
    Q_OBJECT
public:
    frmPicture(QWidget* owner, PlanSource source, const PlanGeometry& geometry,
               const PlanLabelValues& values, const Settings& settings, int unitSystem,
               int lastCalcAdvanced, Messenger& messenger, DialogService& dialogs,
               ReportPrinter& printer);
    ~frmPicture() override;

    // Shows the window centred on the screen, disables the owner and draws the plan; a geometry
    // that cannot be drawn says "Invalid Pillar Dimensions" and leaves the window empty.
    void open();

    const PlanViewState& state() const { return m_state; }
    PlanWidget* planArea() const { return m_plan; }
    const PlanLayout& layout() const { return m_layout; }

    // Recomputes the layout and redraws (DrawPlan). False when the plan is not drawable.
    bool drawPlan();

    // Settings menu: label mode 1..5; only the chosen item carries the check mark. Modes 2..5
    // need results and are refused when the window was opened from the parameters dialog.
    void setLabelMode(int mode);

    // One font size step up or down (the texts of the drawing follow the window's font); the
    // plan is redrawn. Below the smallest size nothing changes.
    void increaseFontSize();
    void decreaseFontSize();

    // Edit > Copy: the image of the drawing area to the clipboard.
    void copyToClipboard();

    // File > Print: the drawing on the program's printer as a print without the print dialog
    // (the printer chosen in Printer Setup, else the default one; with neither, the print dialog
    // asks), through the common error path when the printer cannot be used.
    void printPlan();

    // File > "Save Image...": the drawing as shown (label mode, dimension lines, font) saved as
    // SVG, PDF or PNG, the type told by the file name the file dialog returns; a PNG asks its
    // resolution. The size is that of the drawing area. The saved path goes to the history.
    void saveImage();

    // Paints the drawing, scaled to fit, on any paged or image device (a printer, a PDF file).
    bool printOn(QPaintDevice& device) const;

signals:
    // The window has closed and its owner is enabled again.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void describe();
    void stepFontSize(int direction);
    void keepSquare(QSize oldSize, QSize newSize);
    int chromeHeight() const;

    QPointer<QWidget> m_owner;
    PlanViewState m_state;
    PlanGeometry m_geometry;
    PlanLabelValues m_values;
    Settings m_settings;
    int m_unitSystem = 0;
    int m_lastCalcAdvanced = 0;
    Messenger& m_messenger;
    DialogService& m_dialogs; // the file and resolution questions of Save Image
    ReportPrinter& m_printer;

    PlanLayout m_layout;
    int m_mode = 0;
    bool m_drawable = false;
    bool m_adjusting = false;
    bool m_ownerReleased = false;

    PlanWidget* m_plan = nullptr;
    std::array<QAction*, 5> m_labelItems{};
    int m_imageDpi = 300;
};

// Opens the plan window for the results viewer (PlanSource::Results, with the project as
// calculated and the load bearing capacity results for the labels) or for the parameters dialog
// (PlanSource::ParametersDialog, the dialog's work copy of the geometry). The window deletes
// itself when closed.
frmPicture* showPlanWindow(QWidget* owner, PlanSource source, const PlanGeometry& geometry,
                           const PlanLabelValues& values, const Settings& settings, int unitSystem,
                           int lastCalcAdvanced, Messenger& messenger, DialogService& dialogs,
                           ReportPrinter& printer);

} // namespace kora::gui
