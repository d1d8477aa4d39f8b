// The main window without a radio: start-up and shutdown with the preferences file, the
// language tables on the real controls, menu and toolbar dispatch, the settings panel, the
// file commands and the tab strip.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <QtTest>
#include <initializer_list>
#include <memory>
#include "radio_data/layout.h"
#include "texts/grid_cells.h"

#include "channel_editing/channel_plan.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "test_support.h"
#include "texts/language_tables.h"
#include "texts/store_refusal.h"

using namespace m742;
using namespace m742::test;

namespace {

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (const int value : values) {
        bytes.append(static_cast<char>(value));
    }
    return bytes;
}

const char* const kChineseTitle = "M-742对讲机编程软件 V2.60";
const char* const kEnglishTitle = "M-742 Radio Software V2.50";
const char* const kLockedControls[] = {"Frame1", "Frame2", "mfgrid1", "mfgrid2"};

// What a command did, in order of kind: its messages, then the file dialogs it opened.
QStringList Events(Harness& harness) {
    QStringList events;
    for (const RecordedMessage& message : harness.messages().all()) {
        events << QString("message %1 %2: %3").arg(message.style).arg(message.title, message.text);
    }
    for (const bool save : harness.chooser().calls) {
        events << (save ? "choose save" : "choose open");
    }
    return events;
}

QString CellShown(MainWindow& form, const char* grid, int row, int column) {
    const QAbstractItemModel* model = Child<QTableView>(form, grid).model();
    return model->data(model->index(row - 1, column)).toString();
}

