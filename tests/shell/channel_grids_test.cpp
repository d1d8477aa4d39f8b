// The two channel grids as a person uses them: presses and keys on the memory grid and its
// in-place editors, the debug grid with its panel and context menu, and the editing lock.
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
#include "radio_data/lists.h"
#include "test_support.h"

using namespace m742;
using namespace m742::test;

namespace {

const char* const kEditors[] = {"Text1", "Combo8", "Combo5_5", "Combo5_6", "Combo5_7", "Combo5_8"};

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
void Type(QWidget& widget, const QString& keys) {
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
QWidget& KeyTarget(QComboBox& combo) {
    return combo.view()->isVisible() ? static_cast<QWidget&>(*combo.view()) : combo;
}

QStringList Cells(std::initializer_list<const char*> texts) {
    QStringList cells;
    for (const char* text : texts) {
        cells << QString::fromUtf8(text);
    }
    return cells;
}

const QStringList kEmptyRow = Cells({"", "", "", "", "", "", "", ""});
const QStringList kUsedRow =
    Cells({"460.12500", "67.0", "461.12500", "D023N", "Carrier", "Narrow", "No", "Low"});

void FillRowTwo(MainWindow& form) {
    form.document().ApplyUnrecorded([](EditorState& editor) {
        SetMemoryChannel(editor, 2, "460.12500", "67.0", "461.12500", "D023N", 1, 1, 0, 0);
    });
    form.document().MarkSaved();  // as if opened
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The memory grid: which editor a press or Enter opens, and what each editor writes back.
class MemoryGridTest : public QObject {
    Q_OBJECT

private slots:
    void pressOpensEditor_data();
    void pressOpensEditor();
    void enterOpensEditor();
    void frequencyEntry_data();
    void frequencyEntry();
    void outOfBandMessageFollowsLanguage_data();
    void outOfBandMessageFollowsLanguage();
    void toneEntry_data();
    void toneEntry();
    void tonePickedFromList();
    void listEditor_data();
    void listEditor();
    void pastePassesTheKeyRules_data();
    void pastePassesTheKeyRules();
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

void MemoryGridTest::frequencyEntry_data() {
    QTest::addColumn<bool>("used");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QString>("shown");  // Text1 before the entry ends
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("message");
    const QStringList started =
        Cells({"460.01250", "Off", "460.01250", "Off", "Off", "Wide", "Yes", "High"});
    const auto rx = [](const char* value) {
        QStringList cells = kUsedRow;
        cells[0] = value;
        return cells;
    };
    const auto entry = [](const char* tag, bool used, int column, const char* keys, bool byEnter,
                          const char* shown, const QStringList& cells, const char* message = "") {
        QTest::newRow(tag) << used << column << QString(keys) << byEnter << QString(shown) << cells
                           << QString(message);
    };
    entry("new channel", false, 1, "460.0125", true, "460.0125", started);
    entry("new channel, focus lost", false, 1, "460.0125", false, "460.0125", started);
    entry("letters and signs dropped", false, 1, "4-6a0.0 1+25", true, "460.0125", started);
    entry("RX of a used channel", true, 1, "^A462.563", true, "462.563", rx("462.56250"));
    entry("snapped down", true, 1, "^A460.12345", true, "460.12345", rx("460.12000"));
    entry("snapped to 6.25 kHz", true, 1, "^A460.00999", true, "460.00999", rx("460.00625"));
    entry("top of the band", true, 1, "^A479.99999", true, "479.99999", rx("479.99500"));
    entry("bottom of the band", true, 1, "^A400", true, "400", rx("400.00000"));
    entry("tenth character dropped", true, 1, "^A460.125001", true, "460.12500", rx("460.12500"));
    entry("full box takes no key", true, 1, "7", true, "460.12500", kUsedRow);
    entry("TX only", true, 3, "^A470", true, "470",
          Cells({"460.12500", "67.0", "470.00000", "D023N", "Carrier", "Narrow", "No", "Low"}));
    entry("not a number", true, 1, "^A4..5", true, "4..5", kUsedRow);
    entry("480 refused", true, 1, "^A480", true, "480", kUsedRow, "Beyond the frequency range");
    entry("399.99999 refused", true, 1, "^A399.99999", false, "399.99999", kUsedRow,
          "Beyond the frequency range");
    entry("RX emptied deletes the channel", true, 1, "\b\b\b\b\b\b\b\b\b", true, "", kEmptyRow);
    entry("TX emptied stays", true, 3, "^A\b", true, "", kUsedRow);
}

void MemoryGridTest::frequencyEntry() {
    QFETCH(bool, used);
    QFETCH(int, column);
    QFETCH(QString, keys);
    QFETCH(bool, byEnter);
    QFETCH(QString, shown);
    QFETCH(QStringList, cells);
    QFETCH(QString, message);
    ShownWindow window;
    FillRowTwo(window.mainWindow());
    const int row = used ? 2 : 3;
    window.Press("mfgrid1", row, column);
    auto& frequencyBox = Child<QLineEdit>(window.mainWindow(), "Text1");
    Type(frequencyBox, keys);
    QCOMPARE(frequencyBox.text(), shown);
    QCOMPARE(window.Row(row), used ? kUsedRow : kEmptyRow);  // nothing written while open

    if (byEnter) {
        QTest::keyClick(&frequencyBox, Qt::Key_Return);
    } else {
        Child<QLineEdit>(window.mainWindow(), "Text2").setFocus();
    }
    QCOMPARE(window.OpenEditors(), QStringList());
    QCOMPARE(window.Row(row), cells);
    QCOMPARE(window.messages().texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) {
        QCOMPARE(window.messages().all().front().style, 0);
        QCOMPARE(window.messages().all().front().title, QString("M-742"));  // no title of its own
        QVERIFY(window.grid("mfgrid1").hasFocus());  // so the cell can be pressed again
    }
    // The grid shows what the editor holds.
    const QAbstractItemModel* model = window.grid("mfgrid1").model();
    QCOMPARE(model->data(model->index(row - 1, 1)).toString(), cells[0]);
    if (row == 3) {
        QCOMPARE(ListPositionOf(MemoryChannelOf(window.mainWindow().editor(), 3), 7),
                 std::int16_t(1));
        QCOMPARE(ListPositionOf(MemoryChannelOf(window.mainWindow().editor(), 3), 8),
                 std::int16_t(1));
    }
}

void MemoryGridTest::outOfBandMessageFollowsLanguage_data() {
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("message");
    QTest::newRow("Chinese") << 0 << QString::fromUtf8("超出频段范围");
    QTest::newRow("English") << 1 << QString("Beyond the frequency range");
}

void MemoryGridTest::outOfBandMessageFollowsLanguage() {
    QFETCH(int, flag);
    QFETCH(QString, message);
    ShownWindow window(flag);
    window.Press("mfgrid1", 1, 1);
    Type(Child<QLineEdit>(window.mainWindow(), "Text1"), "500\n");
    QCOMPARE(window.messages().texts(), QStringList{message});
    QCOMPARE(window.messages().all().front().captions, ButtonCaptionsOf({kMessageOk}, flag));
    QCOMPARE(window.Row(1), kEmptyRow);
}

void MemoryGridTest::toneEntry_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("cell");
    const auto entry = [](const char* keys, const char* shown, const char* cell) {
        QTest::newRow(keys) << QString(keys) << QString(shown) << QString(cell);
    };
    entry("67", "67", "67.0");
    entry("88.55", "88.55", "88.6");
    entry("254.1", "254.1", "254.1");
    entry("254.2", "254.2", "D023N");
    entry("66.9", "66.9", "D023N");
    entry("d23n", "D23N", "D023N");
    entry("D777I", "D777I", "D777I");
    entry("d754i", "D754I", "D754I");
    entry("D778N", "D778N", "D023N");
    entry("D0231N", "D0231N", "D023N");
    entry("D023", "D023", "D023N");
    entry("ddd", "D", "D023N");        // a second D is dropped
    entry("D\bD12N", "12N", "D023N");  // and stays dropped after a Backspace
    entry("Di", "DI", "D000I");        // padded with zeros
    entry("DIN", "DIN", "D023N");      // no digits between D and the suffix: refused
    entry("D1.N", "D1.N", "D023N");    // nor a point
    entry("x7y0z", "70", "70.0");      // other letters never reach the box
}

void MemoryGridTest::toneEntry() {
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QString, cell);
    ShownWindow window;
    FillRowTwo(window.mainWindow());
    window.Press("mfgrid1", 2, 4);  // D023N
    auto& combo = Child<QComboBox>(window.mainWindow(), "Combo8");
    QVERIFY(combo.view()->isVisible());
    // The whole text is selected on opening, so typing replaces it; the keys reach the edit
    // field while the list is dropped down.
    Type(KeyTarget(combo), keys);
    QCOMPARE(combo.currentText(), shown);
    QCOMPARE(window.Cell(2, 4), std::string("D023N"));
    Type(KeyTarget(combo), "\n");
    QCOMPARE(window.OpenEditors(), QStringList());
    QCOMPARE(QString::fromStdString(window.Cell(2, 4)), cell);
    QCOMPARE(combo.count(), 261);

    // The letters count again once the editor has lost the focus.
    window.Press("mfgrid1", 2, 2);
    Type(KeyTarget(combo), "d12n\n");
    QCOMPARE(QString::fromStdString(window.Cell(2, 2)), QString("D012N"));
}

void MemoryGridTest::tonePickedFromList() {
    ShownWindow window;
    FillRowTwo(window.mainWindow());
    auto& combo = Child<QComboBox>(window.mainWindow(), "Combo8");
    QTableView& grid = window.grid("mfgrid1");

    // An arrow key in the dropped-down list picks the next item at once.
    window.Press("mfgrid1", 2, 2);  // 67.0, item 1
    QTest::keyClick(combo.view(), Qt::Key_Down);
    QCOMPARE(window.OpenEditors(), QStringList());
    QVERIFY(grid.hasFocus());
    QCOMPARE(window.Cell(2, 2), ListItem(ListId::kTone, 2, Lang::English));

    // A click on an item picks it, also at once after the list has dropped down: the list only
    // ignores a release whose press it never had.
    window.Press("mfgrid1", 2, 4);
    QAbstractItemView& list = *combo.view();
    const QModelIndex item = list.model()->index(0, 0);  // the Off word
    list.scrollTo(item);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(item).center());
    QCOMPARE(window.OpenEditors(), QStringList());
    QCOMPARE(window.Cell(2, 4), std::string("Off"));
    QCOMPARE(window.Cell(2, 1), std::string("460.12500"));
}

void MemoryGridTest::listEditor_data() {
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("key");  // in the dropped-down list; 0: the list is left alone
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("position");
    const auto pick = [](const char* tag, int flag, int column, int key, const char* cell,
                         int position) {
        QTest::newRow(tag) << flag << column << key << QString::fromUtf8(cell) << position;
    };
    pick("busy lock down", 1, 5, Qt::Key_Down, "QT/DQT", 2);
    pick("band up", 1, 6, Qt::Key_Up, "Wide", 0);
    pick("band up in Chinese", 0, 6, Qt::Key_Up, "宽", 0);
    pick("power down in Chinese", 0, 8, Qt::Key_Down, "高", 1);
    pick("add scan up at the top", 1, 7, Qt::Key_Up, "No", 0);
    pick("left without a pick", 1, 8, 0, "Low", 0);
}

void MemoryGridTest::listEditor() {
    QFETCH(int, flag);
    QFETCH(int, column);
    QFETCH(int, key);
    QFETCH(QString, cell);
    QFETCH(int, position);
    ShownWindow window(flag);
    window.mainWindow().document().ApplyUnrecorded([](EditorState& editor) {
        SetMemoryChannel(editor, 2, "460.12500", "67.0", "461.12500", "D023N", 1, 1, 0, 0);
    });
    window.mainWindow().document().MarkSaved();  // as if opened
    window.Press("mfgrid1", 2, column);
    auto& list = Child<QComboBox>(window.mainWindow(), QString("Combo5_%1").arg(column));
    if (key != 0) {
        QTest::keyClick(list.view(), Qt::Key(key));
    }
    // Leaving the editor without a pick only hides it.
    list.hidePopup();
    Child<QLineEdit>(window.mainWindow(), "Text2").setFocus();
    QCOMPARE(window.OpenEditors(), QStringList());
    QCOMPARE(QString::fromStdString(window.Cell(2, column)), cell);
    QCOMPARE(
        int(ListPositionOf(MemoryChannelOf(window.mainWindow().editor(), 2), std::size_t(column))),
        position);
}

void MemoryGridTest::pastePassesTheKeyRules_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("pasted");  // one paste after another, at the cursor
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("rx");  // Text1: the RX cell after Enter
    const auto paste = [](const char* tag, const char* box, const QStringList& pasted,
                          const char* kept, const char* rx = "") {
        QTest::newRow(tag) << box << pasted << kept << rx;
    };
    paste("frequency", "Text1", {" 46x0.0125 MHz"}, "460.0125", "460.01250");
    paste("frequency, nine at most", "Text1", {"1234567890"}, "123456789");
    paste("frequency twice", "Text1", {"460.1234567", "460.1234567"}, "460.12345", "460.12000");
    paste("letters after a cut paste", "Text1", {"46x", "471x"}, "46471");
    paste("rounding up out of the band", "Text1", {"479.999999", "9"}, "479.99999", "479.99500");
    paste("tone", "Combo8", {"d23n d"}, "D23N");
    paste("tone, second D in a second paste", "Combo8", {"d2", "d3n"}, "D23N");
    paste("debug RX, one point", "Txtrfre2", {"4.6.0.1"}, "4.601");
    paste("debug RX twice", "Txtrfre2", {"460.1234567", "460.1234567"}, "460.12345");
    paste("debug TX", "Txtsfre2", {"-470,5"}, "4705");
    paste("debug TX, second point later", "Txtsfre2", {"4a7", "0.5.x"}, "470.5");
}

