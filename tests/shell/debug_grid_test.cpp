// The debug grid as a person uses it: its panel, the store button, the context menu and the
// keys that move the panel.
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
#include "grid_window.h"
#include "radio_data/lists.h"
#include "test_support.h"

using namespace m742;
using namespace m742::test;
// ---------------------------------------------------------------------------------------------
// The debug grid: its panel, the store button and the context menu.
class DebugGridTest : public QObject {
    Q_OBJECT

private slots:
    void startup();
    void selectFromList();
    void clickSelectsRow_data();
    void clickSelectsRow();
    void store_data();
    void store();
    void contextMenu_data();
    void contextMenu();
    void deleteOnlyWhileShown();
    void keyboardMovesPanel_data();
    void keyboardMovesPanel();

private:
    static void ShowDebugTab(ShownWindow& window) {
        Child<QTabBar>(window.mainWindow(), "TabStrip1").setCurrentIndex(1);
    }
    static QStringList Panel(ShownWindow& window) {
        return {Child<QComboBox>(window.mainWindow(), "combochannel2").currentText(),
                Child<QLineEdit>(window.mainWindow(), "Txtrfre2").text(),
                Child<QLineEdit>(window.mainWindow(), "Txtsfre2").text()};
    }
};

void DebugGridTest::startup() {
    ShownWindow window;
    const EditorState& editor = window.mainWindow().editor();
    const char* const defaults[8][2] = {{"460.10000", "460.00000"}, {"450.10000", "450.00000"},
                                        {"469.90000", "469.97500"}, {"460.30000", "460.30000"},
                                        {"460.35000", "460.35000"}, {"460.40000", "460.40000"},
                                        {"460.35000", "460.35000"}, {"460.45000", "460.45000"}};
    for (std::size_t row = 1; row <= 16; ++row) {
        const int n = static_cast<int>(row);
        QCOMPARE(QString::fromStdString(DebugCellText(editor, n, 0)), QString::number(row));
        QCOMPARE(DebugCellText(editor, n, 1), std::string(row <= 8 ? defaults[row - 1][0] : ""));
        QCOMPARE(DebugCellText(editor, n, 2), std::string(row <= 8 ? defaults[row - 1][1] : ""));
    }
    QCOMPARE(Panel(window), (QStringList{"1", "460.10000", "460.00000"}));
    QVERIFY(window.mainWindow().findChild<DebugGridView*>("mfgrid2")->panelReady());
    QVERIFY(!window.grid("mfgrid2").hasFocus());
    QVERIFY(!Child<QPushButton>(window.mainWindow(), "Command1").isVisible());
}

void DebugGridTest::selectFromList() {
    ShownWindow window;
    ShowDebugTab(window);
    auto& list = Child<QComboBox>(window.mainWindow(), "combochannel2");
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(Panel(window), (QStringList{"3", "469.90000", "469.97500"}));
    QTableView& grid = window.grid("mfgrid2");
    QCOMPARE(grid.currentIndex().row(), 2);
    QVERIFY(grid.hasFocus());
}

void DebugGridTest::clickSelectsRow_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("panel");
    QTest::newRow("row 5") << 5 << 1 << QStringList{"5", "460.35000", "460.35000"};
    QTest::newRow("row 3 by its number") << 3 << 0 << QStringList{"3", "469.90000", "469.97500"};
    QTest::newRow("empty row 12") << 12 << 2 << QStringList{"12", "", ""};
}

void DebugGridTest::clickSelectsRow() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QStringList, panel);
    ShownWindow window;
    ShowDebugTab(window);
    window.Press("mfgrid2", row, column);
    QCOMPARE(Panel(window), panel);
    QTableView& grid = window.grid("mfgrid2");
    QCOMPARE(grid.currentIndex().row(), row - 1);
    QVERIFY(grid.hasFocus());
}

void DebugGridTest::store_data() {
    QTest::addColumn<QString>("rxKeys");
    QTest::addColumn<QString>("txKeys");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("cells");
    const auto store = [](const char* tag, const char* rx, const char* tx, QStringList boxes,
                          QStringList cells) {
        QTest::newRow(tag) << QString(rx) << QString(tx) << boxes << cells;
    };
    store("snapped", "460.0070", "460", {"460.0070", "460"}, {"460.00625", "460.00000"});
    store("no band check", "500", "399.99999", {"500", "399.99999"}, {"500.00000", "399.99500"});
    store("tenth character and second point dropped", "460.125001", "4..6", {"460.12500", "4.6"},
          {"460.12500", "4.60000"});
    store("letters dropped", "4a6b0", "47x0", {"460", "470"}, {"460.00000", "470.00000"});
    store("empty and point alone keep their cells", "", ".", {"", "."}, {"450.10000", "450.00000"});
}

