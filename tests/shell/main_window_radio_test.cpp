// The main window against the simulated radio on a pseudo-terminal: choosing the port, reading,
// writing, the password check and a port that is not there. The sim answers at
// once (no wire pacing), so only the window's own timers take time.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QTableView>
#include <QToolBar>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include "radio_data/layout.h"
#include "texts/grid_cells.h"

#include "channel_editing/channel_plan.h"
#include "main_window_fixtures.h"
#include "radio_data/codec.h"
#include "radio_sim/radio_sim.h"
#include "shell/qt/dialogs.h"
#include "shell/qt/plan_file_controller.h"
#include "test_support.h"
#include "texts/store_refusal.h"

using namespace m742;
using namespace m742::test;

namespace {

// The status blinks 11 ticks of the status blink after the end before the commands come back.
constexpr int kLingerTimeoutMs = 4000;

QString StatusText(MainWindow& form) {
    return Child<QLabel>(form, "Label20").text();
}

// The memory grid's editors that are open.
QStringList OpenEditors(MainWindow& form) {
    QStringList open;
    for (const char* name : {"Text1", "Combo8", "Combo5_5", "Combo5_6", "Combo5_7", "Combo5_8"}) {
        if (Child<QWidget>(form, name).isVisible()) {
            open << name;
        }
    }
    return open;
}

// A press of the left button on a cell of the memory grid, as a person makes it.
void PressCell(MainWindow& form, int row, int column) {
    auto& grid = Child<QTableView>(form, "mfgrid1");
    const QPoint centre = grid.visualRect(grid.model()->index(row - 1, column)).center();
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, centre);
}

// Keys typed wherever the keyboard is; Enter after them when `enter`.
void TypeHere(MainWindow& form, const char* keys, bool enter = false) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClicks(focus != nullptr ? focus : &form, keys);
    if (enter) {
        focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &form, Qt::Key_Return);
    }
}

}  // namespace

class RadioTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void choosingThePort();
    void readFromRadio();
    void readChecksPassword_data();
    void readChecksPassword();
    void writeToRadio_data();
    void writeToRadio();
    void missingPort_data();
    void missingPort();
    void readAfterFailedChoiceUsesStoredPort();
    void comMenuNamesTheDevices_data();
    void comMenuNamesTheDevices();
    void noEntryWhileTheRadioTalks_data();
    void noEntryWhileTheRadioTalks();
    void readWithNoPortDropsTheEntry();
};

void RadioTest::cleanup() {
    UnsetPorts();
}

void RadioTest::choosingThePort() {
    const auto radio = StartRadio({});
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    form.radio().ports().ChoosePort(1);
    QVERIFY(harness.messages().all().isEmpty());
    QCOMPARE(form.radio().ports().portNumber(), 1);
    for (int n = 1; n <= 8; ++n) {
        QCOMPARE(Child<QAction>(form, QString("mnucom%1").arg(n)).isChecked(), n == 1);
    }
    form.close();
    QCOMPARE(harness.folder().read(), QByteArray("\x00\x01\x01\x00", 4));
}

void RadioTest::readFromRadio() {
    const RadioImage image = PlanImage();
    sim::Options options;
    options.memory = image;
    const auto radio = StartRadio(options);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    form.radio().ports().ChoosePort(1);
    form.planFiles().SetCaptionTo(harness.folder().filePath("shop.DAT"));  // as if opened

    form.radio().ReadRadio();
    QCOMPARE(StatusText(form), QString("Communication...... "));
    QVERIFY(CommandsDisabled(form));

    QVERIFY(WaitUntil([&] { return form.radio().exchange().ended(); }, kExchangeTimeoutMs));
    QVERIFY(harness.messages().all().isEmpty());
    QCOMPARE(form.radio().exchange().outcome(), ExchangeOutcome::kCompleted);
    QCOMPARE(StatusText(form), QString("Read frequency success!"));
    QVERIFY(!form.windowTitle().endsWith('*'));
    // The plan read is the radio's, no file's: Save to Current File would write it elsewhere.
    QCOMPARE(form.windowTitle(), QString("M-742 Radio Software V2.50"));
    QVERIFY(!Child<QAction>(form, "mnuSaveCurrent").isEnabled());
    QCOMPARE(Child<QAction>(form, "mnuUndo").text(), QString("Undo read frequency"));
    const QProgressBar& progress = Child<QProgressBar>(form, "ProgressBar1");
    QCOMPARE(progress.value(), 1024);
    QVERIFY(progress.isHidden());

    EditorState expected = StartupEditor();
    DecodeImage(image, expected);
    const QString difference = FirstDifference(expected, form.editor());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    const QAbstractItemModel* grid = Child<QTableView>(form, "mfgrid1").model();
    QCOMPARE(grid->data(grid->index(0, 1)).toString(), QString("460.12500"));
    QCOMPARE(grid->data(grid->index(8, 2)).toString(), QString("Off"));

    QVERIFY(WaitUntil([&] { return CommandsEnabled(form); }, kLingerTimeoutMs));
    QVERIFY(Child<QLabel>(form, "Label20").isHidden());
    QVERIFY(WaitUntil([&] { return radio->EndFrames() == 1; }, kExchangeTimeoutMs));
}

