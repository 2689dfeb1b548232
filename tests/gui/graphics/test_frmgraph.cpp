#include "guiharness.h"

#include "core/base/numberformat.h"
#include "core/model/unitsystems.h"
#include "core/report/chartexport.h"
#include "gui/graphics/frmgraph.h"
#include "gui/graphics/frmgraphopt.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QScrollBar>
#include <QSpinBox>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <functional>

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
        frmGraph* g = graph();
        if (g == nullptr) throw std::runtime_error("no chart from " + item);
        QApplication::processEvents(); // the chart is laid out
        return *g;
    }

    static QValueAxis* axis(frmGraph& g, Qt::Orientation o) {
        return qobject_cast<QValueAxis*>(g.chart()->axes(o).front());
    }

    static std::vector<QXYSeries*> series(frmGraph& g, QAbstractSeries::SeriesType type) {
        std::vector<QXYSeries*> out;
        for (QAbstractSeries* s : g.chart()->series())
            if (s->type() == type) out.push_back(static_cast<QXYSeries*>(s));
        return out;
    }

    // The options dialog run by `script`, which returns the dialog's result.
    void options(frmGraph& g, std::function<int(frmGraphOpt&)> script) {
        h.dialogs.dialogScripts.push_back(
            [script](QDialog& d) { return script(static_cast<frmGraphOpt&>(d)); });
        g.showOptions();
    }

    template <typename T> static T* child(QWidget& w, const char* name) {
        T* c = w.findChild<T*>(QString::fromLatin1(name));
        if (c == nullptr) throw std::runtime_error(std::string("no child ") + name);
        return c;
    }

    // Whether the history log's last line is this message.
    bool loggedLast(const std::string& message) const {
        return h.state.history.text().ends_with(". " + message + "\r\n");
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
            EXPECT_EQ(g.windowTitle(), QStringLiteral("Graph"));
            EXPECT_FALSE(h.window->isEnabled());
            EXPECT_EQ(g.GraphIndex(), kind);
            EXPECT_EQ(g.NumCurves(), 2);
            EXPECT_EQ(g.chart()->title(), QStringLiteral("KORA"));
            EXPECT_EQ(axis(g, Qt::Horizontal)->titleText(), QString::fromLatin1(titles[kind]));
            EXPECT_EQ(axis(g, Qt::Vertical)->titleText(), QStringLiteral("Stability Factor"));
            EXPECT_EQ(g.chart()->titleFont().pointSize(), 15);
            EXPECT_EQ(axis(g, Qt::Vertical)->titleFont().pointSize(), 10);
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
            EXPECT_GE(g.height(), 267);
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

TEST_F(ChartTest, StoredTitlesStayUntilTheUnitSystemChanges) {
    h.state.settings.XAxisTitle[0] = "Mining height (ft)";
    h.state.settings.TitleUnits = English;
    EXPECT_EQ(axis(open("mnuCalcGrafItem_0"), Qt::Horizontal)->titleText(),
              QStringLiteral("Mining height (ft)"));
    graph()->close();
    h.openProject(h.example("Example_4Entry_Advanced_Metric.KOR"));
    frmGraph& g = open("mnuCalcGrafItem_0");
    EXPECT_EQ(axis(g, Qt::Horizontal)->titleText(), QStringLiteral("Entry Height (m)"));
    EXPECT_EQ(h.state.settings.TitleUnits, Metric);
    // x in metres: half the project's entry height first.
    EXPECT_NEAR(g.chartData()[0].x[0], 0.5 * h.state.project.EntryHeight, 1e-5);
}

TEST_F(ChartTest, StyleGridAndLegendFollowTheParameters) {
    struct Case {
        int graphStyle, gridStyle, legend;
        bool lines, symbols, horizontal, vertical;
    };
    const Case cases[] = {{1, 0, 1, true, false, false, false},
                          {2, 1, 0, false, true, true, false},
                          {3, 2, 1, true, true, false, true},
                          {3, 3, 0, true, true, true, true}};
    h.state.settings.XAxisTitle[1] = "Depth of Cover (ft)"; // no reset of the parameters
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.graphStyle << c.gridStyle << c.legend);
        h.state.settings.GraphStyle = static_cast<std::int16_t>(c.graphStyle);
        h.state.settings.GridStyle = static_cast<std::int16_t>(c.gridStyle);
        h.state.settings.CurveLegend = static_cast<std::int16_t>(c.legend);
        frmGraph& g = open("mnuCalcGrafItem_1");
        const auto lines = series(g, QAbstractSeries::SeriesTypeLine);
        const auto symbols = series(g, QAbstractSeries::SeriesTypeScatter);
        ASSERT_EQ(lines.size(), 2u);
        ASSERT_EQ(symbols.size(), 2u);
        for (std::size_t s = 0; s < 2; ++s) {
            EXPECT_EQ(lines[s]->isVisible(), c.lines);
            EXPECT_EQ(symbols[s]->isVisible(), c.symbols);
            EXPECT_EQ(lines[s]->pen().width(), 3);
            EXPECT_EQ(symbols[s]->markerSize(), 10);
            EXPECT_EQ(lines[s]->name().isEmpty(), c.legend == 0);
        }
        EXPECT_EQ(lines[0]->color(), QColor(0, 0, 255));
        EXPECT_EQ(lines[1]->color(), QColor(205, 92, 92));
        EXPECT_NE(static_cast<QScatterSeries*>(symbols[0])->markerShape(),
                  static_cast<QScatterSeries*>(symbols[1])->markerShape());
        EXPECT_EQ(g.chart()->legend()->isVisible(), c.legend == 1);
        EXPECT_EQ(axis(g, Qt::Vertical)->isGridLineVisible(), c.horizontal);
        EXPECT_EQ(axis(g, Qt::Horizontal)->isGridLineVisible(), c.vertical);

        // Deactivated and active again, the chart still reads as it was set.
        h.state.settings.GridStyle = 9;
        h.state.settings.CurveLegend = 9;
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QApplication::setActiveWindow(&g);
        EXPECT_EQ(h.state.settings.GridStyle, c.gridStyle);
        EXPECT_EQ(h.state.settings.CurveLegend, c.legend);
        g.close();
    }
}

