#pragma once

#include "core/model/chartparams.h"
#include "gui/graphics/chartmodule.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <vector>

class QAction;
class QChart;
class QChartView;
class QGroupBox;
class QLabel;
class QLineSeries;
class QPainter;
class QScatterSeries;
class QValueAxis;

namespace kora::gui {

class ChartView;

// frmGraph "Graph": the stability factors of the last chart sweep against the swept quantity,
// development and headgate loading (or all five loading conditions when the chart parameters say
// so), for the Classic or the (R) model. The "Point ID" frame reads out the point under the
// pointer; the chart is printed, copied, exported to a spreadsheet program or CSV, and saved as an
// image. Its owner (the main window) stays disabled while the chart is open. The appearance comes
// from the chart parameters in the program's settings, which the window reads back from the
// chart when it is deactivated and before its options dialog opens.
class frmGraph : public QMainWindow {
    Q_OBJECT
public:
    frmGraph(const ChartContext& context, QWidget* owner);
    ~frmGraph() override;

    // Shows the window centred on the screen and disables the owner until the window closes.
    void open();

    // Prepares the chart for graph kind `index` (0..3): titles (reset to the defaults when the
    // kind has none or they were built for the other unit system), fonts, grid and header.
    void GraphInit(int index);
    // Charts the curves of the last sweep: the (R) results when the flag is nonzero, the Classic
    // ones otherwise; hides the hourglass GraphInit showed.
    void DrawCurve(std::uint8_t& graphKORAR);
    // Removes every curve from the chart.
    void ClearGraph();
    // The chart parameters back to their defaults for the project's unit system.
    void ResetGraphParams();

    // Copies the chart's present symbol size, legend, header, axis titles and grid into the chart
    // parameters, so that what the chart shows survives.
    void ReadChartBack();
    // Applies the chart parameters to the open chart, in the options dialog's order: symbol size,
    // header, axis titles, grid, legend, line and symbol styles. The curves' data stay, except that
    // a change of the all-conditions choice draws the curves of the last sweep anew.
    void ApplyGraphParams();

    int GraphIndex() const { return m_graphIndex; }
    int NumCurves() const { return m_numCurves; }
    QChart* chart() const { return m_chart; }
    QChartView* chartView() const;
    // The curves the chart shows now, labelled from the curve table: what the exports write.
    std::vector<ChartSeries> chartData() const;

    // The Point ID read-out for a pointer position in the chart view: the values and the curve of
    // the nearest point when it lies within 3 pixels, with the cross pointer; otherwise the
    // default pointer and the last values stay.
    void pointerMoved(QPoint viewPos);

    // The menu commands.
    void printGraph();
    void exportToSpreadsheet();
    void exportCsv();
    void saveImage();
    void copyGraph();
    void showOptions();
    void setPointIdShown(bool shown);

    // Paints the chart, laid out as it would be in a window of `size` logical pixels, scaled into
    // `target` on the painter's device.
    void renderChart(QPainter& painter, const QRectF& target, QSize size);
    // Writes the chart laid out at `size` as a PNG, SVG or PDF file, by the path's extension.
    // False when the file could not be written.
    bool writeImage(const QString& path, QSize size);

signals:
    // The window has closed and its owner is enabled again.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Curve {
        QLineSeries* line = nullptr;
        QScatterSeries* symbols = nullptr;
    };

    void buildMenus();
    void buildPointIdFrame();
    void styleCurve(std::size_t s);
    void applyLegend();
    void applyGrid();
    void fitAxes();
    void releaseOwner();
    void restorePointer();
    std::string newExportPath() const;

    ChartContext m_context;
    ChartParams& m_params;
    QPointer<QWidget> m_owner;
    bool m_ownerDisabled = false;

    int m_graphIndex = 0;
    int m_numCurves = 0;
    std::uint8_t m_model = 0; // the graphKORAR flag the curves were drawn with
    bool m_hourglass = false; // GraphInit's hourglass, until DrawCurve

    QChart* m_chart = nullptr;
    ChartView* m_view = nullptr;
    QValueAxis* m_axisX = nullptr;
    QValueAxis* m_axisY = nullptr;
    std::vector<Curve> m_curves;

    QGroupBox* m_pointId = nullptr;
    QLabel* m_lblX = nullptr;
    QLabel* m_lblSF = nullptr;
    QLabel* m_lblCurve = nullptr;
    QAction* m_pointIdItem = nullptr;
};

} // namespace kora::gui
