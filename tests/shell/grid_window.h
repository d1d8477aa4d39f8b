// The window on the screen as the grid tests use it: shown, active, with the keyboard, and
// the keys and rows they type and compare.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

#include "memory_rows.h"
#include "test_support.h"
#include "texts/grid_cells.h"
#include "texts/list_texts.h"

namespace m742::test {

inline const char* const kEditors[] = {"Text1",    "Combo8",   "Combo5_5",
                                       "Combo5_6", "Combo5_7", "Combo5_8"};

// A window on the screen with the keyboard, as a person has it, in English unless told.
class ShownWindow {
public:
    explicit ShownWindow(int languageFlag = 1)
        : m_harness(QByteArray("\x00\x00", 2) + char(languageFlag)) {
        mainWindow().resize(1400, 1000);
        mainWindow().show();
        if (!QTest::qWaitForWindowActive(&mainWindow())) {
            qFatal("the window never became active");
        }
    }
    MainWindow& mainWindow() { return m_harness.mainWindow(); }
    ScriptedMessages& messages() { return m_harness.messages(); }
    ScriptedChooser& chooser() { return m_harness.chooser(); }
    QTableView& grid(const char* name) { return Child<QTableView>(mainWindow(), name); }

    QPoint CellCentre(const char* name, int row, int column) {
        QTableView& view = grid(name);
        return view.visualRect(view.model()->index(row - 1, column)).center();
    }
    void Press(const char* name, int row, int column, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(grid(name).viewport(), button, {}, CellCentre(name, row, column));
        QTest::mouseRelease(grid(name).viewport(), button, {}, CellCentre(name, row, column));
    }
    // The editors shown over the memory grid, by name.
    QStringList OpenEditors() {
        QStringList open;
        for (const char* name : kEditors) {
            if (Child<QWidget>(mainWindow(), name).isVisible()) {
                open << name;
            }
        }
        return open;
    }
    std::string Cell(int row, int column) {
        return MemoryRow(mainWindow().editor(), row,
                         mainWindow().language())[static_cast<std::size_t>(column)];
    }
    QStringList Row(int row) {
        QStringList cells;
        for (int column = 1; column <= 8; ++column) {
            cells << QString::fromStdString(Cell(row, column));
        }
        return cells;
    }

private:
    Harness m_harness;
};

// Keys as QTest spells them: "^A" is Ctrl+A, "\b" Backspace, "\n" Enter, "\x1b" Escape; every
// other character is typed as it is.
inline void Type(QWidget& widget, const QString& keys) {
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar c = keys[i];
        if (c == '^' && i + 1 < keys.size()) {
            QTest::keyClick(&widget, keys[++i].toLatin1(), Qt::ControlModifier);
        } else if (c == '\b') {
            QTest::keyClick(&widget, Qt::Key_Backspace);
        } else if (c == '\n') {
            QTest::keyClick(&widget, Qt::Key_Return);
        } else if (c == '\x1b') {
            QTest::keyClick(&widget, Qt::Key_Escape);
        } else {
            QTest::keyClick(&widget, c.toLatin1());
        }
    }
}

// The widget the keys of an open combo editor go to: its list while dropped down.
inline QWidget& KeyTarget(QComboBox& combo) {
    return combo.view()->isVisible() ? static_cast<QWidget&>(*combo.view()) : combo;
}

inline QStringList Cells(std::initializer_list<const char*> texts) {
    QStringList cells;
    for (const char* text : texts) {
        cells << QString::fromUtf8(text);
    }
    return cells;
}

inline const QStringList kEmptyRow = Cells({"", "", "", "", "", "", "", ""});
inline const QStringList kUsedRow =
    Cells({"460.12500", "67.0", "461.12500", "D023N", "Carrier", "Narrow", "No", "Low"});

inline void FillRowTwo(MainWindow& form) {
    form.document().ApplyUnrecorded([](EditorState& editor) {
        SetMemoryChannel(editor, 2, "460.12500", "67.0", "461.12500", "D023N", 1, 1, 0, 0);
    });
    form.document().MarkSaved();  // as if opened
}

}  // namespace m742::test
