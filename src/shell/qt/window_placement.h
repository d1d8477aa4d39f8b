// The main window's size and place: at the first start large enough to show the whole channel
// plan (every row and column of the memory grid, the settings panel and the debug panel) on the
// screen it opens on, or as large as that screen allows; later where the user left it, maximised
// or not. The place is kept per user in a settings file of its own; the preferences file
// "parameter" stays as it is.
#pragma once

#include <QSize>
#include <QString>
#include <memory>

class QMainWindow;
class QRect;
class QSettings;

namespace m742 {

// Makes the grids of `window` (objectNames "mfgrid1" and "mfgrid2") fill the room they are
// given: the extra width goes to the frequency and tone columns, the extra height to the rows.
// Call once their column widths and row heights are set.
void FitGridsToWindow(QMainWindow& window);

// The size at which `window` shows the whole channel plan without scroll bars.
QSize FullPlanSize(QMainWindow& window);

// `wanted` made to fit into `available` (the screen's room for windows), less the room the
// window's frame takes around it.
QSize FitToScreen(QSize wanted, QSize available, QSize frame);

// Sizes and places `window` before it is shown: as saved in `settings`, or else at
// FullPlanSize() fitted to its screen and centred there.
void RestorePlacement(QMainWindow& window, QSettings& settings);
// After a language switch: grows `window` (never shrinks it) to show the whole channel plan in
// the texts it has now, as far as its screen allows, keeping it on that screen. A maximised
// window is left as it is.
void GrowToShowPlan(QMainWindow& window);
// Keeps the window's size, place and maximised state in `settings`.
void SavePlacement(const QMainWindow& window, QSettings& settings);

}  // namespace m742