QByteArray FileContent(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

// An editor with something in every part a data file carries, as the window's views show it.
void FillEditor(EditorState& editor) {
    SetMemoryChannel(editor, 1, "460.12500", "67.0", "461.12500", "D023N", 2, 1, 1, 1);
    SetMemoryChannel(editor, 16, "479.99375", "D754I", "400.00000", "254.1", 1, 0, 0, 0);
    SetDebugCellText(editor, 1, 1, "461.00000");
    SetDebugCellText(editor, 12, 2, "455.55000");
    editor.ani = "A1*#D";
    editor.settings.squelchLevel = 9;
    editor.settings.voiceLevel = 8;
    editor.settings.voiceSwitch = 1;
    editor.powerLevels.low = 100;
    editor.sideKeys.pf2Long = 6;
    CreateDialogControls(editor);  // the dialogs show what they set
}

void FillEditor(MainWindow& form) {
    form.document().ApplyUnrecorded([](EditorState& editor) { FillEditor(editor); });
    form.document().MarkSaved();  // as if opened
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Start-up and shutdown: the preferences file decides lock, port tick and language, and the
// window writes it back once when it ends.
class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void preferencesAtStartup_data();
    void preferencesAtStartup();
    void firstStartLanguage_data();
    void firstStartLanguage();
    void shutdownWritesPreferencesOnce_data();
    void shutdownWritesPreferencesOnce();
    void lockToggle_data();
    void lockToggle();
};

void StartupTest::preferencesAtStartup_data() {
    QTest::addColumn<bool>("hasFile");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("windowLocked");
    QTest::addColumn<bool>("lockTicked");
    QTest::addColumn<int>("tickedPort");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("no file") << false << QByteArray() << false << false << 0
                             << QString(kChineseTitle) << Bytes({0, 0, 0, 0});
    QTest::newRow("empty file") << true << QByteArray() << false << false << 0
                                << QString(kChineseTitle) << Bytes({0, 0, 0, 0});
    QTest::newRow("COM1, English") << true << Bytes({0, 1, 1}) << false << false << 1
                                   << QString(kEnglishTitle) << Bytes({0, 1, 1, 0});
    QTest::newRow("locked, COM3") << true << Bytes({1, 3, 1}) << true << true << 3
                                  << QString(kEnglishTitle) << Bytes({1, 3, 1, 0});
    // Any other lock byte leaves the lock item as designed (ticked) but the window unlocked;
    // the tick is what goes back, so the next start is locked.
    QTest::newRow("lock byte 2") << true << Bytes({2, 2, 0}) << false << true << 2
                                 << QString(kChineseTitle) << Bytes({1, 2, 0, 0});
    QTest::newRow("language byte 2") << true << Bytes({0, 0, 2}) << false << false << 0
                                     << QString(kEnglishTitle) << Bytes({0, 0, 2, 0});
    QTest::newRow("one byte") << true << Bytes({1}) << true << true << 0 << QString(kChineseTitle)
                              << Bytes({1, 0, 0, 0});
    QTest::newRow("port 9 ticks nothing") << true << Bytes({0, 9, 0}) << false << false << 0
                                          << QString(kChineseTitle) << Bytes({0, 9, 0, 0});
    // Only byte 3 is read; the flag goes back as 16 bits over bytes 3 and 4.
    QTest::newRow("stale byte 4") << true << Bytes({0, 8, 1, 7}) << false << false << 8
                                  << QString(kEnglishTitle) << Bytes({0, 8, 1, 0});
    QTest::newRow("tail kept") << true << Bytes({0, 4, 1, 0, 0xAA, 0xBB}) << false << false << 4
                               << QString(kEnglishTitle) << Bytes({0, 4, 1, 0, 0xAA, 0xBB});
}

void StartupTest::preferencesAtStartup() {
    QFETCH(bool, hasFile);
    QFETCH(QByteArray, file);
    QFETCH(bool, windowLocked);
    QFETCH(bool, lockTicked);
    QFETCH(int, tickedPort);
    QFETCH(QString, title);
    QFETCH(QByteArray, written);

    Harness harness(hasFile ? std::optional<QByteArray>(file) : std::nullopt);
    MainWindow& form = harness.mainWindow();
    for (const char* name : kLockedControls) {
        QVERIFY2(Child<QWidget>(form, name).isEnabled() == !windowLocked, name);
    }
    QCOMPARE(Child<QAction>(form, "mnulock").isChecked(), lockTicked);
    for (int n = 1; n <= 8; ++n) {
        QCOMPARE(Child<QAction>(form, QString("mnucom%1").arg(n)).isChecked(), n == tickedPort);
    }
    QCOMPARE(form.windowTitle(), title);
    QVERIFY(harness.messages().all().isEmpty());

    form.close();
    QCOMPARE(harness.folder().read(), written);
}

void StartupTest::firstStartLanguage_data() {
    QTest::addColumn<bool>("hasFile");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("no file, English desktop")
        << false << "en_US.UTF-8" << QString(kEnglishTitle) << Bytes({0, 0, 1, 0});
    QTest::newRow("no file, Chinese desktop")
        << false << "zh_CN.UTF-8" << QString(kChineseTitle) << Bytes({0, 0, 0, 0});
    QTest::newRow("file written before")
        << true << "en_US.UTF-8" << QString(kChineseTitle) << Bytes({0, 0, 0, 0});
}

void StartupTest::firstStartLanguage() {
    QFETCH(bool, hasFile);
    QFETCH(QString, locale);
    QFETCH(QString, title);
    QFETCH(QByteArray, written);
    Harness harness(hasFile ? std::optional<QByteArray>(Bytes({0, 0, 0, 0})) : std::nullopt, {}, {},
                    locale.toStdString());
    QCOMPARE(harness.mainWindow().windowTitle(), title);
    harness.mainWindow().close();
    QCOMPARE(harness.folder().read(), written);
}

void StartupTest::shutdownWritesPreferencesOnce_data() {
    QTest::addColumn<QString>("ending");
    QTest::newRow("close box") << "close";
    QTest::newRow("Quit") << "quit";
    QTest::newRow("window destroyed") << "destroy";
}

void StartupTest::shutdownWritesPreferencesOnce() {
    QFETCH(QString, ending);
    Harness harness(Bytes({0, 2, 1}));
    MainWindow& form = harness.mainWindow();
    QAction& lock = Child<QAction>(form, "mnulock");

    // What changes while the program runs goes to the file only at the end.
    lock.trigger();
    form.ChooseChinese();
    QCOMPARE(harness.folder().read(), Bytes({0, 2, 1}));

    const QByteArray expected = Bytes({1, 2, 0, 0});
    if (ending == "destroy") {
        harness.DestroyMainWindow();
        QCOMPARE(harness.folder().read(), expected);
        return;
    }
    if (ending == "close") {
        form.close();
    } else {
        form.Quit();
    }
    QCOMPARE(harness.folder().read(), expected);

    // The window is gone for the program; destroying it must not write again.
    lock.trigger();
    form.ChooseEnglish();
    harness.DestroyMainWindow();
    QCOMPARE(harness.folder().read(), expected);
}

void StartupTest::lockToggle_data() {
    QTest::addColumn<bool>("startLocked");
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("unlocked, command") << false << false;
    QTest::newRow("unlocked, menu item") << false << true;
    QTest::newRow("locked, command") << true << false;
    QTest::newRow("locked, menu item") << true << true;
}

void StartupTest::lockToggle() {
    QFETCH(bool, startLocked);
    QFETCH(bool, fromMenu);
    Harness harness(Bytes({startLocked ? 1 : 0, 0, 1}));
    MainWindow& form = harness.mainWindow();
    if (fromMenu) {
        Child<QAction>(form, "mnulock").trigger();
    } else {
        form.ToggleEditingLock();
    }
    QCOMPARE(Child<QAction>(form, "mnulock").isChecked(), !startLocked);
    for (const char* name : kLockedControls) {
        QVERIFY2(Child<QWidget>(form, name).isEnabled() == startLocked, name);
    }
    // Reading, writing, opening and saving stay available while locked.
    QVERIFY(Child<QToolBar>(form, "Toolbar1").isEnabled());
    QVERIFY(Child<QMenu>(form, "mnupro").isEnabled());

    form.close();
    QCOMPARE(harness.folder().read(), Bytes({startLocked ? 0 : 1, 0, 1, 0}));
}

// ---------------------------------------------------------------------------------------------
// The language tables as the controls show them, and the switch at run time.
class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyTextRow_data();
    void everyTextRow();
    void noListItemLeftBlank_data();
    void noListItemLeftBlank();
    void switchKeepsSelections_data();
    void switchKeepsSelections();
    void switchRetextsMemoryGrid_data();
    void switchRetextsMemoryGrid();
    void unavailableSwitchDoesNothing_data();
    void unavailableSwitchDoesNothing();

private:
    std::unique_ptr<Harness> m_windows[2];  // Chinese, English
};

void LanguageTest::initTestCase() {
    m_windows[0] = std::make_unique<Harness>(Bytes({0, 0, 0}));
    m_windows[1] = std::make_unique<Harness>(Bytes({0, 0, 1}));
}

void LanguageTest::cleanupTestCase() {
    m_windows[0].reset();
    m_windows[1].reset();
}

void LanguageTest::everyTextRow_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<int>("row");
    for (const int language : {0, 1}) {
        for (const bool fixed : {false, true}) {
            const auto& rows = fixed ? MainWindowFixedTexts() : MainWindowTexts();
            for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
                const TextRow& row = rows[static_cast<std::size_t>(i)];
                QTest::addRow("%s %s %d: %s #%d", language == 0 ? "zh" : "en",
                              fixed ? "fixed" : "table", i, row.control.c_str(), row.index)
                    << language << fixed << i;
            }
        }
    }
}

