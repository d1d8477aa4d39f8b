// The memory grid as a person uses it: which editor a press or a key opens and where, how an
// entry ends (Tab, Escape, a command, the focus), the frozen channel numbers and the lock.
#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <QtTest>
#include <map>
#include "memory_rows.h"
#include "radio_data/layout.h"
#include "texts/grid_cells.h"

#include "channel_editing/qt/debug_grid.h"
#include "channel_editing/qt/memory_grid.h"
#include "grid_window.h"
#include "radio_data/lists.h"
#include "shell/qt/channel_area.h"
#include "test_support.h"

using namespace m742;
using namespace m742::test;
// ---------------------------------------------------------------------------------------------
// The memory grid: which editor a press or Enter opens, and how an entry ends.
class MemoryGridTest : public QObject {
    Q_OBJECT

private slots:
    void pressOpensEditor_data();
    void pressOpensEditor();
    void enterOpensEditor();
    void entryEndedByCommand_data();
    void entryEndedByCommand();
    void tabAndEscapeInEditor_data();
    void tabAndEscapeInEditor();
    void listStaysDownAfterPress_data();
    void listStaysDownAfterPress();
    void channelNumbersStayInView_data();
    void channelNumbersStayInView();
    void startedChannelFollowsLanguage();
    void hiddenForReadWithoutCommit();
    void lockDisablesBothGrids();
    void modelsPassTheModelTester();
};

void MemoryGridTest::pressOpensEditor_data() {
    QTest::addColumn<bool>("used");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<int>("editColumn");
    const auto row = [](const char* tag, bool used, int column, Qt::MouseButton button,
                        const char* editor, int editColumn) {
        QTest::newRow(tag) << used << column << int(button) << QString(editor) << editColumn;
    };
    row("RX", true, 1, Qt::LeftButton, "Text1", 1);
    row("decode tone", true, 2, Qt::LeftButton, "Combo8", 2);
    row("TX", true, 3, Qt::LeftButton, "Text1", 3);
    row("encode tone", true, 4, Qt::LeftButton, "Combo8", 4);
    row("busy lock", true, 5, Qt::LeftButton, "Combo5_5", 5);
    row("band", true, 6, Qt::LeftButton, "Combo5_6", 6);
    row("add scan", true, 7, Qt::LeftButton, "Combo5_7", 7);
    row("power", true, 8, Qt::LeftButton, "Combo5_8", 8);
    row("empty channel, tone column", false, 4, Qt::LeftButton, "Text1", 1);
    row("empty channel, list column", false, 7, Qt::LeftButton, "Text1", 1);
    row("channel number", true, 0, Qt::LeftButton, "", 0);
    row("right press", true, 1, Qt::RightButton, "", 0);
    row("right press, list column", true, 6, Qt::RightButton, "", 0);
}

void MemoryGridTest::pressOpensEditor() {
    QFETCH(bool, used);
    QFETCH(int, column);
    QFETCH(int, button);
    QFETCH(QString, editor);
    QFETCH(int, editColumn);
    ShownWindow window;
    FillRowTwo(window.mainWindow());
    const int row = used ? 2 : 3;
    window.Press("mfgrid1", row, column, Qt::MouseButton(button));

    QTableView& grid = window.grid("mfgrid1");
    if (editor.isEmpty()) {
        QCOMPARE(window.OpenEditors(), QStringList());
        QVERIFY(grid.hasFocus());
        QVERIFY(QApplication::activePopupWidget() == nullptr);  // no context menu either
        return;
    }
    QCOMPARE(window.OpenEditors(), QStringList{editor});
    QWidget& open = Child<QWidget>(window.mainWindow(), editor);
    QCOMPARE(grid.currentIndex(), grid.model()->index(row - 1, editColumn));
    // Laid over the cell it edits.
    const QRect cell = grid.visualRect(grid.currentIndex()).translated(grid.viewport()->pos());
    QCOMPARE(open.geometry().topLeft(), cell.topLeft());
    QCOMPARE(open.width(), cell.width());
    const QString text = QString::fromStdString(window.Cell(row, editColumn));
    if (auto* box = qobject_cast<QLineEdit*>(&open)) {
        QVERIFY(box->hasFocus());
        QCOMPARE(box->height(), cell.height());
        QCOMPARE(box->text(), text);
    } else {
        auto& combo = static_cast<QComboBox&>(open);
        QVERIFY2(combo.view()->isVisible(), "the list is shown dropped down");
        QCOMPARE(combo.currentText(), text);
        if (editColumn >= 5) {
            QCOMPARE(combo.currentIndex(),
                     int(ListPositionOf(MemoryChannelOf(window.mainWindow().editor(), 2),
                                        std::size_t(editColumn))));
        }
        combo.hidePopup();
        QVERIFY(combo.hasFocus());  // back from its list
    }
    // The release that ends the press opens nothing more, and the cell is as it was.
    QCOMPARE(window.OpenEditors(), QStringList{editor});
    QCOMPARE(window.Row(2), kUsedRow);
}

