#include "gui/graphics/frmgraph.h"

#include "gui/common/commandguard.h"
#include "gui/common/dialogservice.h"
#include "gui/common/waitcursor.h"
#include "gui/graphics/frmgraphopt.h"

#include "core/base/numberformat.h"
#include "core/commands/korastate.h"
#include "core/graphics/niceaxis.h"
#include "core/report/chartexport.h"
#include "core/settings/settingsfile.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGraphicsLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenuBar>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRadioButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QUrl>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QWindow>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <tuple>

namespace kora::gui {

namespace {

// The chart's symbol size unit in logical pixels: the default size 5 draws 10-pixel symbols,
// readable beside lines 3 pixels wide.
constexpr qreal SymbolScale = 2;
constexpr int LineWidth = 3;
constexpr qreal PickDistance = 3; // pixels
// The smallest window, 4000 twips at 15 twips to the pixel.
constexpr int MinimumSide = 267;
// The component's missing-value marker, never read out.
constexpr double MissingValue = 1.0E+308;

QScatterSeries::MarkerShape shapeOf(std::size_t curve, int numCurves) {
    if (curve == 0) return QScatterSeries::MarkerShapeCircle;
    if (numCurves <= DescribedCurves) return QScatterSeries::MarkerShapeRectangle;
    // All loading conditions: a shape of its own for each, so that a black-and-white print
    // still tells them apart.
    const QScatterSeries::MarkerShape others[] = {
        QScatterSeries::MarkerShapeRectangle, QScatterSeries::MarkerShapeTriangle,
        QScatterSeries::MarkerShapeRotatedRectangle, QScatterSeries::MarkerShapePentagon};
    return others[(curve - 1) % 4];
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// Decimals for tick labels of this interval: none for whole numbers, else enough to show it.
QString labelFormat(double tick) {
    const int decimals = tick >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(tick) - 1e-9));
    return QStringLiteral("%.") + QString::number(decimals) + QStringLiteral("f");
}

// "Save Image...": the size the chart is laid out at, the window's or one the user gives.
class ImageSizeDialog : public QDialog {
public:
    ImageSizeDialog(QSize windowSize, QWidget* parent) : QDialog(parent) {
        setObjectName(QStringLiteral("frmImageSize"));
        setWindowTitle(QStringLiteral("Image Size"));
        auto* layout = new QVBoxLayout(this);
        m_window = new QRadioButton(QStringLiteral("Size of the window (%1 x %2 pixels)")
                                        .arg(windowSize.width())
                                        .arg(windowSize.height()),
                                    this);
        m_window->setObjectName(QStringLiteral("optWindowSize"));
        m_window->setChecked(true);
        m_chosen = new QRadioButton(QStringLiteral("Chosen size (pixels):"), this);
        m_chosen->setObjectName(QStringLiteral("optChosenSize"));
        layout->addWidget(m_window);
        layout->addWidget(m_chosen);
        auto* sizes = new QFormLayout;
        for (auto [box, name, label, value] :
             {std::tuple{&m_width, "txtWidth", "Width", windowSize.width()},
              std::tuple{&m_height, "txtHeight", "Height", windowSize.height()}}) {
            *box = new QSpinBox(this);
            (*box)->setObjectName(QString::fromLatin1(name));
            (*box)->setRange(100, 10000);
            (*box)->setValue(value);
            (*box)->setEnabled(false);
            sizes->addRow(QString::fromLatin1(label), *box);
        }
        layout->addLayout(sizes);
        connect(m_chosen, &QRadioButton::toggled, this, [this](bool on) {
            m_width->setEnabled(on);
            m_height->setEnabled(on);
        });
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addWidget(buttons);
        m_windowSize = windowSize;
    }

    QSize size() const {
        return m_chosen->isChecked() ? QSize(m_width->value(), m_height->value()) : m_windowSize;
    }

private:
    QSize m_windowSize;
    QRadioButton* m_window = nullptr;
    QRadioButton* m_chosen = nullptr;
    QSpinBox* m_width = nullptr;
    QSpinBox* m_height = nullptr;
};

} // namespace

