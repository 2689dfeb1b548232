#include "gui/graphics/frmpicture.h"

#include "core/base/koraerror.h"
#include "core/base/messenger.h"
#include "gui/common/commandguard.h"
#include "gui/common/dialogservice.h"
#include "gui/graphics/planimage.h"
#include "gui/graphics/planpainter.h"
#include "gui/graphics/planwidget.h"
#include "gui/report/reportprinter.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace kora::gui {

namespace {

constexpr int SmallestFontSize = 2;
constexpr int LargestFontSize = 72;

const char* const LabelModeCaptions[5] = {"&Pillar Dimensions", "Unit Pillar Strength",
                                          "Unit Pillar Strength (R)", "Pillar Load Bearing Cap",
                                          "Pillar Load Bearing Cap (R)"};

QScreen* screenOf(const QWidget& w) {
    if (QScreen* s = w.screen()) return s;
    return QGuiApplication::primaryScreen();
}

} // namespace

frmPicture::frmPicture(QWidget* owner, PlanSource source, const PlanGeometry& geometry,
                       const PlanLabelValues& values, const Settings& settings, int unitSystem,
                       int lastCalcAdvanced, Messenger& messenger, DialogService& dialogs,
                       ReportPrinter& printer)
    : QMainWindow(nullptr), m_owner(owner), m_state(PlanViewState::openedFrom(source)),
      m_geometry(geometry), m_values(values), m_settings(settings), m_unitSystem(unitSystem),
      m_lastCalcAdvanced(lastCalcAdvanced), m_messenger(messenger), m_dialogs(dialogs),
      m_printer(printer) {
    setObjectName(QStringLiteral("frmPicture"));
    setWindowTitle(QStringLiteral("View Plan"));
    m_plan = new PlanWidget(this);
    m_plan->setObjectName(QStringLiteral("PlanArea"));
    m_plan->setMinimumSize(120, 120);
    setCentralWidget(m_plan);
    connect(m_plan, &PlanWidget::mousePressed, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton) increaseFontSize();
        if (button == Qt::RightButton) decreaseFontSize();
    });
    buildMenus();
}

frmPicture::~frmPicture() {
    if (!m_ownerReleased && m_owner) m_owner->setEnabled(true);
}

void frmPicture::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* print = file->addAction(QStringLiteral("&Print"));
    print->setObjectName(QStringLiteral("mnuPlotFileItem_0"));
    connect(print, &QAction::triggered, this, &frmPicture::printPlan);
    QAction* saveImageItem = file->addAction(QStringLiteral("Save &Image..."));
    saveImageItem->setObjectName(QStringLiteral("mnuPlotFileSaveImage"));
    connect(saveImageItem, &QAction::triggered, this, &frmPicture::saveImage);
    file->addSeparator()->setObjectName(QStringLiteral("mnuPlotFileItem_1"));
    QAction* exitItem = file->addAction(QStringLiteral("E&xit"));
    exitItem->setObjectName(QStringLiteral("mnuPlotFileItem_2"));
    connect(exitItem, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    QAction* copy = edit->addAction(QStringLiteral("&Copy"));
    copy->setObjectName(QStringLiteral("mnuEditItem_0"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(copy, &QAction::triggered, this, &frmPicture::copyToClipboard);
    QAction* larger = edit->addAction(QStringLiteral("Increase Font Size"));
    larger->setObjectName(QStringLiteral("mnuEditItem_1"));
    connect(larger, &QAction::triggered, this, &frmPicture::increaseFontSize);
    QAction* smaller = edit->addAction(QStringLiteral("Decrease Font Size"));
    smaller->setObjectName(QStringLiteral("mnuEditItem_2"));
    connect(smaller, &QAction::triggered, this, &frmPicture::decreaseFontSize);

    QMenu* settingsMenu = menuBar()->addMenu(QStringLiteral("&Settings"));
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    const bool results = m_state.Source == PlanSource::Results;
    for (int index = 0; index < 5; ++index) {
        QAction* item = settingsMenu->addAction(QString::fromLatin1(LabelModeCaptions[index]));
        item->setObjectName(QStringLiteral("mnuPlotSetItem_%1").arg(index));
        item->setCheckable(true);
        item->setChecked(index == 0);
        item->setEnabled(index == 0 || results);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, index] { setLabelMode(index + 1); });
        m_labelItems[static_cast<std::size_t>(index)] = item;
    }
}