TEST_F(ChartTest, PointIdReadsOutThePointWithinThreePixels) {
    frmGraph& g = open("mnuCalcGrafItem_0");
    g.show();
    QApplication::processEvents();
    QLineSeries* headgate =
        static_cast<QLineSeries*>(series(g, QAbstractSeries::SeriesTypeLine)[1]);
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
    // The menu item only shows or hides the frame.
    QAction* item = child<QAction>(g, "GraphOptionsItem_0");
    EXPECT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(child<QGroupBox>(g, "fraPointID")->isVisible());
}

TEST_F(ChartTest, ExportsWriteWhatTheChartShows) {
    frmGraph& g = open("mnuCalcGrafItem_2");
    const std::vector<ChartSeries> shown = g.chartData();
    const std::string temp = h.state.folders.UserTempFolder;

    // The spreadsheet export goes to the temporary folder and is handed to the desktop; when
    // nothing opens it, the message says where it is.
    for (bool opens : {false, true}) {
        h.dialogs.messages.clear();
        h.dialogs.openUrlResult = opens;
        child<QAction>(g, "GraphFileItem_2")->trigger();
        ASSERT_EQ(h.dialogs.openedUrls.size(), opens ? 2u : 1u);
        const std::string path = h.dialogs.openedUrls.back().toLocalFile().toStdString();
        EXPECT_EQ(path.rfind(temp, 0), 0u) << path;
        EXPECT_EQ(GuiHarness::readFile(path).substr(0, 2), "PK");
        ASSERT_EQ(h.dialogs.messages.size(), 1u);
        const std::string text = h.dialogs.messages[0].text.toStdString();
        EXPECT_EQ(text.rfind(opens ? "Exported 2 Curves" : "Exported 2 Curves to\r\n" + path, 0),
                  0u)
            << text;
    }
    // Asked first when the options say so; No exports nothing.
    h.state.settings.AskOfficeInstall = 0;
    h.dialogs.messages.clear();
    h.dialogs.messageAnswers.push_back(mb::AnswerNo);
    child<QAction>(g, "GraphFileItem_2")->trigger();
    EXPECT_EQ(h.dialogs.messageTexts(),
              QStringList{QStringLiteral("This option will only work if a spreadsheet program is "
                                         "installed on this computer. Proceed?")});
    EXPECT_EQ(h.dialogs.openedUrls.size(), 2u);

    const std::string csv = h.dataFolder() + "curves.csv";
    h.dialogs.fileAnswers.push_back(QString::fromStdString(csv));
    child<QAction>(g, "GraphFileExportCsv")->trigger();
    EXPECT_EQ(GuiHarness::readFile(csv), ChartCsvText(shown));

    // Images at the window's size or a chosen one; SVG and PDF are vector files.
    struct Image {
        const char* name;
        QSize size;
        const char* start;
    };
    const QSize window = g.chartView()->size();
    const Image images[] = {{"chart.png", window, "\x89PNG"},
                            {"big.png", QSize(1600, 1200), "\x89PNG"},
                            {"chart.svg", QSize(800, 600), "<?xml"},
                            {"chart.pdf", window, "%PDF-"}};
    for (const Image& image : images) {
        const std::string path = h.dataFolder() + image.name;
        h.dialogs.fileAnswers.push_back(QString::fromStdString(path));
        const QSize size = image.size;
        h.dialogs.dialogScripts.push_back([size, window](QDialog& d) {
            if (size != window) {
                child<QRadioButton>(d, "optChosenSize")->setChecked(true);
                child<QSpinBox>(d, "txtWidth")->setValue(size.width());
                child<QSpinBox>(d, "txtHeight")->setValue(size.height());
            }
            return int(QDialog::Accepted);
        });
        child<QAction>(g, "GraphFileSaveImage")->trigger();
        const std::string bytes = GuiHarness::readFile(path);
        EXPECT_EQ(bytes.rfind(image.start, 0), 0u) << image.name;
        if (std::string(image.name).ends_with(".png")) {
            EXPECT_EQ(QImage(QString::fromStdString(path)).size(), size) << image.name;
        }
    }
    EXPECT_EQ(g.chartView()->size(), window); // the window's chart is laid out as before
}