void MemoryGridTest::enterOpensEditor() {
    ShownWindow window;
    FillRowTwo(window.mainWindow());
    QTableView& grid = window.grid("mfgrid1");
    grid.setFocus();
    grid.setCurrentIndex(grid.model()->index(1, 1));
    QTest::keyClick(&grid, Qt::Key_Right);
    QTest::keyClick(&grid, Qt::Key_Right);
    QCOMPARE(window.OpenEditors(), QStringList());  // moving opens nothing
    QTest::keyClick(&grid, Qt::Key_Return);
    QCOMPARE(window.OpenEditors(), QStringList{"Text1"});
    QCOMPARE(grid.currentIndex().column(), 3);

    // Enter in the editor ends the entry and gives the grid the keyboard back.
    QTest::keyClick(&Child<QLineEdit>(window.mainWindow(), "Text1"), Qt::Key_Return);
    QCOMPARE(window.OpenEditors(), QStringList());
    QVERIFY(grid.hasFocus());
    // The cursor never stops on the channel numbers.
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(&grid, Qt::Key_Left);
    }
    QCOMPARE(grid.currentIndex().column(), 1);
}

void MemoryGridTest::entryEndedByCommand_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("entry");  // typed into the RX box of empty channel 1
    QTest::addColumn<bool>("ran");       // the command went on after the entry
    for (const char* command : {"debug tab", "save", "write", "print", "compare"}) {
        if (QString(command) != "print") {  // a print that runs would reach a real printer
            QTest::addRow("%s, in band", command) << command << "470" << true;
        }
        QTest::addRow("%s, refused", command)
            << command << "480" << (QString(command) == "debug tab");
    }
}

// Switching to the debug tab, Save, Write, Print and Compare end an open entry as leaving it
// does.
void MemoryGridTest::entryEndedByCommand() {
    QFETCH(QString, command);
    QFETCH(QString, entry);
    QFETCH(bool, ran);
    ShownWindow window;
    MainWindow& form = window.mainWindow();
    window.Press("mfgrid1", 1, 1);
    Type(Child<QLineEdit>(form, "Text1"), entry);
    if (command == "debug tab") {
        Child<QTabBar>(form, "TabStrip1").setCurrentIndex(1);
    } else if (command == "save") {
        form.planFiles().SavePlan();
    } else if (command == "write") {
        form.radio().WriteRadio();
    } else if (command == "compare") {
        form.planFiles().CompareWithFile();
    } else {
        form.reports().PrintPlan();
    }
    QCOMPARE(window.OpenEditors(), QStringList());
    QCOMPARE(QString::fromStdString(window.Cell(1, 1)), entry == "470" ? "470.00000" : "");
    const QStringList messages = window.messages().texts();
    QCOMPARE(messages.contains("Beyond the frequency range"), entry == "480");
    if (command == "debug tab") {
        // One grid at a time, and the keyboard is not left in the hidden editor.
        QVERIFY(!window.grid("mfgrid1").isVisible());
        QVERIFY(window.grid("mfgrid2").isVisible());
        QVERIFY(!window.grid("mfgrid1").isAncestorOf(QApplication::focusWidget()));
        Child<QTabBar>(form, "TabStrip1").setCurrentIndex(0);
        QVERIFY(window.grid("mfgrid1").isVisible());
        QVERIFY(!window.grid("mfgrid2").isVisible());
    } else {
        // Save and Compare ask for a file; Write and Print, with no port and no printer, say so.
        const qsizetype after = messages.size() - (entry == "480" ? 1 : 0);
        QCOMPARE(after + window.chooser().calls.size() > 0, ran);
    }
}