void LanguageTest::everyTextRow() {
    QFETCH(int, language);
    QFETCH(bool, fixed);
    QFETCH(int, row);
    MainWindow& form = m_windows[language]->mainWindow();
    const TextRow& text =
        (fixed ? MainWindowFixedTexts() : MainWindowTexts())[static_cast<std::size_t>(row)];
    QCOMPARE(QString::fromStdString(text.window), form.objectName());
    const QString expected = QString::fromStdString(language == 0 ? text.zh : text.en);
    const QString name = QString::fromStdString(text.control);

    QString shown;
    switch (text.property) {
        case TextProperty::kWindowTitle:
            QCOMPARE(name, form.objectName());
            shown = form.windowTitle();
            break;
        case TextProperty::kCaption: {
            QList<QObject*> named = form.findChildren<QObject*>(name);
            // The dialogs belong to the window too, and name their own controls alike.
            named.removeIf([](const QObject* control) {
                for (; control != nullptr; control = control->parent()) {
                    if (qobject_cast<const QDialog*>(control) != nullptr) {
                        return true;
                    }
                }
                return false;
            });
            QVERIFY2(named.size() == 1,
                     qPrintable(QString("%1 controls named %2").arg(named.size()).arg(name)));
            QObject* control = named.front();
            if (auto* menu = qobject_cast<QMenu*>(control)) {
                shown = menu->title();
            } else if (auto* action = qobject_cast<QAction*>(control)) {
                shown = action->text();
            } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
                shown = frame->title();
            } else if (auto* label = qobject_cast<QLabel*>(control)) {
                shown = label->text();
            } else if (auto* button = qobject_cast<QPushButton*>(control)) {
                shown = button->text();
            } else {
                QFAIL(qPrintable(name + " has no caption"));
            }
            break;
        }
        case TextProperty::kToolTip: {
            // Button 4 is the separator, 7 the power lock.
            const std::map<int, QString> keys = {
                {1, "new"}, {2, "open"}, {3, "save"}, {5, "read"}, {6, "write"}};
            QVERIFY(keys.contains(text.index));
            shown = Child<QAction>(form, "Toolbar1_" + keys.at(text.index)).toolTip();
            break;
        }
        case TextProperty::kTab: {
            const QTabBar& tabs = Child<QTabBar>(form, name);
            QCOMPARE(tabs.count(), 2);
            shown = tabs.tabText(text.index - 1);
            break;
        }
        case TextProperty::kHeading: {
            const QAbstractItemModel* model = Child<QTableView>(form, name).model();
            QVERIFY(text.index < model->columnCount());
            shown = model->headerData(text.index, Qt::Horizontal).toString();
            break;
        }
        case TextProperty::kItem: {
            const QComboBox& list = Child<QComboBox>(form, name);
            QVERIFY(text.index < list.count());
            shown = list.itemText(text.index);
            break;
        }
    }
    QCOMPARE(shown, expected);
}

void LanguageTest::noListItemLeftBlank_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("zh") << 0;
    QTest::newRow("en") << 1;
}

void LanguageTest::noListItemLeftBlank() {
    QFETCH(int, language);
    const QList<QComboBox*> lists = m_windows[language]->mainWindow().findChildren<QComboBox*>();
    QVERIFY(lists.size() >= 17);  // 12 settings, combochannel2, Combo8, four Combo5 members
    for (const QComboBox* list : lists) {
        QVERIFY2(list->count() > 0, qPrintable(list->objectName()));
        for (int i = 0; i < list->count(); ++i) {
            QVERIFY2(!list->itemText(i).isEmpty(),
                     qPrintable(QString("%1 item %2").arg(list->objectName()).arg(i)));
        }
    }
}

void LanguageTest::switchKeepsSelections_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");
    const auto row = [](const char* tag, const char* list, int position, const char* chinese,
                        const char* english) {
        QTest::newRow(tag) << QString(list) << position << QString(chinese) << QString(english);
    };
    row("squelch grade", "Combo4", 5, "5 级", "5 Grade");
    row("time-out", "Combo3", 2, "60 秒", "60 S");
    row("time-out last", "Combo3", 10, "300 秒", "300 S");
    row("PTT ID", "Combo2", 3, "两者", "Both");
    row("beep", "Combo6", 0, "关闭", "Off");
    row("priority channel", "Combo7", 15, "CH-16", "CH-16");
    row("voice control, On first", "Combo12", 1, "关闭", "Off");
    row("tail elimination", "Combo11", 3, "频率消尾音", "Frequency");
    row("voice level", "Combo13", 8, "9 级", "9 Grade");
    row("voice prompt", "Combo14", 2, "英文", "English");
}

void LanguageTest::switchKeepsSelections() {
    QFETCH(QString, list);
    QFETCH(int, position);
    QFETCH(QString, chinese);
    QFETCH(QString, english);
    Harness harness;
    MainWindow& form = harness.mainWindow();
    QComboBox& box = Child<QComboBox>(form, list);
    box.setCurrentIndex(position);

    form.ChooseEnglish();
    QCOMPARE(box.currentIndex(), position);
    QCOMPARE(box.currentText(), english);
    QCOMPARE(PanelPosition(form.editor().settings, list), position);

    form.ChooseChinese();
    QCOMPARE(box.currentIndex(), position);
    QCOMPARE(box.currentText(), chinese);
    QCOMPARE(PanelPosition(form.editor().settings, list), position);
}

void LanguageTest::switchRetextsMemoryGrid_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");
    const auto cell = [](const char* tag, int row, int column, const char* chinese,
                         const char* english) {
        QTest::newRow(tag) << row << column << QString(chinese) << QString(english);
    };
    cell("decode tone Off", 1, 2, "关闭", "Off");
    cell("encode tone stays", 1, 4, "67.0", "67.0");
    cell("busy lock", 1, 5, "载波", "Carrier");
    cell("bandwidth", 1, 6, "窄", "Narrow");
    cell("add scan", 1, 7, "是", "Yes");
    cell("TX power", 1, 8, "高", "High");
    cell("DCS tone stays", 2, 2, "D023N", "D023N");
    cell("encode tone Off", 2, 4, "关闭", "Off");
    cell("busy lock QT/DQT", 2, 5, "亚音", "QT/DQT");
    cell("frequency stays", 2, 1, "450.00000", "450.00000");
}