TEST_F(ChartTest, PrintAndCopy) {
    frmGraph& g = open("mnuCalcGrafRItem_1");
    const QString pdf = QString::fromStdString(h.dataFolder() + "graph.pdf");
    h.dialogs.printScripts.push_back([pdf](QPrinter& printer) {
        printer.setOutputFileName(pdf);
        return true;
    });
    child<QAction>(g, "GraphFileItem_0")->trigger();
    EXPECT_EQ(GuiHarness::readFile(pdf.toStdString()).substr(0, 5), "%PDF-");
    EXPECT_TRUE(loggedLast("Printing Graph"));
    child<QAction>(g, "GraphFileItem_0")->trigger(); // cancelled: nothing printed
    EXPECT_TRUE(loggedLast("Cancel was selected."));

    QGuiApplication::clipboard()->clear();
    child<QAction>(g, "GraphEditItem_0")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(),
              g.chartView()->size() * g.devicePixelRatio());
}

TEST_F(ChartTest, OptionsDialogRules) {
    frmGraph& g = open("mnuCalcGrafItem_1");
    h.state.settings.XAxisTitle[1] = "Overburden (ft)";

    // The default parameters: reset at once, shown in locked fields; Cancel keeps the defaults
    // but writes nothing.
    const std::string before = GuiHarness::readFile(h.state.iniPath);
    options(g, [&](frmGraphOpt& d) {
        EXPECT_TRUE(child<QRadioButton>(d, "Option1_0")->isChecked());
        EXPECT_EQ(child<QLineEdit>(d, "Text2_1")->text(), QStringLiteral("Depth of Cover (ft)"));
        for (const char* name :
             {"Text1", "Text2_1", "Text3", "Combo1", "Combo2", "Check1", "HScroll1"})
            EXPECT_FALSE(child<QWidget>(d, name)->isEnabled()) << name;
        // Last used: only the open chart's X-axis title is editable.
        child<QRadioButton>(d, "Option1_1")->setChecked(true);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(child<QLineEdit>(d, ("Text2_" + std::to_string(i)).c_str())->isEnabled(),
                      i == 1);
        // The symbol size only for styles with symbols.
        auto* style = child<QComboBox>(d, "Combo2");
        auto* size = child<QScrollBar>(d, "HScroll1");
        for (int i : {0, 1, 2, 0}) {
            style->setCurrentIndex(i);
            EXPECT_EQ(size->isVisibleTo(&d), i > 0) << i;
        }
        // A typed entry that is no item of the list.
        h.dialogs.messages.clear();
        child<QComboBox>(d, "Combo1")->setEditText(QStringLiteral("Diagonal"));
        emit child<QComboBox>(d, "Combo1")->lineEdit()->editingFinished();
        EXPECT_EQ(h.dialogs.messageTexts(),
                  QStringList{QStringLiteral("Please select a valid entry")});
        EXPECT_EQ(child<QComboBox>(d, "Combo1")->currentIndex(), 0);
        child<QPushButton>(d, "Command1")->click();
        return d.result();
    });
    EXPECT_EQ(h.state.settings.XAxisTitle[1], "Depth of Cover (ft)");
    EXPECT_EQ(GuiHarness::readFile(h.state.iniPath), before);

    // OK with "Horizontal" and all loading conditions: the chart follows, the file keeps it.
    options(g, [&](frmGraphOpt& d) {
        child<QRadioButton>(d, "Option1_1")->setChecked(true);
        child<QComboBox>(d, "Combo1")->setCurrentIndex(1);
        child<QCheckBox>(d, "chkAllConditions")->setChecked(true);
        child<QPushButton>(d, "Command2")->click();
        return d.result();
    });
    EXPECT_EQ(graphKey("GridStyle"), "1");
    EXPECT_EQ(graphKey("GraphSetParams"), "1");
    EXPECT_EQ(graphKey("ShowAllConditions"), "1");
    EXPECT_TRUE(axis(g, Qt::Vertical)->isGridLineVisible());
    EXPECT_FALSE(axis(g, Qt::Horizontal)->isGridLineVisible());
    ASSERT_EQ(g.chartData().size(), 5u);
    EXPECT_EQ(g.chartData()[4].label, "Isolated");

    // "Help" empties the chart; OK then formats a chart without curves.
    options(g, [&](frmGraphOpt& d) {
        child<QPushButton>(d, "Command3")->click();
        EXPECT_TRUE(g.chart()->series().isEmpty());
        child<QPushButton>(d, "Command2")->click();
        return d.result();
    });
    EXPECT_EQ(g.NumCurves(), 0);
    EXPECT_TRUE(g.chartData().empty());
}

} // namespace
} // namespace kora::gui::test