void MemoryGridTest::tabAndEscapeInEditor_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("cell");   // the edited cell afterwards
    QTest::addColumn<int>("nowColumn");  // the grid's current column afterwards
    const auto row = [](const char* tag, int column, const char* keys, Qt::Key key,
                        const char* cell, int nowColumn) {
        QTest::newRow(tag) << column << QString(keys) << int(key) << QString(cell) << nowColumn;
    };
    row("RX, Tab", 1, "^A470", Qt::Key_Tab, "470.00000", 2);
    row("TX, Shift+Tab", 3, "^A470", Qt::Key_Backtab, "470.00000", 2);
    row("RX refused, Tab stays", 1, "^A480", Qt::Key_Tab, "460.12500", 1);
    row("RX, Escape", 1, "^A470", Qt::Key_Escape, "460.12500", 1);
    row("tone, Tab", 2, "88", Qt::Key_Tab, "88.0", 3);
    row("tone, Escape", 2, "88", Qt::Key_Escape, "67.0", 2);
    row("list, Tab", 6, "", Qt::Key_Tab, "Narrow", 7);
}

void MemoryGridTest::tabAndEscapeInEditor() {
    QFETCH(int, column);
    QFETCH(QString, keys);
    QFETCH(int, key);
    QFETCH(QString, cell);
    QFETCH(int, nowColumn);
    ShownWindow window;
    FillRowTwo(window.mainWindow());
    window.Press("mfgrid1", 2, column);
    QWidget* target = QApplication::focusWidget();
    Type(*target, keys);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                    key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(window.OpenEditors(), QStringList());
    QTableView& grid = window.grid("mfgrid1");
    QVERIFY(grid.hasFocus());
    QCOMPARE(grid.currentIndex(), grid.model()->index(1, nowColumn));
    QCOMPARE(QString::fromStdString(window.Cell(2, column)), cell);
    // The entry is over: another key opens nothing and changes nothing.
    QTest::keyClick(&grid, Qt::Key_5);
    QCOMPARE(QString::fromStdString(window.Cell(2, column)), cell);
}

void MemoryGridTest::listStaysDownAfterPress_data() {
    QTest::addColumn<int>("column");
    QTest::newRow("tone") << 2;
    QTest::newRow("busy lock") << 5;
}

// The press and its release as the window system delivers them: while a list is down it
// receives the release itself, wherever the pointer is.
void MemoryGridTest::listStaysDownAfterPress() {
    QFETCH(int, column);
    ShownWindow window;
    FillRowTwo(window.mainWindow());
    QTableView& grid = window.grid("mfgrid1");
    QWindow* screen = window.mainWindow().windowHandle();
    const QPoint at =
        grid.viewport()->mapTo(&window.mainWindow(), window.CellCentre("mfgrid1", 2, column));
    QTest::mousePress(screen, Qt::LeftButton, {}, at);
    auto& combo = Child<QComboBox>(window.mainWindow(), column == 2 ? "Combo8" : "Combo5_5");
    QVERIFY(combo.view()->isVisible());
    QTest::mouseRelease(screen, Qt::LeftButton, {}, at);
    QVERIFY2(combo.view()->isVisible(), "the release leaves the list down");
    QCOMPARE(window.Row(2), kUsedRow);
}

void MemoryGridTest::channelNumbersStayInView_data() {
    QTest::addColumn<QString>("grid");
    QTest::newRow("memory") << "mfgrid1";
    QTest::newRow("debug") << "mfgrid2";
}

// Scrolled sideways, a grid still shows its channel numbers at its left edge.
void MemoryGridTest::channelNumbersStayInView() {
    QFETCH(QString, grid);
    const QByteArray name = grid.toLatin1();
    ShownWindow window;
    const bool debug = grid == "mfgrid2";
    Child<QTabBar>(window.mainWindow(), "TabStrip1").setCurrentIndex(debug ? 1 : 0);
    QTableView& view = window.grid(name);
    const int last = view.model()->columnCount() - 1;
    view.setColumnWidth(last, 3 * view.viewport()->width());
    QCoreApplication::processEvents();  // the scroll bar learns the new width
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
    QVERIFY(view.columnViewportPosition(0) < 0);  // column 0 itself has scrolled away

    auto* numbers = view.findChild<QTableView*>("channelNumbers");
    QVERIFY2(numbers != nullptr && numbers->isVisible(), "the channel numbers are shown");
    QCOMPARE(numbers->geometry().topLeft(), QPoint(view.frameWidth(), view.frameWidth()));
    QCOMPARE(numbers->width(), view.columnWidth(0));
    // A press on a number is one on the channel number, as before the scrolling.
    window.Press(name, 3, 0);
    QCOMPARE(window.OpenEditors(), QStringList());
    QCOMPARE(view.currentIndex().row(), debug ? 2 : 0);
    if (debug) {
        QCOMPARE(Child<QComboBox>(window.mainWindow(), "combochannel2").currentText(),
                 QString("3"));
    }
    // A cell brought into view lies beside the numbers, not under them.
    view.setCurrentIndex(view.model()->index(1, 1));
    QCOMPARE(view.columnViewportPosition(1), view.columnWidth(0));
    // The numbers follow the rows up and down.
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    QCOMPARE(numbers->rowViewportPosition(15), view.rowViewportPosition(15));
}