void MemoryGridTest::pastePassesTheKeyRules() {
    QFETCH(QString, box);
    QFETCH(QStringList, pasted);
    QFETCH(QString, kept);
    QFETCH(QString, rx);
    ShownWindow window;
    FillRowTwo(window.mainWindow());
    QLineEdit* edit = nullptr;
    QWidget* keys = nullptr;
    if (box == "Text1") {
        window.Press("mfgrid1", 3, 1);
        edit = &Child<QLineEdit>(window.mainWindow(), box);
        keys = edit;
    } else if (box == "Combo8") {
        window.Press("mfgrid1", 2, 2);
        auto& combo = Child<QComboBox>(window.mainWindow(), box);
        combo.hidePopup();
        edit = combo.lineEdit();
        keys = &combo;
    } else {
        window.mainWindow().findChild<QTabBar*>("TabStrip1")->setCurrentIndex(1);
        edit = &Child<QLineEdit>(window.mainWindow(), box);
        keys = edit;
        edit->setFocus();
    }
    Type(*keys, "^A");
    for (const QString& text : pasted) {
        QApplication::clipboard()->setText(text);
        Type(*keys, "^V");
    }
    QCOMPARE(edit->text(), kept);
    if (!rx.isEmpty()) {
        Type(*keys, "\n");
        QCOMPARE(QString::fromStdString(window.Cell(3, 1)), rx);
        QVERIFY(window.messages().all().isEmpty());
    }
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
    window.mainWindow().HideFrequencyEditor();
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

int RunChannelGridTests(int argc, char** argv, const QString& onlyClass) {
    MemoryGridTest memory;
    DebugGridTest debug;
    int status = 0;
    for (QObject* test : std::initializer_list<QObject*>{&memory, &debug}) {
        status |= RunTestClass(*test, argc, argv, onlyClass);
    }
    return status;
}

}  // namespace m742::test

#include "channel_grids_test.moc"
#include "texts/list_texts.h"
