// The memory grid's channel operations as a person uses them: channels selected by their
// numbers, the keys and the menu of the numbers, each operation one undo step, and the keys of
// an open cell editor left to the editor.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QtTest>
#include "radio_data/layout.h"
#include "texts/grid_cells.h"

#include "channel_editing/qt/channel_actions.h"
#include "channel_editing/qt/memory_grid.h"
#include "test_support.h"

using namespace m742;
using namespace m742::test;

namespace {

// A window on the screen with the keyboard, channels 1-3 in use as if opened.
class ChannelWindow {
public:
    explicit ChannelWindow(int languageFlag = 1)
        : m_harness(QByteArray("\x00\x00", 2) + char(languageFlag)) {
        mainWindow().resize(1400, 1000);
        mainWindow().show();
        if (!QTest::qWaitForWindowActive(&mainWindow())) {
            qFatal("the window never became active");
        }
        mainWindow().document().ApplyUnrecorded([](EditorState& editor) {
            SetMemoryChannel(editor, 1, "460.12500", "67.0", "461.12500", "D023N", 2, 1, 1, 1);
            SetMemoryChannel(editor, 2, "450.00000", "Off", "450.00000", "Off", 0, 0, 0, 0);
            SetMemoryChannel(editor, 3, "470.00000", "88.5", "470.00000", "Off", 1, 0, 1, 0);
        });
        mainWindow().document().MarkSaved();
    }
    MainWindow& mainWindow() { return m_harness.mainWindow(); }
    ScriptedMessages& messages() { return m_harness.messages(); }
    MemoryGridView& grid() { return Child<MemoryGridView>(mainWindow(), "mfgrid1"); }
    QAction& undo() { return Child<QAction>(mainWindow(), "mnuUndo"); }

    void Press(int row, int column, Qt::KeyboardModifiers modifiers = {},
               Qt::MouseButton button = Qt::LeftButton) {
        const QPoint at = grid().visualRect(grid().model()->index(row - 1, column)).center();
        QTest::mousePress(grid().viewport(), button, modifiers, at);
        QTest::mouseRelease(grid().viewport(), button, modifiers, at);
    }
    std::string Rx(int row) { return MemoryCellText(mainWindow().editor(), row, 1, Lang::English); }

private:
    Harness m_harness;
};

using Rows = QList<int>;

Rows Selected(ChannelWindow& window) {
    Rows rows;
    for (int row : window.grid().selectedChannels()) {
        rows << row;
    }
    return rows;
}

}  // namespace

class ChannelOperationsTest : public QObject {
    Q_OBJECT

private slots:
    void numbersSelectChannels_data();
    void numbersSelectChannels();
    void operationIsOneStep_data();
    void operationIsOneStep();
    void refusedPasteStoresNothing();
    void editorKeepsItsOwnKeys();
    void menuOfTheNumbers();
    void editMenuCarriesTheOperations();
};

void ChannelOperationsTest::numbersSelectChannels_data() {
    QTest::addColumn<Rows>("presses");  // a row; +100 with Shift, +200 with Ctrl
    QTest::addColumn<Rows>("selected");
    QTest::newRow("one") << Rows{3} << Rows{3};
    QTest::newRow("another replaces it") << Rows{3, 5} << Rows{5};
    QTest::newRow("shift extends") << Rows{6, 103} << Rows{3, 4, 5, 6};
    QTest::newRow("ctrl adds") << Rows{3, 205} << Rows{3, 5};
    QTest::newRow("ctrl takes away") << Rows{3, 205, 203} << Rows{5};
    QTest::newRow("shift from the last ctrl") << Rows{3, 208, 110} << Rows{8, 9, 10};
}

void ChannelOperationsTest::numbersSelectChannels() {
    QFETCH(Rows, presses);
    QFETCH(Rows, selected);
    ChannelWindow window;
    for (int press : presses) {
        const Qt::KeyboardModifiers modifiers = press >= 200   ? Qt::ControlModifier
                                                : press >= 100 ? Qt::ShiftModifier
                                                               : Qt::NoModifier;
        window.Press(press % 100, 0, modifiers);
    }
    QCOMPARE(Selected(window), selected);
    QVERIFY(!Child<QLineEdit>(window.mainWindow(), "Text1").isVisible());  // no editor opens
    // A press on a cell opens its editor and ends the channel selection.
    window.Press(2, 1);
    QVERIFY(Child<QLineEdit>(window.mainWindow(), "Text1").isVisible());
    QCOMPARE(Selected(window), Rows{});
}