void MemoryGridTest::startedChannelFollowsLanguage() {
    ShownWindow window;
    window.Press("mfgrid1", 1, 1);
    Type(Child<QLineEdit>(window.mainWindow(), "Text1"), "460\n");
    QCOMPARE(window.Row(1),
             Cells({"460.00000", "Off", "460.00000", "Off", "Off", "Wide", "Yes", "High"}));
    window.mainWindow().ChooseChinese();
    QCOMPARE(window.Row(1),
             Cells({"460.00000", "关闭", "460.00000", "关闭", "关闭", "宽", "是", "高"}));
    QCOMPARE(window.Row(2), kEmptyRow);
    window.mainWindow().ChooseEnglish();
    QCOMPARE(window.Row(1),
             Cells({"460.00000", "Off", "460.00000", "Off", "Off", "Wide", "Yes", "High"}));
}

void MemoryGridTest::hiddenForReadWithoutCommit() {
    ShownWindow window;
    window.Press("mfgrid1", 1, 1);
    auto& frequencyBox = Child<QLineEdit>(window.mainWindow(), "Text1");
    Type(frequencyBox, "460");
    window.mainWindow().channels().memoryGrid().HideFrequencyEditor();
    QCOMPARE(window.OpenEditors(), QStringList());
    QCOMPARE(window.Row(1), kEmptyRow);
    QVERIFY(window.messages().all().isEmpty());

    // Opening a file hides it the same way, before the file is even chosen.
    window.Press("mfgrid1", 1, 1);
    Type(frequencyBox, "470");
    window.mainWindow().planFiles().OpenPlan();
    QCOMPARE(window.OpenEditors(), QStringList());
    QCOMPARE(window.Row(1), kEmptyRow);
}

void MemoryGridTest::lockDisablesBothGrids() {
    ShownWindow window;
    window.mainWindow().ToggleEditingLock();
    QVERIFY(!window.grid("mfgrid1").isEnabled());
    QVERIFY(!window.grid("mfgrid2").isEnabled());
    window.Press("mfgrid1", 1, 1);
    QCOMPARE(window.OpenEditors(), QStringList());

    window.mainWindow().ToggleEditingLock();
    window.Press("mfgrid1", 1, 1);
    QCOMPARE(window.OpenEditors(), QStringList{"Text1"});
}

// Both grid models stay consistent through edits, undo, a new plan and a language switch; the
// tester fails the run at the first broken promise.
void MemoryGridTest::modelsPassTheModelTester() {
    ShownWindow window;
    QAbstractItemModelTester memory(window.grid("mfgrid1").model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester debug(window.grid("mfgrid2").model(),
                                   QAbstractItemModelTester::FailureReportingMode::QtTest);
    window.Press("mfgrid1", 4, 1);
    Type(Child<QLineEdit>(window.mainWindow(), "Text1"), "450\n");
    QCOMPARE(window.Cell(4, 1), std::string("450.00000"));
    window.mainWindow().ChooseChinese();
    Child<QAction>(window.mainWindow(), "mnuUndo").trigger();
    QCOMPARE(window.Cell(4, 1), std::string());
    window.mainWindow().planFiles().NewPlan();
    QCOMPARE(window.grid("mfgrid1").model()->headerData(1, Qt::Horizontal).toString(),
             QString::fromUtf8("接收频率"));
}

namespace m742::test {

int RunGridEntryTests(int argc, char** argv, const QString& onlyClass);
int RunDebugGridTests(int argc, char** argv, const QString& onlyClass);

int RunChannelGridTests(int argc, char** argv, const QString& onlyClass) {
    MemoryGridTest memory;
    return RunTestClass(memory, argc, argv, onlyClass) | RunGridEntryTests(argc, argv, onlyClass) |
           RunDebugGridTests(argc, argv, onlyClass);
}

}  // namespace m742::test

#include "channel_grids_test.moc"
