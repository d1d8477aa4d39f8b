// What the main window's own test files share: the preferences file's bytes, the window's
// title in either language, a grid's cell as shown, and for the exchanges with the simulated
// radio its plan and the commands an exchange holds back.
#pragma once

#include <QAbstractItemModel>
#include <QAction>
#include <QByteArray>
#include <QMenu>
#include <QString>
#include <QTableView>
#include <QToolBar>
#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "channel_editing/channel_plan.h"
#include "test_support.h"
#include "texts/grid_cells.h"

namespace m742::test {

inline QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (const int value : values) {
        bytes.append(static_cast<char>(value));
    }
    return bytes;
}

inline const char* const kChineseTitle = "M-742对讲机编程软件 V2.60";
inline const char* const kEnglishTitle = "M-742 Radio Software V2.50";

inline QString CellShown(MainWindow& form, const char* grid, int row, int column) {
    const QAbstractItemModel* model = Child<QTableView>(form, grid).model();
    return model->data(model->index(row - 1, column)).toString();
}

inline constexpr int kExchangeTimeoutMs = 10000;

inline void UnsetPorts() {
    for (const char* variable : {"M742_COM1", "M742_COM2", "M742_COM5"}) {
        qunsetenv(variable);
    }
}

// A radio holding an image made from a plan with two channels and changed settings.
inline RadioImage PlanImage() {
    EditorState plan = StartupEditor();
    SetMemoryChannel(plan, 1, "460.12500", "67.0", "461.12500", "D023N", 2, 1, 1, 1);
    SetMemoryChannel(plan, 9, "445.00625", "Off", "445.00625", "Off", 0, 0, 0, 0);
    SetDebugCellText(plan, 10, 1, "470.00000");
    SetDebugCellText(plan, 10, 2, "470.50000");
    plan.ani = "123";
    plan.settings.squelchLevel = 7;
    plan.settings.pttId = 3;
    return ImageOf(plan);
}

// Besides the toolbar and "Programming", an exchange holds back what would cut the radio off
// without its end frame: a new plan, another port, another language.
inline const char* const kHeldItems[] = {"mnuNew", "mnuOpen", "mnuAssave", "mnucom_menu",
                                         "mnuLanguage_menu"};

inline bool HeldItemsEnabled(MainWindow& form, bool enabled) {
    return std::all_of(std::begin(kHeldItems), std::end(kHeldItems), [&](const char* item) {
        return Child<QAction>(form, item).isEnabled() == enabled;
    });
}

inline bool CommandsEnabled(MainWindow& form) {
    return HeldItemsEnabled(form, true) && Child<QToolBar>(form, "Toolbar1").isEnabled() &&
           Child<QMenu>(form, "mnupro").isEnabled() &&
           Child<QAction>(form, "mnureadFre").isEnabled() &&
           Child<QAction>(form, "Toolbar1_read").isEnabled() &&
           Child<QAction>(form, "Toolbar1_write").isEnabled();
}

inline bool CommandsDisabled(MainWindow& form) {
    return HeldItemsEnabled(form, false) && !Child<QToolBar>(form, "Toolbar1").isEnabled() &&
           !Child<QMenu>(form, "mnupro").isEnabled() &&
           !Child<QAction>(form, "mnureadFre").isEnabled() &&
           !Child<QAction>(form, "mnuwriteFre").isEnabled();
}

}  // namespace m742::test