void RadioTest::readChecksPassword_data() {
    QTest::addColumn<QString>("radioPassword");  // null: the radio has none (FFh bytes)
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    const auto row = [](const char* tag, const char* radio, const char* typed, bool accepted) {
        QTest::newRow(tag) << (radio != nullptr ? QString(radio) : QString()) << QString(typed)
                           << accepted;
    };
    row("none, empty box", nullptr, "", true);
    row("123, empty box", "123", "", false);
    row("123, box 123", "123", "123", true);
    row("123, box 1234", "123", "1234", false);
    row("123, box 12", "123", "12", false);
    row("none, box 12", nullptr, "12", false);
    row("six characters", "12.456", "12.456", true);
}

void RadioTest::readChecksPassword() {
    QFETCH(QString, radioPassword);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    sim::Options options;
    options.memory = PlanImage();
    if (!radioPassword.isNull()) {
        options.password = radioPassword.toStdString();
    }
    const auto radio = StartRadio(options);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    QTest::keyClicks(&Child<QLineEdit>(form, "Text2"), typed);
    form.radio().ports().ChoosePort(1);
    const EditorState before = form.editor();

    form.radio().ReadRadio();
    QVERIFY(WaitUntil([&] { return form.radio().exchange().ended(); }, kExchangeTimeoutMs));
    QVERIFY(harness.messages().all().isEmpty());
    QVERIFY(Child<QProgressBar>(form, "ProgressBar1").isHidden());
    if (accepted) {
        QCOMPARE(form.radio().exchange().outcome(), ExchangeOutcome::kCompleted);
        QCOMPARE(StatusText(form), QString("Read frequency success!"));
        QCOMPARE(MemoryCellText(form.editor(), 1, 1, Lang::English), std::string("460.12500"));
    } else {
        QCOMPARE(form.radio().exchange().outcome(), ExchangeOutcome::kPasswordRefused);
        QCOMPARE(StatusText(form), QString("The password is invalid!"));
        const QString difference = FirstDifference(before, form.editor());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
    QVERIFY(WaitUntil([&] { return radio->EndFrames() == 1; }, kExchangeTimeoutMs));
}

void RadioTest::writeToRadio_data() {
    QTest::addColumn<bool>("unlocked");
    QTest::newRow("power locked: the last block stays") << false;
    QTest::newRow("power unlocked: every block") << true;
}

void RadioTest::writeToRadio() {
    QFETCH(bool, unlocked);
    const auto radio = StartRadio({});  // an erased radio: every byte FFh
    double now = 43200;
    Harness harness(EnglishPreferences(), [&now] { return now; });
    MainWindow& form = harness.mainWindow();
    form.document().ApplyUnrecorded([](EditorState& editor) {
        SetMemoryChannel(editor, 1, "460.12500", "67.0", "461.12500", "D023N", 2, 1, 1, 1);
        SetMemoryChannel(editor, 16, "479.00000", "D754I", "479.00000", "254.1", 1, 0, 0, 1);
    });
    form.document().MarkSaved();  // as if opened
    // Lies in the last block, which a locked write skips; a change to save until it is written.
    Child<QComboBox>(form, "Combo14").setCurrentIndex(2);
    QVERIFY(form.windowTitle().endsWith('*'));
    if (unlocked) {
        QTest::mouseClick(&Child<QLabel>(form.dialogs().powerDialog(), "Label7"), Qt::LeftButton);
        now += 3;
        QTest::mouseClick(&Child<QLabel>(form.dialogs().powerDialog(), "Label8"), Qt::LeftButton);
        QVERIFY(form.radio().PowerUnlocked());
    }
    form.radio().ports().ChoosePort(1);

    form.radio().WriteRadio();
    QCOMPARE(StatusText(form), QString("Is communication, please later …… "));
    QVERIFY(CommandsDisabled(form));
    QVERIFY(WaitUntil([&] { return form.radio().exchange().ended(); }, kExchangeTimeoutMs));
    QVERIFY(harness.messages().all().isEmpty());
    QCOMPARE(form.radio().exchange().outcome(), ExchangeOutcome::kCompleted);
    QCOMPARE(StatusText(form), QString("Write frequency success!"));
    QVERIFY2(!form.windowTitle().endsWith('*'), "the radio holds the plan: nothing to save");
    QVERIFY(Child<QProgressBar>(form, "ProgressBar1").isHidden());
    QVERIFY(WaitUntil([&] { return radio->EndFrames() == 1; }, kExchangeTimeoutMs));

    const auto image = EncodeImage(form.editor(), Lang::English);
    QVERIFY(image.ok());
    const RadioImage memory = radio->Memory();
    for (int address = 0; address < static_cast<int>(kImageSize); ++address) {
        const bool sent = address < 0x210 || (address >= 0x3B0 && address < 0x3D0) ||
                          (unlocked && address >= 0x3F0);
        const std::uint8_t expected = sent ? image.value()[address] : 0xFF;
        QVERIFY2(memory[address] == expected,
                 qPrintable(QString("address %1h holds %2h, expected %3h")
                                .arg(address, 3, 16, QChar('0'))
                                .arg(memory[address], 2, 16, QChar('0'))
                                .arg(expected, 2, 16, QChar('0'))));
    }
    QVERIFY(WaitUntil([&] { return CommandsEnabled(form); }, kLingerTimeoutMs));
}

void RadioTest::noEntryWhileTheRadioTalks_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("openColumn");  // the column of an editor open at the start; 0: none
    QTest::newRow("read, cell pressed while reading") << "read" << 0;
    QTest::newRow("read, tone editor open at its start") << "read" << 2;
    QTest::newRow("read, list editor open at its start") << "read" << 6;
    QTest::newRow("write, cell pressed while writing") << "write" << 0;
}

