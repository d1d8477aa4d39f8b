#include "shell/qt/window_placement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QTableView>
#include <algorithm>

#include "channel_editing/qt/grid_fit.h"

namespace m742 {

namespace {

constexpr const char* kGeometryKey = "window/geometry";

// The memory grid's frequency and tone columns: RX, QT/DQT decode, TX, QT/DQT encode.
const std::vector<int> kMemoryStretch{1, 2, 3, 4};
// The debug grid's two frequencies.
const std::vector<int> kDebugStretch{1, 2};

// How deep the window's layouts nest: panel, area, central widget, window, and some to spare.
constexpr int kLayoutDepth = 6;

// A title bar and borders, for a window not yet shown, whose frame is not known.
constexpr QSize kUsualFrame{8, 36};

GridFit* FitOf(QMainWindow& window, const char* grid) {
    auto* view = window.findChild<QTableView*>(grid);
    if (view == nullptr) {
        return nullptr;
    }
    for (QObject* child : view->children()) {
        if (auto* fit = dynamic_cast<GridFit*>(child)) {
            return fit;
        }
    }
    return nullptr;
}

}  // namespace

void FitGridsToWindow(QMainWindow& window) {
    for (const auto& [grid, stretch] :
         {std::pair{"mfgrid1", &kMemoryStretch}, std::pair{"mfgrid2", &kDebugStretch}}) {
        if (auto* view = window.findChild<QTableView*>(grid)) {
            new GridFit(*view, *stretch);
        }
    }
}

QSize FullPlanSize(QMainWindow& window) {
    // The window's own size hint, with the grid it shows asking for its whole plan instead of
    // its usual hint. The window's rows stack, so the extra height adds up; the grid's row
    // (the grid and the debug panel) only widens the window where it is the widest row.
    const QSize hint = window.sizeHint();
    QSize size = hint;
    QWidget* central = window.centralWidget();
    for (const char* grid : {"mfgrid1", "mfgrid2"}) {
        auto* view = window.findChild<QTableView*>(grid);
        GridFit* fit = FitOf(window, grid);
        if (view == nullptr || fit == nullptr || view->isHidden() || central == nullptr ||
            central->layout() == nullptr) {
            continue;
        }
        const QSize more = (fit->FullSize() - view->sizeHint()).expandedTo(QSize(0, 0));
        const QMargins margins = central->layout()->contentsMargins();
        const int widest = central->sizeHint().width() - margins.left() - margins.right();
        const int gridRow = view->parentWidget()->sizeHint().width() + more.width();
        size = size.expandedTo(hint + QSize(std::max(0, gridRow - widest), more.height()));
    }
    return size.expandedTo(window.minimumSizeHint());
}

QSize FitToScreen(QSize wanted, QSize available, QSize frame) {
    return wanted.boundedTo(available - frame).expandedTo(QSize(1, 1));
}

void RestorePlacement(QMainWindow& window, QSettings& settings) {
    const QByteArray saved = settings.value(kGeometryKey).toByteArray();
    if (!saved.isEmpty() && window.restoreGeometry(saved)) {
        return;
    }
    QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        window.resize(FullPlanSize(window));
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize size = FitToScreen(FullPlanSize(window), available.size(), kUsualFrame);
    // Centred: the frame's corner, as move() takes it for a window.
    const QSize room = available.size() - size - kUsualFrame;
    window.resize(size);
    window.move(available.topLeft() +
                QPoint(std::max(0, room.width() / 2), std::max(0, room.height() / 2)));
}

void GrowToShowPlan(QMainWindow& window) {
    if (window.isMaximized() || window.isFullScreen()) {
        return;  // the grids fit the room they have
    }
    // The texts just changed: every layout takes its new hints before the plan is measured. A
    // layout passes the news to the one above it by a posted request, so they are sent until
    // none is left.
    for (int level = 0; level < kLayoutDepth; ++level) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    const QSize full = FullPlanSize(window);
    if (screen == nullptr) {
        window.resize(window.size().expandedTo(full));
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize frame =
        window.isVisible() ? window.frameGeometry().size() - window.size() : kUsualFrame;
    const QSize size = window.size().expandedTo(FitToScreen(full, available.size(), frame));
    if (size == window.size()) {
        return;
    }
    window.resize(size);
    // What grew past the screen's edge moves back onto it.
    const QRect outer(window.frameGeometry().topLeft(), size + frame);
    QPoint corner = outer.topLeft();
    corner.setX(
        std::max(available.left(), std::min(corner.x(), available.right() + 1 - outer.width())));
    corner.setY(
        std::max(available.top(), std::min(corner.y(), available.bottom() + 1 - outer.height())));
    if (corner != outer.topLeft()) {
        window.move(corner);
    }
}

void SavePlacement(const QMainWindow& window, QSettings& settings) {
    settings.setValue(kGeometryKey, window.saveGeometry());
    settings.sync();
}

}  // namespace m742