void LanguageTest::switchRetextsMemoryGrid() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, chinese);
    QFETCH(QString, english);
    Harness harness;
    MainWindow& form = harness.mainWindow();
    form.document().ApplyUnrecorded([](EditorState& editor) {
        SetMemoryChannel(editor, 1, "460.12500", "关闭", "460.12500", "67.0", 1, 1, 1, 1);
        SetMemoryChannel(editor, 2, "450.00000", "D023N", "450.00000", "关闭", 2, 0, 0, 0);
    });
    form.document().MarkSaved();  // as if opened

    form.ChooseEnglish();
    QCOMPARE(CellShown(form, "mfgrid1", row, column), english);
    form.ChooseChinese();
    QCOMPARE(CellShown(form, "mfgrid1", row, column), chinese);
}

void LanguageTest::unavailableSwitchDoesNothing_data() {
    QTest::addColumn<int>("flag");
    QTest::addColumn<bool>("toChinese");
    QTest::newRow("Chinese while Chinese") << 0 << true;
    QTest::newRow("English while English") << 1 << false;
    QTest::newRow("Chinese with flag 2") << 2 << true;
    QTest::newRow("English with flag 2") << 2 << false;
}

void LanguageTest::unavailableSwitchDoesNothing() {
    QFETCH(int, flag);
    QFETCH(bool, toChinese);
    Harness harness(Bytes({0, 0, flag}));
    MainWindow& form = harness.mainWindow();
    const QString title = form.windowTitle();
    // A caption changed behind the tables' back shows whether they ran again.
    Child<QGroupBox>(form, "Frame1").setTitle("untouched");

    if (toChinese) {
        form.ChooseChinese();
    } else {
        form.ChooseEnglish();
    }
    QCOMPARE(form.document().languageFlag(), flag);
    QCOMPARE(form.windowTitle(), title);
    QCOMPARE(Child<QGroupBox>(form, "Frame1").title(), QString("untouched"));
}

// ---------------------------------------------------------------------------------------------
// Menus and toolbar: which command each runs, and the fixed states of their items.
class CommandTest : public QObject {
    Q_OBJECT

private slots:
    void toolbarKeys_data();
    void toolbarKeys();
    void menuItems_data();
    void menuItems();
    void itemStates_data();
    void itemStates();
    void questionFollowsLanguage_data();
    void questionFollowsLanguage();
    void tabSwitching_data();
    void tabSwitching();
    void toolbarStaysPut_data();
    void toolbarStaysPut();
};

namespace {

const char* const kNewQuestion = "message 305 Warmming: All the channel's data will be cleared！";
const char* const kPortNotOpen =
    "message 64 M-742: Communication port not open, please first selection menu 'Com Port' to "
    "open its serial ports!";

}  // namespace

void CommandTest::toolbarKeys_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("new") << "new" << QStringList{kNewQuestion};
    QTest::newRow("open") << "open" << QStringList{"choose open"};
    QTest::newRow("save") << "save" << QStringList{"choose save"};
    QTest::newRow("read") << "read" << QStringList{kPortNotOpen};
    QTest::newRow("write") << "write" << QStringList{kPortNotOpen};
    QTest::newRow("upper case") << "NEW" << QStringList{};
    QTest::newRow("capitalised") << "Read" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("trailing blank") << "save " << QStringList{};
}

// Each toolbar button carries its key as data; only the exact key names a button, and its
// button runs the command, drawn from the program's own images.
void CommandTest::toolbarKeys() {
    QFETCH(QString, key);
    QFETCH(QStringList, events);
    Harness harness(EnglishPreferences());
    QAction* button = nullptr;
    for (QAction* action : Child<QToolBar>(harness.mainWindow(), "Toolbar1").actions()) {
        if (!action->isSeparator() && action->data().toString() == key) {
            button = action;
        }
    }
    QCOMPARE(button != nullptr, !events.isEmpty());
    if (button != nullptr) {
        QVERIFY(!button->icon().pixmap(24).isNull());
        button->trigger();
    }
    QCOMPARE(Events(harness), events);
}

void CommandTest::menuItems_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("mnuNew") << "mnuNew" << QStringList{kNewQuestion};
    QTest::newRow("mnuOpen") << "mnuOpen" << QStringList{"choose open"};
    QTest::newRow("mnuAssave") << "mnuAssave" << QStringList{"choose save"};
    QTest::newRow("mnureadFre") << "mnureadFre" << QStringList{kPortNotOpen};
    QTest::newRow("mnuwriteFre") << "mnuwriteFre" << QStringList{kPortNotOpen};
    QTest::newRow("Toolbar1 new") << "Toolbar1_new" << QStringList{kNewQuestion};
    QTest::newRow("Toolbar1 open") << "Toolbar1_open" << QStringList{"choose open"};
    QTest::newRow("Toolbar1 save") << "Toolbar1_save" << QStringList{"choose save"};
    QTest::newRow("Toolbar1 read") << "Toolbar1_read" << QStringList{kPortNotOpen};
    QTest::newRow("Toolbar1 write") << "Toolbar1_write" << QStringList{kPortNotOpen};
}

void CommandTest::menuItems() {
    QFETCH(QString, item);
    QFETCH(QStringList, events);
    Harness harness(EnglishPreferences());
    Child<QAction>(harness.mainWindow(), item).trigger();
    QCOMPARE(Events(harness), events);
}

void CommandTest::itemStates_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("visible");
    // Qt reports a hidden item as disabled; this is its state once something shows it.
    QTest::addColumn<bool>("enabledWhenShown");
    QTest::addColumn<bool>("checkable");
    QTest::newRow("read") << "mnureadFre" << QKeySequence("Ctrl+R") << true << true << false;
    QTest::newRow("write") << "mnuwriteFre" << QKeySequence("Ctrl+W") << true << true << false;
    QTest::newRow("help topics") << "mnumainhelp" << QKeySequence(Qt::Key_F1) << false << true
                                 << false;
    QTest::newRow("user's guide") << "mnuGuide" << QKeySequence(Qt::Key_F1) << true << true
                                  << false;
    QTest::newRow("test frequency") << "mnuFrequency" << QKeySequence() << false << false << false;
    QTest::newRow("power lock button")
        << "Toolbar1_PowerLock" << QKeySequence() << false << true << false;
    QTest::newRow("lock") << "mnulock" << QKeySequence() << true << true << true;
    for (int n = 1; n <= 8; ++n) {
        QTest::addRow("COM%d", n) << QString("mnucom%1").arg(n) << QKeySequence() << true << true
                                  << true;
    }
}

