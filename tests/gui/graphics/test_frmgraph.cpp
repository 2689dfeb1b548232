#include "guiharness.h"
#include "guitest.h"

#include "core/base/numberformat.h"
#include "core/model/unitsystems.h"
#include "core/report/chartexport.h"
#include "gui/graphics/frmgraph.h"
#include "gui/graphics/frmgraphopt.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

namespace kora::gui::test {
namespace {

// The program with the standard example open and the history on; charts come from its menus.
class ChartTest : public ::testing::Test {
protected:
    ChartTest() {
        h.startQuiet();
        h.openProject(h.example("Example_3Entry_Standard.KOR"));
    }
    ~ChartTest() override {
        if (frmGraph* g = graph()) g->close();
    }
    frmGraph* graph() const { return qobject_cast<frmGraph*>(h.window->graphWindow()); }
    frmGraph& open(const std::string& item) {
        h.trigger(item.c_str());
        if (graph() == nullptr) throw std::runtime_error("no chart from " + item);
        QApplication::processEvents(); // the chart is laid out
        return *graph();
    }
    static QValueAxis* axis(frmGraph& g, Qt::Orientation o) {
        return qobject_cast<QValueAxis*>(g.chart()->axes(o).front());
    }
    // The options dialog run by `script`, which returns the dialog's result.
    void options(frmGraph& g, std::function<void(QDialog&)> script) {
        h.dialogs.dialogScripts.push_back([script](QDialog& d) {
            script(d);
            return d.result();
        });
        g.showOptions();
    }
    std::string graphKey(const char* key) const {
        return ReadIniString("Graph", key, h.state.iniPath);
    }