void ChannelOperationsTest::operationIsOneStep_data() {
    QTest::addColumn<Rows>("selection");
    QTest::addColumn<QString>("keys");    // a key sequence, or "fill N" for Fill down of column N
    QTest::addColumn<QStringList>("rx");  // channels 1-4 after it
    QTest::addColumn<QString>("step");
    QTest::addColumn<Rows>("selectedAfter");
    const QStringList start{"460.12500", "450.00000", "470.00000", ""};
    QTest::newRow("copy and paste")
        << Rows{1, 2} << "Ctrl+C Ctrl+V@3"
        << QStringList{"460.12500", "450.00000", "460.12500", "450.00000"} << "paste channels"
        << Rows{3};
    QTest::newRow("cut") << Rows{2} << "Ctrl+X" << QStringList{"460.12500", "", "470.00000", ""}
                         << "cut channels" << Rows{2};
    QTest::newRow("clear") << Rows{1, 3} << "Del" << QStringList{"", "450.00000", "", ""}
                           << "clear channels" << Rows{1, 3};
    QTest::newRow("move up") << Rows{2, 3} << "Alt+Up"
                             << QStringList{"450.00000", "470.00000", "460.12500", ""}
                             << "move channels up" << Rows{1, 2};
    QTest::newRow("move down") << Rows{3} << "Alt+Down"
                               << QStringList{"460.12500", "450.00000", "", "470.00000"}
                               << "move channels down" << Rows{4};
    QTest::newRow("fill down") << Rows{1, 2, 3} << "fill 2" << start << "fill down QT/DQT Dec"
                               << Rows{1, 2, 3};
    QTest::newRow("insert") << Rows{2, 3} << "Ins"
                            << QStringList{"460.12500", "", "450.00000", "470.00000"}
                            << "insert channel 2" << Rows{2};
    QTest::newRow("delete") << Rows{1, 2} << "Ctrl+Del" << QStringList{"470.00000", "", "", ""}
                            << "delete channels" << Rows{};
}

void ChannelOperationsTest::operationIsOneStep() {
    QFETCH(Rows, selection);
    QFETCH(QString, keys);
    QFETCH(QStringList, rx);
    QFETCH(QString, step);
    QFETCH(Rows, selectedAfter);
    ChannelWindow window;
    const EditorState before = window.mainWindow().editor();
    window.grid().SelectChannels(std::vector<int>(selection.begin(), selection.end()));
    window.grid().setFocus();
    for (const QString& key : keys.split(' ')) {
        if (key.startsWith("fill")) {
            Child<QAction>(window.mainWindow(), "mnuFillDown" + keys.section(' ', 1)).trigger();
            break;
        }
        if (key.contains('@')) {  // the key after selecting this channel
            window.Press(key.section('@', 1).toInt(), 0);
        }
        QTest::keySequence(&window.grid(), QKeySequence(key.section('@', 0, 0)));
    }
    QStringList shown;
    for (int row = 1; row <= 4; ++row) {
        shown << QString::fromStdString(window.Rx(row));
    }
    QCOMPARE(shown, rx);
    if (step.startsWith("fill")) {
        for (int row = 1; row <= 3; ++row) {
            QCOMPARE(MemoryCellText(window.mainWindow().editor(), row, 2, Lang::English),
                     std::string("67.0"));
        }
    }
    QCOMPARE(Selected(window), selectedAfter);
    QCOMPARE(window.undo().text(), "Undo " + step);
    window.undo().trigger();
    const QString difference = FirstDifference(before, window.mainWindow().editor());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QVERIFY(!window.undo().isEnabled());
}

void ChannelOperationsTest::refusedPasteStoresNothing() {
    ChannelWindow window;
    QGuiApplication::clipboard()->setText("455\t\t455\n455\tD999N\n");
    const EditorState before = window.mainWindow().editor();
    window.Press(14, 0);
    QTest::keySequence(&window.grid(), QKeySequence("Ctrl+V"));
    QCOMPARE(window.messages().texts(),
             QStringList{"Channel 15, QT/DQT Dec: \"D999N\" cannot be pasted: not a CTCSS tone "
                         "(67.0–254.1) or a DCS code (such as D023N)."});
    QVERIFY(FirstDifference(before, window.mainWindow().editor()).isEmpty());
    QVERIFY(!window.undo().isEnabled());
}