void CommandTest::itemStates() {
    QFETCH(QString, item);
    QFETCH(QKeySequence, shortcut);
    QFETCH(bool, visible);
    QFETCH(bool, enabledWhenShown);
    QFETCH(bool, checkable);
    Harness harness;
    QAction& action = Child<QAction>(harness.mainWindow(), item);
    QCOMPARE(action.shortcut(), shortcut);
    QCOMPARE(action.isVisible(), visible);
    QCOMPARE(action.isCheckable(), checkable);
    action.setVisible(true);
    QCOMPARE(action.isEnabled(), enabledWhenShown);
}

void CommandTest::questionFollowsLanguage_data() {
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* tag, int flag, const char* title, const char* text) {
        QTest::newRow(tag) << flag << QString(title) << QString(text);
    };
    row("Chinese", 0, "警告", "所有信道的数据将被清除！");
    row("English", 1, "Warmming", "All the channel's data will be cleared！");
    row("English, traditional buttons", 2, "Warmming", "All the channel's data will be cleared！");
}

void CommandTest::questionFollowsLanguage() {
    QFETCH(int, flag);
    QFETCH(QString, title);
    QFETCH(QString, text);
    Harness harness(Bytes({0, 0, flag}));
    harness.messages().Answer(kMessageCancel);
    harness.mainWindow().planFiles().NewPlan();
    QCOMPARE(harness.messages().all().size(), 1);
    const RecordedMessage& question = harness.messages().all().front();
    QCOMPARE(question.title, title);
    QCOMPARE(question.text, text);
    QCOMPARE(question.style, 305);
    QCOMPARE(question.captions, ButtonCaptionsOf({kMessageOk, kMessageCancel}, flag));
}

void CommandTest::tabSwitching_data() {
    QTest::addColumn<QList<int>>("tabs");
    QTest::addColumn<bool>("memoryShown");
    QTest::addColumn<bool>("debugShown");
    QTest::newRow("at start-up") << QList<int>{} << true << false;
    QTest::newRow("debug tab") << QList<int>{1} << false << true;
    QTest::newRow("back to the memory tab") << QList<int>{1, 0} << true << false;
    QTest::newRow("debug tab again") << QList<int>{1, 0, 1} << false << true;
}

void CommandTest::tabSwitching() {
    QFETCH(QList<int>, tabs);
    QFETCH(bool, memoryShown);
    QFETCH(bool, debugShown);
    Harness harness;
    MainWindow& form = harness.mainWindow();
    form.show();
    QTabBar& strip = Child<QTabBar>(form, "TabStrip1");
    for (const int tab : tabs) {
        strip.setCurrentIndex(tab);
    }
    QCOMPARE(Child<QTableView>(form, "mfgrid1").isVisible(), memoryShown);
    QCOMPARE(Child<QTableView>(form, "mfgrid2").isVisible(), debugShown);
    QCOMPARE(Child<QPushButton>(form, "Command1").isVisible(), debugShown);
}

void CommandTest::toolbarStaysPut_data() {
    QTest::addColumn<bool>("onMenuBar");  // where the right click lands
    QTest::newRow("toolbar") << false;
    QTest::newRow("menu bar") << true;
}

// Nothing offers to hide or move the toolbar, which carries the "PowerLock" button.
void CommandTest::toolbarStaysPut() {
    QFETCH(bool, onMenuBar);
    Harness harness;
    MainWindow& form = harness.mainWindow();
    form.show();
    QToolBar& toolbar = Child<QToolBar>(form, "Toolbar1");
    QWidget* area = onMenuBar ? static_cast<QWidget*>(form.menuBar()) : &toolbar;
    const QPoint at(area->width() - 4, area->height() / 2);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, area->mapToGlobal(at));
    QApplication::sendEvent(area, &rightClick);
    QWidget* popup = QApplication::activePopupWidget();
    if (popup != nullptr) {
        popup->close();
    }
    QCOMPARE(popup, nullptr);
    toolbar.toggleViewAction()->trigger();
    QVERIFY(toolbar.isVisible());
    QVERIFY(!toolbar.isMovable());
    QVERIFY(!toolbar.isFloatable());
}

// ---------------------------------------------------------------------------------------------
// The settings panel: defaults, the password and ANI entry rules, and the editor behind it.
class SettingsPanelTest : public QObject {
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void passwordTyping_data();
    void passwordTyping();
    void passwordPasting_data();
    void passwordPasting();
    void aniTyping_data();
    void aniTyping();
    void listPickReachesEditor_data();
    void listPickReachesEditor();
};

void SettingsPanelTest::defaults_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    const auto shows = [](const char* tag, const char* control, const char* text) {
        QTest::newRow(tag) << QString(control) << QString(text);
    };
    shows("band", "Combo1", "400-480MHz");
    shows("PTTID", "Combo2", "Start TX");
    shows("squelch grade", "Combo4", "5 Grade");
    shows("beep", "Combo6", "On");
    shows("Lauch Time", "Combo3", "60 S");
    shows("battery save", "Combo9", "On");
    shows("priority channel", "Combo7", "CH-1");
    shows("V_C switch", "Combo12", "On");
    shows("end beep", "Combo10", "Off");
    shows("Tail Delect", "Combo11", "120 Offset");
    shows("V_C level", "Combo13", "1 Grade");
    shows("voice prompt", "Combo14", "Off");
    shows("password", "Text2", "");
    shows("ANI", "Text3", "");
    shows("debug channel", "combochannel2", "1");
    shows("debug RX", "Txtrfre2", "460.10000");
    shows("debug TX", "Txtsfre2", "460.00000");
}

