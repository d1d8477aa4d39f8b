// The main window's menu and toolbar dispatch, the tab strip and the settings panel.
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
#include "main_window_fixtures.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "test_support.h"
#include "texts/language_tables.h"
#include "texts/store_refusal.h"

using namespace m742;
using namespace m742::test;

namespace {

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

}  // namespace

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

namespace m742::test {

int RunMainWindowCommandTests(int argc, char** argv, const QString& onlyClass) {
    CommandTest commands;
    SettingsPanelTest panel;
    return RunTestClass(commands, argc, argv, onlyClass) |
           RunTestClass(panel, argc, argv, onlyClass);
}

}  // namespace m742::test

#include "main_window_command_test.moc"