void DebugGridTest::store() {
    QFETCH(QString, rxKeys);
    QFETCH(QString, txKeys);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, cells);
    ShownWindow window;
    ShowDebugTab(window);
    window.Press("mfgrid2", 2, 1);
    auto& rx = Child<QLineEdit>(window.mainWindow(), "Txtrfre2");
    auto& tx = Child<QLineEdit>(window.mainWindow(), "Txtsfre2");
    rx.setFocus();
    Type(rx, "^A\b" + rxKeys);
    tx.setFocus();
    Type(tx, "^A\b" + txKeys);
    QCOMPARE((QStringList{rx.text(), tx.text()}), boxes);
    QCOMPARE(DebugCellText(window.mainWindow().editor(), 2, 1),
             std::string("450.10000"));  // not before OK

    QTest::mouseClick(&Child<QPushButton>(window.mainWindow(), "Command1"), Qt::LeftButton);
    const EditorState& editor = window.mainWindow().editor();
    QCOMPARE((QStringList{QString::fromStdString(DebugCellText(editor, 2, 1)),
                          QString::fromStdString(DebugCellText(editor, 2, 2))}),
             cells);
    QCOMPARE(DebugCellText(window.mainWindow().editor(), 1, 1), std::string("460.10000"));
    QVERIFY(window.messages().all().isEmpty());
}

void DebugGridTest::contextMenu_data() {
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("where");  // a row number, "heading" or "below"
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("caption");  // empty: no menu
    QTest::newRow("row 12") << 1 << "12" << int(Qt::RightButton)
                            << "Delete debugging channel12data";
    QTest::newRow("row 12 in Chinese")
        << 0 << "12" << int(Qt::RightButton) << QString::fromUtf8("删除调试信道12的数据");
    QTest::newRow("row 1, selected")
        << 1 << "1" << int(Qt::RightButton) << "Delete debugging channel1data";
    QTest::newRow("heading") << 1 << "heading" << int(Qt::RightButton) << "";
    QTest::newRow("below the last row") << 1 << "below" << int(Qt::RightButton) << "";
    QTest::newRow("middle button") << 1 << "12" << int(Qt::MiddleButton) << "";
}

void DebugGridTest::contextMenu() {
    QFETCH(int, flag);
    QFETCH(QString, where);
    QFETCH(int, button);
    QFETCH(QString, caption);
    ShownWindow window(flag);
    ShowDebugTab(window);
    QTableView& grid = window.grid("mfgrid2");
    window.Press("mfgrid2", 2, 1);
    const EditorState before = window.mainWindow().editor();

    QWidget* target = grid.viewport();
    QPoint point;
    if (where == "heading") {
        target = grid.horizontalHeader()->viewport();
        point = QPoint(grid.horizontalHeader()->sectionViewportPosition(1) + 5, 5);
    } else if (where == "below") {
        // The rows fill a grid taller than they are; lower rows leave room below them.
        for (int row = 0; row < grid.model()->rowCount(); ++row) {
            grid.setRowHeight(row, grid.rowHeight(row) - 4);
        }
        const int bottom = grid.rowViewportPosition(15) + grid.rowHeight(15);
        QVERIFY2(bottom + 6 < grid.viewport()->height(), "no room below the last row");
        point = QPoint(grid.columnViewportPosition(1) + 5, bottom + 4);
    } else {
        point = window.CellCentre("mfgrid2", where.toInt(), 1);
    }
    QTest::mousePress(target, Qt::MouseButton(button), {}, point);
    auto& menu = Child<QMenu>(window.mainWindow(), "mnuchannel");
    if (caption.isEmpty()) {
        QVERIFY(!menu.isVisible());
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        QVERIFY2(FirstDifference(before, window.mainWindow().editor()).isEmpty(),
                 "nothing deleted");
        return;
    }
    QVERIFY(menu.isVisible());
    QCOMPARE(menu.actions().size(), 1);
    QAction& remove = *menu.actions().front();
    QCOMPARE(remove.objectName(), QString("mnudel_channel"));
    QCOMPARE(remove.text(), caption);

    remove.trigger();
    menu.hide();
    const int row = where.toInt();
    EditorState expected = before;
    DebugChannelOf(expected, row) = {};
    const QString difference = FirstDifference(expected, window.mainWindow().editor());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    // The panel shows the selected channel again: channel 2, still there.
    QCOMPARE(Panel(window), (QStringList{"2", "450.10000", "450.00000"}));
}