void frmPicture::open() {
    m_state.PlanLabelMode = 1;
    const int side = 560;
    resize(side, side + chromeHeight());
    if (QScreen* screen = screenOf(*this)) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    if (windowHandle() != nullptr && m_owner != nullptr && m_owner->window()->windowHandle())
        windowHandle()->setTransientParent(m_owner->window()->windowHandle());
    if (m_owner) m_owner->setEnabled(false);
    if (!drawPlan()) m_messenger.ShowMessage(InvalidPlanMessage);
}

bool frmPicture::drawPlan() {
    m_mode =
        PlanLayoutMode(m_state.PlanFromResults, m_lastCalcAdvanced, m_geometry.PlanAdvGeometry);
    const bool planWindowCase = m_settings.ViewChildWindow == 1 || m_state.PlanFromResults == 1;
    m_layout = PlanLayout{};
    m_drawable = ComputePlanLayout(m_geometry, m_mode, planWindowCase, m_layout);
    describe();
    return m_drawable;
}

void frmPicture::describe() {
    if (!m_drawable) {
        m_plan->clear();
        return;
    }
    const bool planWindowCase = m_settings.ViewChildWindow == 1 || m_state.PlanFromResults == 1;
    const PlanDrawOptions options =
        PlanDrawOptions::from(m_settings, m_unitSystem, m_state.PlanLabelMode, planWindowCase);
    m_plan->setDrawing(DescribePlan(m_geometry, m_mode, m_layout, options, m_values));
}

void frmPicture::setLabelMode(int mode) {
    if (mode < 1 || mode > 5) return;
    if (mode > 1 && m_state.Source != PlanSource::Results) return;
    m_state.PlanLabelMode = mode;
    for (int index = 0; index < 5; ++index)
        m_labelItems[static_cast<std::size_t>(index)]->setChecked(index == mode - 1);
    describe();
}

void frmPicture::increaseFontSize() {
    stepFontSize(+1);
}

void frmPicture::decreaseFontSize() {
    stepFontSize(-1);
}

// Steps from the current size until the size read back differs, since a font need not offer
// every size.
void frmPicture::stepFontSize(int direction) {
    const QFont start = m_plan->font();
    const int startSize = start.pointSize() > 0 ? start.pointSize() : 9;
    for (int k = 0;; ++k) {
        const int size = startSize + direction * k;
        if (size < SmallestFontSize || size > LargestFontSize) break;
        QFont f = start;
        f.setPointSize(size);
        m_plan->setFont(f);
        if (m_plan->font().pointSize() != startSize) break;
    }
    drawPlan();
}

void frmPicture::copyToClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(m_plan->grab().toImage());
}

bool frmPicture::printOn(QPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    QFont font = m_plan->font();
    PlanPainter(m_plan->drawing(), font)
        .paint(painter, QRectF(0, 0, device.width(), device.height()), false);
    return painter.end();
}

void frmPicture::printPlan() {
    if (!m_printer.choosePrinterWithoutDialog(this)) {
        HandleError(m_messenger, err::DialogCancelled, "Cancel was selected.");
        return;
    }
    Guarded(m_messenger, [this] {
        m_printer.printPicture(QStringLiteral("KORA plan"),
                               [this](QPrinter& printer) { return printOn(printer); });
    });
}