// The chart area: tells the window where the pointer moves.
class ChartView : public QChartView {
public:
    ChartView(QChart* chart, std::function<void(QPoint)> moved, QWidget* parent)
        : QChartView(chart, parent), m_moved(std::move(moved)) {
        setMouseTracking(true);
        viewport()->setMouseTracking(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        m_moved(event->position().toPoint());
        QChartView::mouseMoveEvent(event);
    }

private:
    std::function<void(QPoint)> m_moved;
};

frmGraph::frmGraph(const ChartContext& context, QWidget* owner)
    : QMainWindow(nullptr), m_context(context), m_params(context.state.settings), m_owner(owner) {
    setObjectName(QStringLiteral("frmGraph"));
    setWindowTitle(QStringLiteral("Graph"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_chart = new QChart;
    m_chart->setBackgroundRoundness(0);
    m_chart->setDropShadowEnabled(false);
    m_chart->setBackgroundBrush(Qt::white);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    m_axisX = new QValueAxis(m_chart);
    m_axisY = new QValueAxis(m_chart);
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
    m_chart->addAxis(m_axisY, Qt::AlignLeft);
    for (QValueAxis* axis : {m_axisX, m_axisY}) {
        axis->setLinePenColor(Qt::black);
        axis->setGridLineColor(QColor(0xC8, 0xC8, 0xC8));
    }

    m_view = new ChartView(
        m_chart, [this](QPoint p) { pointerMoved(p); }, this);
    m_view->setObjectName(QStringLiteral("Graph1"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(100, 100);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_view, 1);
    buildPointIdFrame();
    layout->addWidget(m_pointId);
    setCentralWidget(central);
    buildMenus();

    setMinimumSize(MinimumSide, MinimumSide);
    resize(760, 600);
}

frmGraph::~frmGraph() {
    restorePointer();
    releaseOwner();
}

void frmGraph::buildPointIdFrame() {
    m_pointId = new QGroupBox(QStringLiteral("Point ID"), this);
    m_pointId->setObjectName(QStringLiteral("fraPointID"));
    auto* row = new QHBoxLayout(m_pointId);
    auto add = [&](const char* caption, const char* name) {
        row->addWidget(new QLabel(QString::fromLatin1(caption), m_pointId));
        auto* value = new QLabel(m_pointId);
        value->setObjectName(QString::fromLatin1(name));
        value->setMinimumWidth(60);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        row->addWidget(value);
        return value;
    };
    m_lblX = add("X-coord:", "lblX");
    m_lblSF = add("Stability fact:", "lblSF");
    m_lblCurve = add("Curve:", "lblCurve");
    m_lblCurve->setMinimumWidth(150);
    row->addStretch(1);
}

void frmGraph::buildMenus() {
    auto add = [this](QMenu* menu, const char* caption, const char* name, auto handler) {
        QAction* a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    add(file, "&Print", "GraphFileItem_0", [this] { printGraph(); });
    file->addSeparator()->setObjectName(QStringLiteral("GraphFileItem_1"));
    add(file, "Export to excel", "GraphFileItem_2", [this] { exportToSpreadsheet(); });
    add(file, "Export CSV...", "GraphFileExportCsv", [this] { exportCsv(); });
    add(file, "Save Image...", "GraphFileSaveImage", [this] { saveImage(); });
    file->addSeparator()->setObjectName(QStringLiteral("GraphFileItem_3"));
    add(file, "E&xit", "GraphFileItem_4", [this] { close(); });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    add(edit, "Copy ", "GraphEditItem_0", [this] {
        copyGraph();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    m_pointIdItem = add(options, "Point ID", "GraphOptionsItem_0",
                        [this] { setPointIdShown(m_pointIdItem->isChecked()); });
    m_pointIdItem->setCheckable(true);
    m_pointIdItem->setChecked(true);
    add(options, "Basic &options", "GraphOptionsItem_1", [this] { showOptions(); });
}

QChartView* frmGraph::chartView() const {
    return m_view;
}

void frmGraph::open() {
    if (m_owner != nullptr) {
        m_owner->setEnabled(false);
        m_ownerDisabled = true;
    }
    winId();
    if (m_owner != nullptr && m_owner->window()->windowHandle() != nullptr && windowHandle())
        windowHandle()->setTransientParent(m_owner->window()->windowHandle());
    if (m_context.centerForm) m_context.centerForm(*this);
    show();
    raise();
    activateWindow();
}

void frmGraph::releaseOwner() {
    if (m_ownerDisabled && m_owner != nullptr) {
        m_owner->setEnabled(true);
        m_owner->activateWindow();
    }
    m_ownerDisabled = false;
}

void frmGraph::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (!event->isAccepted()) return;
    releaseOwner();
    emit closed();
}

void frmGraph::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) ReadChartBack();
}

void frmGraph::ResetGraphParams() {
    kora::ResetGraphParams(m_params, m_context.state.project.UnitSystem);
}

void frmGraph::GraphInit(int index) {
    if (index < 0 || index >= GraphKinds) return;
    if (!m_hourglass) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_hourglass = true;
    m_graphIndex = index;
    if (GraphTitlesNeedReset(m_params, index, m_context.state.project.UnitSystem))
        ResetGraphParams();
    for (QValueAxis* axis : {m_axisX, m_axisY}) {
        QFont font = axis->titleFont();
        font.setPointSize(10);
        font.setBold(true);
        axis->setTitleFont(font);
    }
    m_axisX->setTitleText(text(m_params.XAxisTitle[static_cast<std::size_t>(index)]));
    m_axisY->setTitleText(text(m_params.YAxisTitle[0]));
    applyGrid();
    m_chart->setTitle(text(m_params.GraphTitle));
    QFont header = m_chart->titleFont();
    header.setPointSize(15);
    header.setBold(true);
    m_chart->setTitleFont(header);
    m_numCurves = NumCurvesFor(m_params);
}

void frmGraph::DrawCurve(std::uint8_t& graphKORAR) {
    m_model = graphKORAR;
    m_chart->removeAllSeries();
    m_curves.clear();
    const auto sweep = ChartSeriesOf(m_context.state.curves, graphKORAR != 0, m_numCurves);
    for (const ChartSeries& series : sweep) {
        Curve c{new QLineSeries, new QScatterSeries};
        for (std::size_t p = 0; p < series.x.size(); ++p) {
            c.line->append(series.x[p], series.y[p]);
            c.symbols->append(series.x[p], series.y[p]);
        }
        for (QXYSeries* s : {static_cast<QXYSeries*>(c.line), static_cast<QXYSeries*>(c.symbols)}) {
            m_chart->addSeries(s);
            s->attachAxis(m_axisX);
            s->attachAxis(m_axisY);
        }
        m_curves.push_back(c);
    }
    for (std::size_t s = 0; s < m_curves.size(); ++s) styleCurve(s);
    applyLegend();
    fitAxes();
    restorePointer();
}

void frmGraph::restorePointer() {
    if (m_hourglass) QGuiApplication::restoreOverrideCursor();
    m_hourglass = false;
}

void frmGraph::ClearGraph() {
    m_chart->removeAllSeries();
    m_curves.clear();
    m_numCurves = 0;
    m_chart->legend()->setVisible(false);
}

void frmGraph::styleCurve(std::size_t s) {
    const Curve& c = m_curves[s];
    const QColor colour = QColor::fromRgb(CurveRgb(static_cast<int>(s)));
    QPen pen(colour);
    pen.setWidth(LineWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    c.line->setPen(pen);
    c.line->setVisible(StyleHasLines(m_params.GraphStyle));
    c.symbols->setMarkerSize(m_params.SymbolSize * SymbolScale);
    c.symbols->setMarkerShape(shapeOf(s, static_cast<int>(m_curves.size())));
    c.symbols->setColor(colour);
    c.symbols->setBorderColor(colour);
    c.symbols->setVisible(StyleHasSymbols(m_params.GraphStyle));
}

// One legend entry per curve, showing its symbol when the style has symbols and its line
// otherwise; no labels at all when the legend is off.
void frmGraph::applyLegend() {
    const bool shown = m_params.CurveLegend == 1;
    QLegend* legend = m_chart->legend();
    for (std::size_t s = 0; s < m_curves.size(); ++s) {
        const Curve& c = m_curves[s];
        const QString label = shown ? text(SeriesLabel(static_cast<int>(s))).trimmed() : QString();
        c.line->setName(label);
        c.symbols->setName(label);
        const bool bySymbol = c.symbols->isVisible();
        for (QLegendMarker* m : legend->markers(c.line)) m->setVisible(!bySymbol);
        for (QLegendMarker* m : legend->markers(c.symbols)) m->setVisible(bySymbol);
    }
    legend->setVisible(shown && !m_curves.empty());
}

void frmGraph::applyGrid() {
    m_axisY->setGridLineVisible(HorizontalGrid(m_params.GridStyle));
    m_axisX->setGridLineVisible(VerticalGrid(m_params.GridStyle));
}

void frmGraph::fitAxes() {
    constexpr double inf = std::numeric_limits<double>::infinity();
    double x0 = inf, x1 = -inf, y0 = inf, y1 = -inf;
    for (const Curve& c : m_curves)
        for (const QPointF& p : c.line->points()) {
            x0 = std::min(x0, p.x());
            x1 = std::max(x1, p.x());
            y0 = std::min(y0, p.y());
            y1 = std::max(y1, p.y());
        }
    if (x0 > x1) return;
    for (auto [axis, scale] : {std::pair{m_axisX, NiceAxis(x0, x1)}, {m_axisY, NiceAxis(y0, y1)}}) {
        axis->setRange(scale.min, scale.max);
        axis->setTickCount(scale.tickCount);
        axis->setLabelFormat(labelFormat(scale.tick));
    }
}

void frmGraph::ReadChartBack() {
    if (!m_curves.empty()) {
        m_params.SymbolSize = static_cast<std::int16_t>(
            std::lround(m_curves.front().symbols->markerSize() / SymbolScale));
        bool labelled = false;
        for (const Curve& c : m_curves) labelled = labelled || !c.line->name().isEmpty();
        m_params.CurveLegend = labelled ? 1 : 0;
    }
    m_params.GraphTitle = m_chart->title().toStdString();
    m_params.XAxisTitle[static_cast<std::size_t>(m_graphIndex)] =
        m_axisX->titleText().toStdString();
    m_params.YAxisTitle[0] = m_axisY->titleText().toStdString();
    m_params.GridStyle = static_cast<std::int16_t>(
        GridStyleOf(m_axisY->isGridLineVisible(), m_axisX->isGridLineVisible()));
}

void frmGraph::ApplyGraphParams() {
    for (const Curve& c : m_curves) c.symbols->setMarkerSize(m_params.SymbolSize * SymbolScale);
    m_chart->setTitle(text(m_params.GraphTitle));
    m_axisX->setTitleText(text(m_params.XAxisTitle[static_cast<std::size_t>(m_graphIndex)]));
    m_axisY->setTitleText(text(m_params.YAxisTitle[0]));
    applyGrid();
    if (m_numCurves != 0 && NumCurvesFor(m_params) != m_numCurves) {
        m_numCurves = NumCurvesFor(m_params);
        std::uint8_t model = m_model;
        DrawCurve(model);
        return;
    }
    for (std::size_t s = 0; s < m_curves.size(); ++s) styleCurve(s);
    applyLegend();
}

std::vector<ChartSeries> frmGraph::chartData() const {
    std::vector<ChartSeries> out;
    for (std::size_t s = 0; s < m_curves.size(); ++s) {
        ChartSeries series;
        series.label = SeriesLabel(static_cast<int>(s));
        for (const QPointF& p : m_curves[s].line->points()) {
            series.x.push_back(p.x());
            series.y.push_back(p.y());
        }
        out.push_back(std::move(series));
    }
    return out;
}

void frmGraph::pointerMoved(QPoint viewPos) {
    QWidget* area = m_view->viewport();
    const QPointF at = m_chart->mapFromScene(m_view->mapToScene(viewPos));
    if (!m_chart->plotArea().contains(at)) {
        area->unsetCursor();
        return;
    }
    double best = std::numeric_limits<double>::infinity();
    std::size_t curve = 0;
    QPointF value;
    for (std::size_t s = 0; s < m_curves.size(); ++s)
        for (const QPointF& p : m_curves[s].line->points()) {
            const double d = QLineF(m_chart->mapToPosition(p, m_curves[s].line), at).length();
            if (d < best) {
                best = d;
                curve = s;
                value = p;
            }
        }
    if (best <= PickDistance && value.y() != MissingValue) {
        m_lblSF->setText(text(Format(value.y(), "##0.00")));
        m_lblX->setText(text(Format(value.x(), "##0.00")));
        m_lblCurve->setText(text(SeriesLabel(static_cast<int>(curve))));
        area->setCursor(Qt::CrossCursor);
    } else {
        area->unsetCursor();
    }
}

void frmGraph::setPointIdShown(bool shown) {
    m_pointIdItem->setChecked(shown);
    m_pointId->setVisible(shown);
}

void frmGraph::renderChart(QPainter& painter, const QRectF& target, QSize size) {
    const QSizeF shown = m_chart->size();
    const bool relayout = QSizeF(size) != shown;
    if (relayout) {
        m_chart->resize(size);
        m_chart->layout()->activate();
    }
    painter.setRenderHint(QPainter::Antialiasing);
    m_view->scene()->render(&painter, target, QRectF(m_chart->pos(), QSizeF(size)),
                            Qt::IgnoreAspectRatio);
    if (relayout) {
        m_chart->resize(shown);
        m_chart->layout()->activate();
    }
}

bool frmGraph::writeImage(const QString& path, QSize size) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QRectF whole(QPointF(0, 0), QSizeF(size));
    QPainter painter;
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(whole);
        svg.setTitle(QStringLiteral("KORA Graph"));
        if (!painter.begin(&svg)) return false;
        renderChart(painter, whole, size);
        return painter.end() && QFileInfo(path).size() > 0;
    }
    if (suffix == QLatin1String("pdf")) {
        // One page of the chart's size, at 96 dots per inch as on the screen.
        QPdfWriter pdf(path);
        pdf.setTitle(QStringLiteral("KORA Graph"));
        pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / 96.0, QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        if (!painter.begin(&pdf)) return false;
        renderChart(painter, QRectF(0, 0, pdf.width(), pdf.height()), size);
        return painter.end() && QFileInfo(path).size() > 0;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    if (!painter.begin(&image)) return false;
    renderChart(painter, whole, size);
    painter.end();
    return image.save(path);
}

void frmGraph::printGraph() {
    Messenger& m = m_context.messenger;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("KORA Graph"));
    printer.setPageOrientation(QPageLayout::Landscape);
    // No page numbers and no selection to choose: the chart is one page.
    if (!m_context.dialogs.printDialog(this, printer,
                                       QAbstractPrintDialog::PrintToFile |
                                           QAbstractPrintDialog::PrintShowPageSize)) {
        HandleError(m, err::DialogCancelled, "Cancel was selected.");
        return;
    }
    m.AddHistory("Printing Graph");
    for (;;) {
        QPainter painter;
        if (painter.begin(&printer)) {
            // The chart as the window shows it, as large as the page allows.
            const QSize shown = m_view->size();
            const QSizeF page(printer.width(), printer.height());
            const double scale =
                std::min(page.width() / shown.width(), page.height() / shown.height());
            const QSizeF drawn = QSizeF(shown) * scale;
            renderChart(painter, QRectF(QPointF((page.width() - drawn.width()) / 2, 0), drawn),
                        shown);
            painter.end();
            return;
        }
        if (HandleError(m, err::PrinterError, "Printer error") != errorAnswer::Retry) return;
    }
}

std::string frmGraph::newExportPath() const {
    QString folder = text(m_context.state.folders.UserTempFolder);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::tempPath();
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    const QString stem =
        folder + QStringLiteral("KORA Graph ") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh.mm.ss"));
    QString path = stem + QStringLiteral(".xlsx");
    for (int n = 2; QFileInfo::exists(path); ++n) path = stem + QStringLiteral(" (%1).xlsx").arg(n);
    return path.toStdString();
}

void frmGraph::exportToSpreadsheet() {
    Messenger& m = m_context.messenger;
    if (m_context.state.settings.AskOfficeInstall == 0 &&
        m.ShowMessage("This option will only work if a spreadsheet program is installed on this "
                      "computer. Proceed?",
                      mb::YesNo | mb::Question) != mb::AnswerYes)
        return;
    const std::vector<ChartSeries> curves = chartData();
    const std::string path = newExportPath();
    if (!Guarded(m, [&] {
            WaitCursor wait;
            WriteChartWorkbook(path, curves);
        }))
        return;
    const std::string exported = "Exported " + std::to_string(curves.size()) + " Curves";
    if (m_context.dialogs.openUrl(QUrl::fromLocalFile(text(path)))) {
        m.ShowMessage(exported);
    } else {
        m.ShowMessage(exported + " to\r\n" + path +
                          "\r\nNo spreadsheet program could be started to open the file; it "
                          "can be opened from that folder.",
                      mb::Exclamation);
    }
}

void frmGraph::exportCsv() {
    FileDialogRequest request;
    request.mode = FileDialogMode::SaveAs;
    request.caption = QStringLiteral("Export CSV");
    request.folder = DialogFolder(m_context.state.settings.DataPath);
    request.fileName = QStringLiteral("KORA Graph.csv");
    request.filters = {QStringLiteral("CSV Files (*.csv)")};
    request.defaultSuffix = QStringLiteral("csv");
    const std::optional<QString> chosen = m_context.dialogs.fileDialog(this, request);
    Messenger& m = m_context.messenger;
    if (!chosen) {
        HandleError(m, err::DialogCancelled, "Cancel was selected.");
        return;
    }
    if (Guarded(m, [&] { WriteChartCsv(chosen->toStdString(), chartData()); }))
        m.AddHistory("Curves exported to: " + chosen->toStdString());
}

void frmGraph::saveImage() {
    FileDialogRequest request;
    request.mode = FileDialogMode::SaveAs;
    request.caption = QStringLiteral("Save Image");
    request.folder = DialogFolder(m_context.state.settings.DataPath);
    request.fileName = QStringLiteral("KORA Graph.png");
    request.filters = {QStringLiteral("PNG Image (*.png)"), QStringLiteral("SVG Image (*.svg)"),
                       QStringLiteral("PDF Document (*.pdf)")};
    request.defaultSuffix = QStringLiteral("png");
    Messenger& m = m_context.messenger;
    const std::optional<QString> chosen = m_context.dialogs.fileDialog(this, request);
    if (!chosen) {
        HandleError(m, err::DialogCancelled, "Cancel was selected.");
        return;
    }
    ImageSizeDialog sizes(m_view->size(), this);
    if (m_context.centerForm) m_context.centerForm(sizes);
    if (m_context.dialogs.execDialog(sizes) != QDialog::Accepted) {
        HandleError(m, err::DialogCancelled, "Cancel was selected.");
        return;
    }
    Guarded(m, [&] {
        WaitCursor wait;
        if (!writeImage(*chosen, sizes.size()))
            throw KoraError(err::PathFileAccessError, "Path/File access error",
                            chosen->toStdString());
        m.AddHistory("Graph saved to: " + chosen->toStdString());
    });
}

void frmGraph::copyGraph() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(m_view->grab().toImage());
}

void frmGraph::showOptions() {
    ReadChartBack();
    Messenger& m = m_context.messenger;
    KoraState& state = m_context.state;
    const std::string ini = m_context.iniPath;
    frmGraphOpt dialog(m_params, m_graphIndex, state.project.UnitSystem, m, this);
    dialog.setClearGraph([this] { ClearGraph(); });
    dialog.setSaveGraphSection([&m, &state, ini] {
        Guarded(m,
                [&] { SaveSettings(state.settings, state.recent, ini, settingsPart::Graph, m); });
    });
    if (m_context.centerForm) m_context.centerForm(dialog);
    m_context.dialogs.execDialog(dialog);
    ApplyGraphParams();
}

} // namespace kora::gui

// The chart module's entry point (see chartmodule.h).
extern "C" Q_DECL_EXPORT QWidget* kora_open_chart(const kora::gui::ChartContext& context,
                                                  QWidget* owner, int index,
                                                  std::uint8_t& graphKORAR) {
    auto* window = new kora::gui::frmGraph(context, owner);
    window->GraphInit(index);
    window->DrawCurve(graphKORAR);
    window->open();
    return window;
}