    GuiHarness h;
};

TEST_F(ChartTest, EachKindFromBothSubmenusChartsTheSameXAndItsOwnModel) {
    const char* titles[] = {"Entry Height (ft)", "Depth of Cover (ft)", "Panel Width (ft)",
                            "Crosscut Spacing (ft)"};
    for (int kind = 0; kind < 4; ++kind) {
        SCOPED_TRACE(kind);
        std::vector<ChartSeries> models[2];
        for (int r = 0; r < 2; ++r) {
            frmGraph& g =
                open((r ? "mnuCalcGrafRItem_" : "mnuCalcGrafItem_") + std::to_string(kind));
            EXPECT_FALSE(h.window->isEnabled());
            EXPECT_EQ(g.GraphIndex(), kind);
            EXPECT_EQ(axis(g, Qt::Horizontal)->titleText(), QString::fromLatin1(titles[kind]));
            EXPECT_EQ(axis(g, Qt::Vertical)->titleText(), QStringLiteral("Stability Factor"));
            models[r] = g.chartData();
            // Nothing of the curves outside the axes.
            for (const ChartSeries& c : models[r])
                for (std::size_t p = 0; p < c.x.size(); ++p) {
                    EXPECT_GT(c.x[p], axis(g, Qt::Horizontal)->min());
                    EXPECT_LT(c.x[p], axis(g, Qt::Horizontal)->max());
                    EXPECT_GT(c.y[p], axis(g, Qt::Vertical)->min());
                    EXPECT_LT(c.y[p], axis(g, Qt::Vertical)->max());
                }
            g.resize(100, 100);
            EXPECT_GE(g.width(), 267);
            g.close();
            QApplication::processEvents();
            EXPECT_TRUE(h.window->isEnabled());
        }
        ASSERT_EQ(models[0].size(), 2u);
        EXPECT_EQ(models[0][0].label, "Development Loading");
        EXPECT_EQ(models[0][1].label, "Headgate Loading");
        EXPECT_EQ(models[0][1].x, models[1][1].x);
        EXPECT_NE(models[0][1].y, models[1][1].y);
    }
}

TEST_F(ChartTest, PointIdReadsOutThePointWithinThreePixels) {
    frmGraph& g = open("mnuCalcGrafItem_0");
    g.show();
    QApplication::processEvents();
    auto* headgate = qobject_cast<QLineSeries*>(g.chart()->series().at(2)); // line, symbols, ...
    const QPointF value = headgate->at(2);
    const QPoint at = g.chartView()->mapFromScene(
        g.chart()->mapToScene(g.chart()->mapToPosition(value, headgate)));
    QWidget* area = g.chartView()->viewport();
    auto label = [&](const char* name) { return child<QLabel>(g, name)->text().toStdString(); };
    const QPoint near = at + QPoint(1, 1); // whole pixels: at most 2.2 away
    QMouseEvent move(QEvent::MouseMove, near, area->mapToGlobal(near), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    EXPECT_EQ(label("lblX"), Format(value.x(), "##0.00"));
    EXPECT_EQ(label("lblSF"), Format(value.y(), "##0.00"));
    EXPECT_EQ(label("lblCurve"), "Headgate Loading");
    EXPECT_EQ(area->cursor().shape(), Qt::CrossCursor);
    for (QPoint away : {at + QPoint(0, 6), QPoint(1, 1)}) {
        g.pointerMoved(away);
        EXPECT_EQ(area->cursor().shape(), Qt::ArrowCursor);
        EXPECT_EQ(label("lblCurve"), "Headgate Loading"); // the last values stay
    }
}

TEST_F(ChartTest, ExportsPrintsAndCopiesWhatTheChartShows) {
    frmGraph& g = open("mnuCalcGrafItem_2");
    const std::vector<ChartSeries> shown = g.chartData();
    // The spreadsheet export goes to the temporary folder and is handed to the desktop; when
    // nothing opens it, the message says where it is.
    for (bool opens : {false, true}) {
        h.dialogs.messages.clear();
        h.dialogs.openUrlResult = opens;
        child<QAction>(g, "GraphFileItem_2")->trigger();
        ASSERT_EQ(h.dialogs.openedUrls.size(), opens ? 2u : 1u);
        const std::string path = h.dialogs.openedUrls.back().toLocalFile().toStdString();
        EXPECT_EQ(path.rfind(h.state.folders.UserTempFolder, 0), 0u) << path;
        EXPECT_EQ(GuiHarness::readFile(path).substr(0, 2), "PK");
        ASSERT_EQ(h.dialogs.messages.size(), 1u);
        const std::string text = h.dialogs.messages[0].text.toStdString();
        EXPECT_EQ(text.rfind(opens ? "Exported 2 Curves" : "Exported 2 Curves to\r\n" + path, 0),
                  0u)
            << text;
    }
    const std::string csv = h.dataFolder() + "curves.csv";
    h.dialogs.fileAnswers.push_back(QString::fromStdString(csv));
    child<QAction>(g, "GraphFileExportCsv")->trigger();
    EXPECT_EQ(GuiHarness::readFile(csv), ChartCsvText(shown));

    // An image at a chosen size; the window's chart stays laid out as before.
    const QSize window = g.chartView()->size();
    const std::string png = h.dataFolder() + "big.png";
    h.dialogs.fileAnswers.push_back(QString::fromStdString(png));
    h.dialogs.dialogScripts.push_back([](QDialog& d) {
        child<QRadioButton>(d, "optChosenSize")->setChecked(true);
        child<QSpinBox>(d, "txtWidth")->setValue(1600);
        child<QSpinBox>(d, "txtHeight")->setValue(1200);
        return int(QDialog::Accepted);
    });
    child<QAction>(g, "GraphFileSaveImage")->trigger();
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(1600, 1200));
    EXPECT_EQ(g.chartView()->size(), window);

    const QString pdf = QString::fromStdString(h.dataFolder() + "graph.pdf");
    h.dialogs.printScripts.push_back([pdf](QPrinter& printer) {
        printer.setOutputFileName(pdf);
        return true;
    });
    child<QAction>(g, "GraphFileItem_0")->trigger();
    EXPECT_EQ(GuiHarness::readFile(pdf.toStdString()).substr(0, 5), "%PDF-");
    EXPECT_TRUE(h.historyHas("Printing Graph"));
    QGuiApplication::clipboard()->clear();
    child<QAction>(g, "GraphEditItem_0")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(),
              g.chartView()->size() * g.devicePixelRatio());
}

// The options dialog resets to the default parameters at once; Cancel writes nothing, OK with
// "Horizontal" and all loading conditions changes the chart and the settings file.
TEST_F(ChartTest, OptionsCancelWritesNothingAndOkIsApplied) {
    frmGraph& g = open("mnuCalcGrafItem_1");
    h.state.settings.XAxisTitle[1] = "Overburden (ft)";
    const std::string before = GuiHarness::readFile(h.state.iniPath);
    options(g, [&](QDialog& d) {
        EXPECT_FALSE(child<QLineEdit>(d, "Text2_1")->isEnabled());
        child<QRadioButton>(d, "Option1_1")->setChecked(true); // last used: editable
        for (const char* name : {"Text2_0", "Text2_1", "Text2_2", "Text2_3"})
            EXPECT_EQ(child<QLineEdit>(d, name)->isEnabled(), name[6] == '1') << name;
        click(d, "Command1");
    });
    EXPECT_EQ(h.state.settings.XAxisTitle[1], "Depth of Cover (ft)");
    EXPECT_EQ(GuiHarness::readFile(h.state.iniPath), before);
    options(g, [&](QDialog& d) {
        child<QRadioButton>(d, "Option1_1")->setChecked(true);
        child<QComboBox>(d, "Combo1")->setCurrentIndex(1);
        child<QCheckBox>(d, "chkAllConditions")->setChecked(true);
        click(d, "Command2");
    });
    EXPECT_EQ(graphKey("GridStyle") + graphKey("GraphSetParams") + graphKey("ShowAllConditions"),
              "111");
    EXPECT_TRUE(axis(g, Qt::Vertical)->isGridLineVisible());
    EXPECT_FALSE(axis(g, Qt::Horizontal)->isGridLineVisible());
    ASSERT_EQ(g.chartData().size(), 5u);
    EXPECT_EQ(g.chartData()[4].label, "Isolated");
}

} // namespace
} // namespace kora::gui::test