void ChannelOperationsTest::editorKeepsItsOwnKeys() {
    ChannelWindow window;
    QGuiApplication::clipboard()->setText("465.5");
    window.Press(5, 1);
    auto& frequencyBox = Child<QLineEdit>(window.mainWindow(), "Text1");
    QVERIFY(frequencyBox.hasFocus());
    QTest::keySequence(&frequencyBox, QKeySequence("Ctrl+V"));
    QCOMPARE(frequencyBox.text(), QString("465.5"));
    QTest::keySequence(&frequencyBox, QKeySequence("Ctrl+A"));
    QTest::keySequence(&frequencyBox, QKeySequence("Ctrl+C"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("465.5"));
    QTest::keyClick(&frequencyBox, Qt::Key_Delete);  // deletes the selected text, not a channel
    QCOMPARE(window.Rx(1), std::string("460.12500"));
    QCOMPARE(window.mainWindow().document().undoStack().count(), 0);
}

void ChannelOperationsTest::menuOfTheNumbers() {
    ChannelWindow window(0);
    window.Press(2, 0, {}, Qt::RightButton);
    auto& menu = Child<QMenu>(window.grid(), "mnuChannels");
    QVERIFY(menu.isVisible());
    QStringList items;
    for (QAction* action : menu.actions()) {
        items << action->text();
    }
    QCOMPARE(items,
             QString::fromUtf8("复制 剪切 粘贴 粘贴到相同信道 清除 上移 下移 插入信道 删除信道 "
                               "向下填充")
                 .split(' '));
    QCOMPARE(Selected(window), Rows{2});
    Child<QAction>(window.grid(), "mnuClearChannels").trigger();
    menu.hide();
    QCOMPARE(window.Rx(2), std::string());
    QCOMPARE(window.undo().text(), QString::fromUtf8("撤销 清除信道"));
    // A copied line goes back to the channel its number names.
    QGuiApplication::clipboard()->setText("3\t465\n");
    Child<QAction>(window.grid(), "mnuPasteSameChannels").trigger();
    QCOMPARE(window.Rx(3), std::string("465.00000"));
}

void ChannelOperationsTest::editMenuCarriesTheOperations() {
    ChannelWindow window;
    auto& edit = Child<QMenu>(window.mainWindow(), "mnuEdit");
    auto& insert = Child<QAction>(window.grid(), "mnuInsertChannel");
    auto& paste = Child<QAction>(window.grid(), "mnuPasteChannels");
    QVERIFY(edit.actions().contains(&insert));
    QVERIFY(edit.actions().contains(&paste));
    QCOMPARE(insert.shortcut(), QKeySequence(Qt::Key_Insert));
    window.grid().SelectChannels({});
    emit edit.aboutToShow();
    QVERIFY(!insert.isEnabled());  // nothing selected to insert before
    QVERIFY(paste.isEnabled());
    window.grid().SelectChannels({2});
    emit edit.aboutToShow();
    QVERIFY(insert.isEnabled());
    window.mainWindow().SetLocked(true);  // the lock holds the grids, from the menu too
    emit edit.aboutToShow();
    QVERIFY(!insert.isEnabled());
    QVERIFY(!paste.isEnabled());
    // Unlocked and selected again, the keys work without the menu being opened first.
    window.mainWindow().SetLocked(false);
    window.grid().SelectChannels({});
    emit edit.aboutToShow();
    window.grid().SelectChannels({2});
    QVERIFY(insert.isEnabled());
    QVERIFY(paste.isEnabled());
    // Fill down offers busy lock too.
    QCOMPARE(Child<QAction>(window.grid(), "mnuFillDown5").text(), QString("Busy Lock"));
}

namespace m742::test {

int RunChannelOperationTests(int argc, char** argv, const QString& onlyClass) {
    ChannelOperationsTest operations;
    return RunTestClass(operations, argc, argv, onlyClass);
}

}  // namespace m742::test

#include "channel_operations_test.moc"
