// The main window without a radio: start-up and shutdown with the preferences file, and the
// language tables on the real controls.
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

const char* const kLockedControls[] = {"Frame1", "Frame2", "mfgrid1", "mfgrid2"};

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

namespace m742::test {

int RunMainWindowTests(int argc, char** argv, const QString& onlyClass) {
    StartupTest startup;
    LanguageTest language;
    return RunTestClass(startup, argc, argv, onlyClass) |
           RunTestClass(language, argc, argv, onlyClass);
}

}  // namespace m742::test

#include "main_window_test.moc"