void SettingsPanelTest::defaults() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    if (auto* list = form.findChild<QComboBox*>(control)) {
        QCOMPARE(list->currentText(), text);
        if (control.startsWith("Combo")) {
            QCOMPARE(PanelPosition(form.editor().settings, control), list->currentIndex());
        }
    } else {
        QCOMPARE(Child<QLineEdit>(form, control).text(), text);
    }
}

void SettingsPanelTest::passwordTyping_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("typedAtStart");  // then, after Home
    QTest::addColumn<QString>("kept");
    const auto row = [](const char* tag, const char* typed, const char* typedAtStart,
                        const char* kept) {
        QTest::newRow(tag) << QString(typed) << QString(typedAtStart) << QString(kept);
    };
    row("digits and a point", "12.5", "", "12.5");
    row("a letter dropped", "1a2", "", "12");
    row("seventh refused", "1234567", "", "123456");
    row("seventh after a letter", "123x4567", "", "123456");
    row("backspace", "12\b3", "", "13");
    row("signs and blanks", "-+ ,5", "", "5");
    row("letters only", "abc", "", "");
    row("in front, room left", "12", "9a", "912");
    row("in front of a full box", "123456", "9", "123456");
}

void SettingsPanelTest::passwordTyping() {
    QFETCH(QString, typed);
    QFETCH(QString, typedAtStart);
    QFETCH(QString, kept);
    Harness harness;
    QLineEdit& box = Child<QLineEdit>(harness.mainWindow(), "Text2");
    QTest::keyClicks(&box, typed);
    if (!typedAtStart.isEmpty()) {
        QTest::keyClick(&box, Qt::Key_Home);
        QTest::keyClicks(&box, typedAtStart);
    }
    QCOMPARE(box.text(), kept);
    QCOMPARE(QString::fromStdString(harness.mainWindow().editor().password), kept);
}

void SettingsPanelTest::passwordPasting_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<bool>("byShortcut");
    QTest::addColumn<QString>("kept");
    const auto row = [](const char* tag, const char* typed, const char* pasted, bool byShortcut,
                        const char* kept) {
        QTest::newRow(tag) << QString(typed) << QString(pasted) << byShortcut << QString(kept);
    };
    row("Ctrl+V, letters inside", "", "12ab34567", true, "123456");
    row("paste(), letters inside", "", "12ab34567", false, "123456");
    row("after typed digits", "12", "3a4567", true, "123456");
    row("nothing usable", "9", "abc", true, "9");
    row("into a full box", "123456", "7", true, "123456");
}

void SettingsPanelTest::passwordPasting() {
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(bool, byShortcut);
    QFETCH(QString, kept);
    Harness harness;
    QLineEdit& box = Child<QLineEdit>(harness.mainWindow(), "Text2");
    QTest::keyClicks(&box, typed);
    QApplication::clipboard()->setText(pasted);
    if (byShortcut) {
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    } else {
        box.paste();
    }
    QCOMPARE(box.text(), kept);
    QCOMPARE(QString::fromStdString(harness.mainWindow().editor().password), kept);
}

void SettingsPanelTest::aniTyping_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("pastes");  // 0: typed key by key
    QTest::addColumn<QString>("kept");
    const auto row = [](const char* tag, const char* typed, int pastes, const char* kept) {
        QTest::newRow(tag) << QString(typed) << pastes << QString(kept);
    };
    row("a 1 * # d", "a1*#d", 0, "A1*#D");
    row("E e + blank", "Ee+ ", 0, "");
    row("a to d", "abcd", 0, "ABCD");
    // The radio keeps eight characters: the box keeps no more, typed or pasted.
    row("digits, up to eight", "0123456789", 0, "01234567");
    row("backspace", "12\b", 0, "1");
    row("mixed case beyond D", "AbCdEf", 0, "ABCD");
    row("pasted", "x9#a", 1, "9#A");
    row("pasted twice", "123456789", 2, "12345678");
    row("pasted into four", "x12#", 3, "12#12#12");
}

void SettingsPanelTest::aniTyping() {
    QFETCH(QString, typed);
    QFETCH(int, pastes);
    QFETCH(QString, kept);
    Harness harness;
    QLineEdit& box = Child<QLineEdit>(harness.mainWindow(), "Text3");
    QApplication::clipboard()->setText(typed);
    for (int i = 0; i < pastes; ++i) {
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    }
    if (pastes == 0) {
        QTest::keyClicks(&box, typed);
    }
    QCOMPARE(box.text(), kept);
    QCOMPARE(QString::fromStdString(harness.mainWindow().editor().ani), kept);
}

void SettingsPanelTest::listPickReachesEditor_data() {
    QTest::addColumn<QString>("list");
    for (const char* list : {"Combo2", "Combo3", "Combo4", "Combo6", "Combo7", "Combo9", "Combo10",
                             "Combo11", "Combo12", "Combo13", "Combo14"}) {
        QTest::newRow(list) << list;
    }
}

void SettingsPanelTest::listPickReachesEditor() {
    QFETCH(QString, list);
    Harness harness;
    MainWindow& form = harness.mainWindow();
    QComboBox& box = Child<QComboBox>(form, list);
    QTest::keyClick(&box, Qt::Key_End);
    QCOMPARE(box.currentIndex(), box.count() - 1);
    QCOMPARE(PanelPosition(form.editor().settings, list), box.count() - 1);
    QTest::keyClick(&box, Qt::Key_Home);
    QCOMPARE(PanelPosition(form.editor().settings, list), 0);
}

// ---------------------------------------------------------------------------------------------
// New, Open and Save.
class FileCommandTest : public QObject {
    Q_OBJECT

private slots:
    void newCancelled();
    void newConfirmed();
    void saveToNewFile();
    void saveOverExistingFile_data();
    void saveOverExistingFile();
    void saveRefusedFrequency_data();
    void saveRefusedFrequency();
    void openRestoresSavedPlan();
    void openRefusedFile_data();
    void openRefusedFile();
    void dialogCancelled_data();
    void dialogCancelled();
    void titleNamesThePlanFile_data();
    void titleNamesThePlanFile();
};

