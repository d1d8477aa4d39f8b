// The memory grid's editors as a person types, pastes and picks: what each writes back to its
// cell and what it refuses.
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
#include <QStyledItemDelegate>
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
namespace {

// Opens `box` as a person would: Text1 over the RX cell of `row`, Combo8 over channel 2's decode
// tone (its list folded), a debug box on its tab. The box's edit field, and the widget that
// takes its keys.
std::pair<QLineEdit*, QWidget*> OpenBox(ShownWindow& window, const QString& box, int row) {
    if (box == "Text1") {
        window.Press("mfgrid1", row, 1);
        auto* edit = &Child<QLineEdit>(window.mainWindow(), box);
        return {edit, edit};
    }
    if (box == "Combo8") {
        window.Press("mfgrid1", 2, 2);
        auto& combo = Child<QComboBox>(window.mainWindow(), box);
        combo.hidePopup();
        return {combo.lineEdit(), &combo};
    }
    window.mainWindow().findChild<QTabBar*>("TabStrip1")->setCurrentIndex(1);
    auto* edit = &Child<QLineEdit>(window.mainWindow(), box);
    edit->setFocus();
    return {edit, edit};
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Entries into the memory grid's cells: what each editor writes back, and what it lets in.
class GridEntryTest : public QObject {
    Q_OBJECT

private slots:
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
    void keyAndPasteOverSelection_data();
    void keyAndPasteOverSelection();
    void modelTakesEntries();
};

void GridEntryTest::frequencyEntry_data() {
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

void GridEntryTest::frequencyEntry() {
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

void GridEntryTest::outOfBandMessageFollowsLanguage_data() {
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("message");
    QTest::newRow("Chinese") << 0 << QString::fromUtf8("超出频段范围");
    QTest::newRow("English") << 1 << QString("Beyond the frequency range");
}

void GridEntryTest::outOfBandMessageFollowsLanguage() {
    QFETCH(int, flag);
    QFETCH(QString, message);
    ShownWindow window(flag);
    window.Press("mfgrid1", 1, 1);
    Type(Child<QLineEdit>(window.mainWindow(), "Text1"), "500\n");
    QCOMPARE(window.messages().texts(), QStringList{message});
    QCOMPARE(window.messages().all().front().captions, ButtonCaptionsOf({kMessageOk}, flag));
    QCOMPARE(window.Row(1), kEmptyRow);
}

void GridEntryTest::toneEntry_data() {
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

void GridEntryTest::toneEntry() {
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

void GridEntryTest::tonePickedFromList() {
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

void GridEntryTest::listEditor_data() {
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

void GridEntryTest::listEditor() {
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

void GridEntryTest::pastePassesTheKeyRules_data() {
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

void GridEntryTest::pastePassesTheKeyRules() {
    QFETCH(QString, box);
    QFETCH(QStringList, pasted);
    QFETCH(QString, kept);
    QFETCH(QString, rx);
    ShownWindow window;
    FillRowTwo(window.mainWindow());
    const auto [edit, keys] = OpenBox(window, box, 3);
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

// A typed key the rule drops leaves the box as it was, its selection too; pasted text the rule
// keeps nothing of still takes the selection's place. In a debug box a typed point is dropped
// while the box holds one, even the selected one, and a pasted point replaces a selected one.
void GridEntryTest::keyAndPasteOverSelection_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("start");  // the selection: from start, length characters
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("typed");  // a key, or with a leading "^V" a paste
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    const auto row = [](const char* tag, const char* box, int start, int length, const char* typed,
                        const char* text, const char* selected) {
        QTest::newRow(tag) << QString(box) << start << length << QString(typed) << QString(text)
                           << QString(selected);
    };
    row("letter typed over all", "Text1", 0, 9, "x", "460.12500", "460.12500");
    row("letter pasted over all", "Text1", 0, 9, "^Vx", "", "");
    row("digit typed over one", "Text1", 8, 1, "7", "460.12507", "");
    row("point typed over the point", "Txtrfre2", 3, 1, ".", "460.10000", ".");
    row("point pasted over the point", "Txtrfre2", 3, 1, "^V.", "460.10000", "");
    row("second point typed", "Txtrfre2", 5, 1, ".", "460.10000", "0");
    row("tone letter turned upper", "Combo8", 0, 4, "d", "D", "");
}

void GridEntryTest::keyAndPasteOverSelection() {
    QFETCH(QString, box);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    ShownWindow window;
    FillRowTwo(window.mainWindow());
    const auto [edit, keys] = OpenBox(window, box, 2);
    edit->setSelection(start, length);
    if (typed.startsWith("^V")) {
        QApplication::clipboard()->setText(typed.mid(2));
        Type(*keys, "^V");
    } else {
        Type(*keys, typed);
    }
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->selectedText(), selected);
}

// The memory grid's model takes an entry as the editors give it: through the entry rules, as a
// step that Undo takes back; a refused one is said and changes nothing.
void GridEntryTest::modelTakesEntries() {
    ShownWindow window;
    MainWindow& form = window.mainWindow();
    FillRowTwo(form);
    QTableView& grid = window.grid("mfgrid1");
    QVERIFY(qobject_cast<QStyledItemDelegate*>(grid.itemDelegate()) != nullptr);
    QAbstractItemModel& model = *grid.model();
    QVERIFY(!(model.flags(model.index(1, 0)) & Qt::ItemIsEditable));
    QVERIFY(model.flags(model.index(1, 8)) & Qt::ItemIsEditable);
    QVERIFY(!(window.grid("mfgrid2").model()->flags(window.grid("mfgrid2").model()->index(1, 1)) &
              Qt::ItemIsEditable));

    QVERIFY(model.setData(model.index(1, 1), "462.563"));
    QVERIFY(model.setData(model.index(1, 2), "D23N"));
    QVERIFY(model.setData(model.index(1, 8), 1, Qt::UserRole));  // picked from the list
    QCOMPARE(window.Row(2), Cells({"462.56250", "D023N", "461.12500", "D023N", "Carrier", "Narrow",
                                   "No", "High"}));
    QVERIFY(!model.setData(model.index(1, 3), "480"));
    QCOMPARE(window.messages().all().size(), 1);
    QCOMPARE(window.Cell(2, 3), std::string("461.12500"));
    QCOMPARE(form.document().undoStack().count(), 3);
    form.document().undoStack().setIndex(0);
    QCOMPARE(window.Row(2), kUsedRow);
}

namespace m742::test {

int RunGridEntryTests(int argc, char** argv, const QString& onlyClass) {
    GridEntryTest entry;
    return RunTestClass(entry, argc, argv, onlyClass);
}

}  // namespace m742::test

#include "grid_entry_test.moc"