// While the radio talks the grids and panels take no entry: an editor open at the start closes
// without taking its text, a press opens none, and when the exchange is done the cell holds
// what the exchange left there, with no editor open and nothing to save.
void RadioTest::noEntryWhileTheRadioTalks() {
    QFETCH(QString, command);
    QFETCH(int, openColumn);
    sim::Options options;
    options.memory = PlanImage();
    const auto radio = StartRadio(options);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    form.resize(1400, 1000);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.radio().ports().ChoosePort(1);
    PressCell(form, 2, 1);
    TypeHere(form, "460", true);  // channel 2 in use, changed since the start
    const std::string before =
        MemoryCellText(form.editor(), 2, openColumn == 0 ? 1 : openColumn, Lang::English);
    if (openColumn != 0) {
        PressCell(form, 2, openColumn);
        QCOMPARE(OpenEditors(form).size(), 1);
        TypeHere(form, "88");
    }
    harness.messages().Answer(kMessageNo);  // the change before the read is not saved
    command == "read" ? form.radio().ReadRadio() : form.radio().WriteRadio();
    QVERIFY(CommandsDisabled(form));
    QCOMPARE(OpenEditors(form), QStringList());
    for (const char* area : {"mfgrid1", "mfgrid2", "Frame1", "Frame2", "Txtrfre2"}) {
        QVERIFY2(!Child<QWidget>(form, area).isEnabled(), area);
    }
    QVERIFY(!Child<QMenu>(form, "mnuEdit").menuAction()->isEnabled());
    PressCell(form, 2, 1);
    TypeHere(form, "461");
    QCOMPARE(OpenEditors(form), QStringList());

    QVERIFY(WaitUntil([&] { return CommandsEnabled(form); }, kExchangeTimeoutMs));
    QCOMPARE(form.radio().exchange().outcome(), ExchangeOutcome::kCompleted);
    QCOMPARE(OpenEditors(form), QStringList());
    QVERIFY(Child<QWidget>(form, "mfgrid1").isEnabled());
    QVERIFY(Child<QWidget>(form, "Txtrfre2").isEnabled());
    const int column = openColumn == 0 ? 1 : openColumn;
    // A read leaves the radio's channel 2 (empty); a write leaves the plan it sent.
    QCOMPARE(MemoryCellText(form.editor(), 2, column, Lang::English),
             command == "read" ? std::string() : before);
    QVERIFY(!form.windowTitle().endsWith('*'));
}

// Even a read whose port will not open closes the RX box without taking its text.
void RadioTest::readWithNoPortDropsTheEntry() {
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    PressCell(form, 1, 1);
    TypeHere(form, "470");
    QCOMPARE(OpenEditors(form), QStringList{"Text1"});
    form.radio().ReadRadio();
    QCOMPARE(OpenEditors(form), QStringList());
    QCOMPARE(MemoryCellText(form.editor(), 1, 1, Lang::English), std::string());
    QVERIFY(harness.messages().all().front().text.startsWith("Communication port not open"));
}