void FileCommandTest::newCancelled() {
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    FillEditor(form);
    const EditorState before = form.editor();
    const QString title = form.windowTitle();

    harness.messages().Answer(kMessageCancel);
    form.planFiles().NewPlan();
    QCOMPARE(harness.messages().all().size(), 1);
    QCOMPARE(harness.messages().all().front().style, 305);
    const QString difference = FirstDifference(before, form.editor());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QCOMPARE(form.windowTitle(), title);
}

void FileCommandTest::newConfirmed() {
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    FillEditor(form);
    QTest::keyClicks(&Child<QLineEdit>(form, "Text2"), "12");
    const EditorState before = form.editor();
    const QString title = form.windowTitle();

    form.planFiles().NewPlan();  // answered OK
    QCOMPARE(harness.messages().texts(),
             QStringList{QString("All the channel's data will be cleared！")});
    QCOMPARE(harness.messages().all().front().title, QString("Warmming"));

    EditorState expected = before;
    const EditorState fresh = StartupEditor();
    ClearMemoryChannels(expected);  // their lists keep their positions
    expected.debug = fresh.debug;
    expected.settings = fresh.settings;
    const QString difference = FirstDifference(expected, form.editor());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    // The views show the fresh plan; the password and ANI boxes keep their texts.
    QCOMPARE(CellShown(form, "mfgrid1", 1, 1), QString());
    QCOMPARE(CellShown(form, "mfgrid1", 16, 0), QString("16"));
    QCOMPARE(CellShown(form, "mfgrid2", 12, 2), QString());
    QCOMPARE(Child<QComboBox>(form, "Combo4").currentText(), QString("5 Grade"));
    QCOMPARE(Child<QLineEdit>(form, "Txtrfre2").text(), QString("460.10000"));
    QCOMPARE(Child<QLineEdit>(form, "Text2").text(), QString("12"));
    QCOMPARE(Child<QLineEdit>(form, "Text3").text(), QString("A1*#D"));
    QCOMPARE(form.windowTitle(), title);
}

void FileCommandTest::saveToNewFile() {
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    FillEditor(form);
    const QString path = harness.folder().filePath("plan.DAT");
    harness.chooser().answers = {path};

    form.planFiles().SavePlan();
    QCOMPARE(harness.chooser().calls, QList<bool>{true});
    QVERIFY(harness.messages().all().isEmpty());
    const QByteArray content = FileContent(path);
    QCOMPARE(content.size(), 1074);
    QCOMPARE(content.left(6), QByteArray("ZMR47C"));
    const auto image = EncodeImage(form.editor(), Lang::English);
    QVERIFY(image.ok());
    QCOMPARE(content.mid(50), QByteArray(reinterpret_cast<const char*>(image.value().data()),
                                         static_cast<qsizetype>(image.value().size())));
    QCOMPARE(form.windowTitle(), "M-742-" + QFileInfo(path).absoluteFilePath());
}

void FileCommandTest::saveOverExistingFile_data() {
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("namesGiven");  // how often the dialog returns the file's name
    QTest::addColumn<bool>("written");
    QTest::newRow("Yes") << QList<int>{kMessageYes} << 1 << true;
    QTest::newRow("No, then Cancel") << QList<int>{kMessageNo} << 1 << false;
    QTest::newRow("No, then Yes") << QList<int>{kMessageNo, kMessageYes} << 2 << true;
}

void FileCommandTest::saveOverExistingFile() {
    QFETCH(QList<int>, answers);
    QFETCH(int, namesGiven);
    QFETCH(bool, written);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    FillEditor(form);
    const QString title = form.windowTitle();
    const QString path = harness.folder().filePath("old.DAT");
    const QByteArray old(1074, '\x11');
    WriteFile(path, old);
    for (const int answer : answers) {
        harness.messages().Answer(answer);
    }
    for (int i = 0; i < namesGiven; ++i) {
        harness.chooser().answers.push_back(path);
    }

    form.planFiles().SavePlan();
    // A No shows the dialog again: then a name once more, or Cancel.
    QCOMPARE(harness.chooser().calls.size(), answers.contains(kMessageNo) ? 2 : 1);
    QCOMPARE(harness.messages().all().size(), namesGiven);
    for (const RecordedMessage& message : harness.messages().all()) {
        QCOMPARE(message.text, QString("This file already exists, whether to cover?"));
        QCOMPARE(message.style, 36);
        QCOMPARE(message.title, QString("M-742"));
    }
    const auto image = EncodeImage(form.editor(), Lang::English);
    QVERIFY(image.ok());
    const std::vector<std::uint8_t> saved = DataFileBytes(image.value());
    const QByteArray expected = written ? QByteArray(reinterpret_cast<const char*>(saved.data()),
                                                     static_cast<qsizetype>(saved.size()))
                                        : old;
    QCOMPARE(FileContent(path).left(1074), expected);
    QCOMPARE(form.windowTitle(), written ? "M-742-" + QFileInfo(path).absoluteFilePath() : title);
}

void FileCommandTest::saveRefusedFrequency_data() {
    QTest::addColumn<bool>("fileExists");
    QTest::newRow("new file") << false;
    QTest::newRow("existing file") << true;
}

void FileCommandTest::saveRefusedFrequency() {
    QFETCH(bool, fileExists);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    FillEditor(form);
    form.document().ApplyUnrecorded(
        [](EditorState& editor) { SetMemoryCellText(editor, 1, 1, "46.1"); });
    form.document().MarkSaved();  // as if opened
    const QString title = form.windowTitle();
    const QString path = harness.folder().filePath("plan.DAT");
    if (fileExists) {
        WriteFile(path, "old");
    }
    harness.chooser().answers = {path};

    form.planFiles().SavePlan();
    QCOMPARE(harness.messages().texts(),
             QStringList{QString("Frequency input is incorrect, please correct!")});
    QCOMPARE(harness.messages().all().front().style, 16);
    QCOMPARE(QFile::exists(path), fileExists);
    if (fileExists) {
        QCOMPARE(FileContent(path), QByteArray("old"));
    }
    QCOMPARE(form.windowTitle(), title);
}