void DebugGridTest::keyboardMovesPanel_data() {
    QTest::addColumn<QStringList>("keys");  // key names, or digits typed
    QTest::addColumn<QStringList>("panel");
    QTest::newRow("Down twice") << QStringList{"Down", "Down"}
                                << QStringList{"4", "460.30000", "460.30000"};
    QTest::newRow("Left stays on the frequencies, then Down")
        << QStringList{"Left", "Left", "Down"} << QStringList{"3", "469.90000", "469.97500"};
    QTest::newRow("Ctrl+End") << QStringList{"Ctrl+End"} << QStringList{"16", "", ""};
    QTest::newRow("Page Down, Ctrl+Home")
        << QStringList{"PageDown", "Ctrl+Home"} << QStringList{"1", "460.10000", "460.00000"};
    QTest::newRow("5 typed") << QStringList{"5"} << QStringList{"5", "460.35000", "460.35000"};
    QTest::newRow("1 and 2 typed") << QStringList{"1", "2"} << QStringList{"12", "", ""};
    QTest::newRow("Space and Enter stay")
        << QStringList{"Down", "Space", "Return"} << QStringList{"3", "469.90000", "469.97500"};
}

// Whatever key moves the highlight, the highlight shows and the panel shows its channel, so
// OK stores into the channel highlighted.
void DebugGridTest::keyboardMovesPanel() {
    QFETCH(QStringList, keys);
    QFETCH(QStringList, panel);
    ShownWindow window;
    ShowDebugTab(window);
    window.Press("mfgrid2", 2, 1);
    QTableView& grid = window.grid("mfgrid2");
    const std::map<QString, QKeyCombination> named{
        {"Down", Qt::Key_Down},         {"Left", Qt::Key_Left},
        {"PageDown", Qt::Key_PageDown}, {"Ctrl+End", Qt::ControlModifier | Qt::Key_End},
        {"Space", Qt::Key_Space},       {"Ctrl+Home", Qt::ControlModifier | Qt::Key_Home},
        {"Return", Qt::Key_Return}};
    for (const QString& key : keys) {
        if (named.contains(key)) {
            QTest::keyClick(&grid, named.at(key).key(), named.at(key).keyboardModifiers());
        } else {
            QTest::keyClicks(&grid, key);
        }
    }
    QCOMPARE(Panel(window), panel);
    const int row = panel.front().toInt() - 1;
    QCOMPARE(grid.currentIndex().row(), row);
    QVERIFY(grid.currentIndex().column() >= 1);
    QVERIFY(grid.selectionModel()->isSelected(grid.model()->index(row, 1)));
    QVERIFY(grid.hasFocus());

    auto& rx = Child<QLineEdit>(window.mainWindow(), "Txtrfre2");
    rx.setFocus();
    Type(rx, "^A\b470");
    QTest::mouseClick(&Child<QPushButton>(window.mainWindow(), "Command1"), Qt::LeftButton);
    QCOMPARE(DebugCellText(window.mainWindow().editor(), std::size_t(row + 1), 1),
             std::string("470.00000"));
}

void DebugGridTest::deleteOnlyWhileShown() {
    ShownWindow window;
    ShowDebugTab(window);
    QTest::mousePress(window.grid("mfgrid2").viewport(), Qt::RightButton, {},
                      window.CellCentre("mfgrid2", 3, 1));
    auto& menu = Child<QMenu>(window.mainWindow(), "mnuchannel");
    menu.hide();
    Child<QTabBar>(window.mainWindow(), "TabStrip1").setCurrentIndex(0);
    menu.actions().front()->trigger();
    QCOMPARE(DebugCellText(window.mainWindow().editor(), 3, 1), std::string("469.90000"));
}

namespace m742::test {

int RunDebugGridTests(int argc, char** argv, const QString& onlyClass) {
    DebugGridTest debug;
    return RunTestClass(debug, argc, argv, onlyClass);
}

}  // namespace m742::test

#include "debug_grid_test.moc"