void RadioTest::missingPort_data() {
    QTest::addColumn<int>("storedPort");
    QTest::addColumn<int>("tickAfter");  // 0: no tick anywhere
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("message");  // its start; the list of devices follows
    QTest::newRow("another port in use")
        << 1 << 0 << 1
        << "No serial device is connected as COM5 (/dev/no-such).\n\nSerial devices: ";
    QTest::newRow("the ticked port went away, in Chinese")
        << 5 << 5 << 0 << "没有串口设备连接为 COM5（/dev/no-such）。\n\n已有的串口设备：";
}

// A COM number with no device says so, and names the numbers that have one (COM2 here, and
// whatever serial ports this computer has).
void RadioTest::missingPort() {
    QFETCH(int, storedPort);
    QFETCH(int, tickAfter);
    QFETCH(int, language);
    QFETCH(QString, message);
    qputenv("M742_COM2", "/dev/null");
    qputenv("M742_COM5", "/dev/no-such");
    Harness harness(QByteArray("\x00", 1) + char(storedPort) + char(language));
    MainWindow& form = harness.mainWindow();

    form.radio().ports().ChoosePort(5);
    QCOMPARE(harness.messages().all().size(), 1);
    const RecordedMessage& shown = harness.messages().all().front();
    QVERIFY2(shown.text.startsWith(message) && shown.text.contains("COM2 = /dev/null"),
             qPrintable(shown.text));
    QCOMPARE(shown.style, 64);
    QCOMPARE(shown.title, QString("M-742"));
    for (int n = 1; n <= 8; ++n) {
        QCOMPARE(Child<QAction>(form, QString("mnucom%1").arg(n)).isChecked(), n == tickAfter);
    }
    QCOMPARE(form.radio().ports().portNumber(), storedPort);
}

void RadioTest::readAfterFailedChoiceUsesStoredPort() {
    const auto radio = StartRadio({});
    qputenv("M742_COM5", "/dev/no-such");
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    form.radio().ports().ChoosePort(1);
    form.radio().ports().ChoosePort(5);
    QCOMPARE(harness.messages().all().size(), 1);

    form.radio().ReadRadio();
    QVERIFY(WaitUntil([&] { return form.radio().exchange().ended(); }, kExchangeTimeoutMs));
    QCOMPARE(form.radio().exchange().outcome(), ExchangeOutcome::kCompleted);
    QCOMPARE(harness.messages().all().size(), 1);
}

void RadioTest::comMenuNamesTheDevices_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("none");
    QTest::newRow("English") << 1 << "(none)";
    QTest::newRow("Chinese") << 0 << "（无）";
}

// Each entry names its device; one that is not there is greyed, unless it is the ticked one. A
// device that appears later is in the menu the next time it opens.
void RadioTest::comMenuNamesTheDevices() {
    QFETCH(int, language);
    QFETCH(QString, none);
    const auto radio = StartRadio({});
    const QString device = qEnvironmentVariable("M742_COM1");
    qputenv("M742_COM2", "/dev/no-such");
    qputenv("M742_COM5", "/dev/no-such");
    Harness harness(QByteArray("\x00\x05", 2) + char(language));
    MainWindow& form = harness.mainWindow();
    auto& menu = Child<QMenu>(form, "mnucom");
    emit menu.aboutToShow();
    const auto entry = [&](int n) -> QAction& {
        return Child<QAction>(form, QString("mnucom%1").arg(n));
    };
    QCOMPARE(entry(1).text(), "COM1(&1)  " + device);
    QVERIFY(entry(1).isEnabled());
    QCOMPARE(entry(2).text(), "COM2(&2)  /dev/no-such " + none);
    QVERIFY(!entry(2).isEnabled());
    QCOMPARE(entry(5).text(), "COM5(&5)  /dev/no-such " + none);
    QVERIFY(entry(5).isEnabled() && entry(5).isChecked());

    qputenv("M742_COM2", device.toUtf8());
    emit menu.aboutToShow();
    QCOMPARE(entry(2).text(), "COM2(&2)  " + device);
    QVERIFY(entry(2).isEnabled());
    QVERIFY(harness.messages().all().isEmpty());
}

namespace m742::test {

int RunMainWindowRadioTests(int argc, char** argv, const QString& onlyClass) {
    RadioTest commands;
    return RunTestClass(commands, argc, argv, onlyClass);
}

}  // namespace m742::test

#include "main_window_radio_test.moc"