void FileCommandTest::openRestoresSavedPlan() {
    Harness saver(EnglishPreferences());
    FillEditor(saver.mainWindow());
    QTest::keyClicks(&Child<QLineEdit>(saver.mainWindow(), "Text2"), "12");
    const QString path = saver.folder().filePath("plan.DAT");
    saver.chooser().answers = {path};
    saver.mainWindow().planFiles().SavePlan();
    QVERIFY(QFile::exists(path));

    Harness opener(EnglishPreferences());
    MainWindow& form = opener.mainWindow();
    opener.chooser().answers = {path};
    form.planFiles().OpenPlan();
    QCOMPARE(opener.chooser().calls, QList<bool>{false});
    QVERIFY(opener.messages().all().isEmpty());

    // Everything comes back but the password, which the file never gives back.
    EditorState expected = saver.mainWindow().editor();
    expected.password.clear();
    const QString difference = FirstDifference(expected, form.editor());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QCOMPARE(form.windowTitle(), "M-742-" + QFileInfo(path).absoluteFilePath());
    // The views show what was opened.
    QCOMPARE(CellShown(form, "mfgrid1", 1, 4), QString("D023N"));
    QCOMPARE(CellShown(form, "mfgrid1", 16, 5), QString("Carrier"));
    QCOMPARE(Child<QComboBox>(form, "Combo4").currentText(), QString("9 Grade"));
    QCOMPARE(Child<QComboBox>(form, "Combo12").currentIndex(), 1);
    QCOMPARE(Child<QLineEdit>(form, "Text3").text(), QString("A1*#D"));
    QCOMPARE(Child<QLineEdit>(form, "Text2").text(), QString());
    QCOMPARE(Child<QComboBox>(form, "combochannel2").currentText(), QString("1"));
    QCOMPARE(Child<QLineEdit>(form, "Txtrfre2").text(), QString("461.00000"));
}

void FileCommandTest::titleNamesThePlanFile_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("title");  // %1: the file's path
    QTest::newRow("to Chinese") << "Chinese"
                                << "M-742-%1";
    QTest::newRow("to Chinese and back") << "Chinese English"
                                         << "M-742-%1";
    QTest::newRow("New") << "New" << kEnglishTitle;
    QTest::newRow("New, then to Chinese") << "New Chinese" << kChineseTitle;
}

// The title names the file the plan came from, in either language, until New starts a plan
// that is no file's.
void FileCommandTest::titleNamesThePlanFile() {
    QFETCH(QString, command);
    QFETCH(QString, title);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    const QString path = harness.folder().filePath("plan.DAT");
    harness.chooser().answers = {path};
    form.planFiles().SavePlan();
    QTest::keyClicks(&Child<QLineEdit>(form, "Text3"), "1");  // changed since: "*"
    for (const QString& step : command.split(' ')) {
        if (step == "New") {
            harness.messages().Answer(kMessageNo);  // not saved; then the clearing confirmed
            form.planFiles().NewPlan();
        } else {
            step == "Chinese" ? form.ChooseChinese() : form.ChooseEnglish();
        }
    }
    if (title.contains("%1")) {
        title = title.arg(QFileInfo(path).absoluteFilePath());
    }
    QCOMPARE(form.windowTitle(), title + "*");
}

void FileCommandTest::openRefusedFile_data() {
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("size");
    QTest::newRow("missing") << false << 0;
    QTest::newRow("empty") << true << 0;
    QTest::newRow("header only") << true << 50;
    QTest::newRow("one byte short") << true << 1073;
}

void FileCommandTest::openRefusedFile() {
    QFETCH(bool, exists);
    QFETCH(int, size);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    FillEditor(form);
    const EditorState before = form.editor();
    const QString title = form.windowTitle();
    const QString path = harness.folder().filePath("short.DAT");
    if (exists) {
        WriteFile(path, QByteArray(size, '\0'));
    }
    harness.chooser().answers = {path};

    form.planFiles().OpenPlan();
    QCOMPARE(harness.messages().all().size(), 1);
    QVERIFY2(harness.messages().all().front().text.contains("short.DAT"),
             qPrintable(harness.messages().all().front().text));
    const QString difference = FirstDifference(before, form.editor());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QCOMPARE(form.windowTitle(), title);
    QCOMPARE(QFile::exists(path), exists);
}

void FileCommandTest::dialogCancelled_data() {
    QTest::addColumn<bool>("save");
    QTest::newRow("Open") << false;
    QTest::newRow("Save") << true;
}

void FileCommandTest::dialogCancelled() {
    QFETCH(bool, save);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    FillEditor(form);
    const EditorState before = form.editor();
    const QString title = form.windowTitle();

    if (save) {
        form.planFiles().SavePlan();
    } else {
        form.planFiles().OpenPlan();
    }
    QCOMPARE(harness.chooser().calls, QList<bool>{save});
    QVERIFY(harness.messages().all().isEmpty());
    const QString difference = FirstDifference(before, form.editor());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QCOMPARE(form.windowTitle(), title);
    QCOMPARE(QDir(harness.folder().filePath(".")).entryList(QDir::Files), QStringList{"parameter"});
}

namespace m742::test {

int RunMainWindowTests(int argc, char** argv, const QString& onlyClass) {
    StartupTest startup;
    LanguageTest language;
    CommandTest commands;
    SettingsPanelTest panel;
    FileCommandTest files;
    int status = 0;
    for (QObject* test :
         std::initializer_list<QObject*>{&startup, &language, &commands, &panel, &files}) {
        status |= RunTestClass(*test, argc, argv, onlyClass);
    }
    return status;
}

}  // namespace m742::test

#include "main_window_test.moc"
