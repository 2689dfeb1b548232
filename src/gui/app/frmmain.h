#pragma once

#include "core/base/onebased.h"
#include "gui/app/menuitems.h"

#include <QMainWindow>
#include <QPointer>

#include <QDate>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QToolBar;
class QDialog;

namespace kora::gui {

struct AppState;
enum class FileDialogMode;
class GuiMessenger;
class HelpSystem;
struct HelpMenuContext;
enum class HelpItem;
class PictureBox;
class frmKORAParm;
enum class ParametricStudy;
class ReportPrinter;
class frmResTxtPlt;

// The program's only top-level window: the File, Input, Output, Utilities and Help
// menus, the toolbar, the picture, the version label and the history pane. Every command of the
// program starts here; each handler reports failures through HandleError and never lets one
// escape.
class frmMain : public QMainWindow {
public:
    frmMain(AppState& state, GuiMessenger& messenger, ReportPrinter& printer, HelpSystem& help);
    ~frmMain() override;

    // Menu and toolbar handlers, one per control array, with the item index.
    void mnuFileItem_Click(FileItem item);
    void mnuFileArray_Click(int index);
    void mnuEditItem_Click(EditItem item);
    void mnuCalcItem_Click(CalcItem item);
    // The Output menu's Graph submenus: the chart sweep of the chosen graph kind, then the chart
    // of the Classic curves, or of the (R) curves while graphKORAR is 255.
    void mnuCalcGrafItem_Click(GraphItem item);
    void mnuCalcGrafRItem_Click(GraphItem item);
    void mnuUtilItem_Click(UtilItem item);
    void mnuHelpItem_Click(HelpItem item);
    void Toolbar1_ButtonClick(ToolbarButton button);

    // The project file commands' window side.
    void FileNew(bool resetNameFlag, bool resetUnits);
    // Save / Save As: the Save As dialog when forced or the project has no name yet; false
    // when cancelled or not written (a failed Save As keeps the old name).
    bool FileMenuSave(bool forceDialog);
    // Open the project named by ProjectPath, with the follow-up steps of an Open.
    void LoadProjFile();
    // The Open or Save As dialog; sets ProjectPath; false when cancelled.
    bool ShowFileDialog(FileDialogMode mode, const std::string& folder);
    void SetCaption();
    void SetCalcAdv();
    // The Output menu's two Graph submenus and their items, enabled exactly when the chart
    // commands are available; the one place that decides it.
    void SetGraphMenus();
    void LoadOutBuf0(bool mode);

    // Settings applied to the window.
    void ApplyHistorySetting();
    void ApplyDisplayFont();
    void ApplyWindowSettings();
    void RefreshRecentFiles();

    // Where the manual and reference documents are, and the date the update reminder is judged
    // on (an invalid date: today).
    void setProgramInfo(const std::string& programFolder, const QDate& today);

    // The disclaimer when the settings ask for it, and the annual update reminder when due.
    void ShowStartupNotices();

    // The exit sequence's question: false when the user chose to stay.
    bool QueryUnload();

    QPlainTextEdit* historyPane() const { return m_txtMain; }
    QWidget* graphWindow() const { return m_graph.data(); }

    std::uint8_t graphKORAR = 0; // 255 while an (R) graph command runs
    frmResTxtPlt* resultsViewer() const;
    frmKORAParm* parametersDialog() const;

    // A named action of the menus or the toolbar ("mnuFileItem_6", "Toolbar1_3").
    QAction* action(const QString& name) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildClientArea();
    void printInputListing(bool withDialog);
    // File > "Export PDF...": the input listing (page 0) and the results of the last
    // calculation as one PDF.
    void exportReportPdf();
    void openDescriptionDialog();
    void openParametersDialog();
    std::optional<std::string> runParametricStudy(ParametricStudy study);
    void openFileConversion();
    void toggleHistoryPane();
    void copyHistory();
    void formUnload();
    void logCancelled();
    // "Save changes to: <path>?" with Yes/No/Cancel when the project has unsaved changes; false
    // when the command must stop (Cancel, or a save that was cancelled or failed).
    bool saveChangesFirst(int defaultButton);
    // Closes an open description or parameters dialog without storing it.
    void closeInputDialogs();
    void recordRecentFile();
    void writeFileMenuSection();
    void writeSettingsSection();

    AppState& m_state;
    GuiMessenger& m_messenger;
    ReportPrinter& m_printer;
    HelpSystem& m_help;
    std::unique_ptr<HelpMenuContext> m_helpContext;

    QMenu* m_fileMenu = nullptr;
    QAction* m_recentSeparator = nullptr; // mnuFileArray_0
    OneBased<QAction*, 4> m_recent{};     // mnuFileArray_1 .. 4
    QToolBar* m_toolbar = nullptr;
    PictureBox* m_picture = nullptr;
    QLabel* m_lblver = nullptr;
    QPlainTextEdit* m_txtMain = nullptr;

    QPointer<frmResTxtPlt> m_viewer;
    QPointer<frmKORAParm> m_parameters;
    QPointer<QDialog> m_description;
    QPointer<QWidget> m_graph;
    bool m_unloaded = false;
};

} // namespace kora::gui