void frmPicture::saveImage() {
    if (!m_drawable) {
        m_messenger.ShowMessage(InvalidPlanMessage);
        return;
    }
    FileDialogRequest request;
    request.mode = FileDialogMode::SaveAs;
    request.caption = QStringLiteral("Save Image");
    request.folder = DialogFolder(m_settings.DataPath);
    request.fileName = QStringLiteral("KORA Plan.svg");
    request.filters = {QStringLiteral("SVG Image (*.svg)"), QStringLiteral("PDF Document (*.pdf)"),
                       QStringLiteral("PNG Image (*.png)")};
    request.defaultSuffix = QStringLiteral("svg");
    const std::optional<QString> chosen = m_dialogs.fileDialog(this, request);
    if (!chosen) {
        HandleError(m_messenger, err::DialogCancelled, "Cancel was selected.");
        return;
    }
    const std::optional<PlanImageFormat> format = PlanImageFormatOf(*chosen);
    if (!format) {
        m_messenger.ShowMessage("Image files are saved as .svg, .pdf or .png: " +
                                chosen->toStdString());
        return;
    }
    if (*format == PlanImageFormat::Png) {
        const std::optional<int> dpi = AskImageResolution(this, m_dialogs, m_imageDpi);
        if (!dpi) {
            HandleError(m_messenger, err::DialogCancelled, "Cancel was selected.");
            return;
        }
        m_imageDpi = *dpi;
    }
    const double inches = double(m_plan->width()) / std::max(1, m_plan->logicalDpiX());
    while (
        !WritePlanImage(m_plan->drawing(), m_plan->font(), inches, *chosen, *format, m_imageDpi)) {
        if (HandleError(m_messenger, err::PathFileAccessError, "Path/File access error") !=
            errorAnswer::Retry)
            return;
    }
    m_messenger.AddHistory("Plan saved as image: " + chosen->toStdString());
}

int frmPicture::chromeHeight() const {
    return menuBar()->sizeHint().height();
}

void frmPicture::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isVisible() && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        keepSquare(event->oldSize(), event->size());
}

// The drawing area (the window less its menu bar) stays square: a changed width sets the height,
// a changed height alone sets the width.
void frmPicture::keepSquare(QSize oldSize, QSize newSize) {
    if (m_adjusting || !oldSize.isValid()) return;
    const int chrome = chromeHeight();
    QSize wanted = newSize;
    if (newSize.width() != oldSize.width()) {
        wanted.setHeight(newSize.width() + chrome);
    } else if (newSize.height() != oldSize.height()) {
        wanted.setWidth(newSize.height() - chrome);
    }
    if (wanted == newSize) return;
    QTimer::singleShot(0, this, [this, wanted] {
        m_adjusting = true;
        resize(wanted);
        m_adjusting = false;
    });
}

void frmPicture::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !(windowState() & Qt::WindowMaximized))
        return;
    // A maximised plan would not be square: come back to the normal state at 0.9 of the screen
    // height instead, centred.
    QTimer::singleShot(0, this, [this] {
        m_adjusting = true;
        showNormal();
        if (QScreen* screen = screenOf(*this)) {
            const QRect area = screen->availableGeometry();
            const int h = int(0.9 * area.height());
            resize(h - chromeHeight(), h);
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
        m_adjusting = false;
    });
}

void frmPicture::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (!event->isAccepted()) return;
    if (m_owner) {
        m_owner->setEnabled(true);
        m_owner->activateWindow();
        m_owner->raise();
    }
    m_ownerReleased = true;
    emit closed();
}

frmPicture* showPlanWindow(QWidget* owner, PlanSource source, const PlanGeometry& geometry,
                           const PlanLabelValues& values, const Settings& settings, int unitSystem,
                           int lastCalcAdvanced, Messenger& messenger, DialogService& dialogs,
                           ReportPrinter& printer) {
    auto* window = new frmPicture(owner, source, geometry, values, settings, unitSystem,
                                  lastCalcAdvanced, messenger, dialogs, printer);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
    return window;
}

} // namespace kora::gui
