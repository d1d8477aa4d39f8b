// Undo and redo, and unsaved changes, as a person meets them: every kind of change is one step
// that Undo takes back and Redo does again, with every view following; the "*" in the title;
// the question before a command would lose changes.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QtTest>
#include <functional>
#include "radio_data/layout.h"
#include "texts/grid_cells.h"

#include "channel_editing/channel_plan.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "shell/qt/dialogs.h"
#include "test_support.h"
#include "texts/store_refusal.h"

using namespace m742;
using namespace m742::test;

namespace {

// A window on the screen with the keyboard, in English, holding channel 2 as if it was opened.
class EditingWindow {
public:
    EditingWindow() : m_harness(EnglishPreferences()) {
        mainWindow().resize(1400, 1000);
        mainWindow().show();
        if (!QTest::qWaitForWindowActive(&mainWindow())) {
            qFatal("the window never became active");
        }
        mainWindow().document().ApplyUnrecorded([](EditorState& editor) {
            SetMemoryChannel(editor, 2, "460.12500", "67.0", "461.12500", "D023N", 1, 1, 0, 0);
        });
        mainWindow().document().MarkSaved();
    }
    MainWindow& mainWindow() { return m_harness.mainWindow(); }
    Harness& harness() { return m_harness; }
    QAction& undo() { return Child<QAction>(mainWindow(), "mnuUndo"); }
    QAction& redo() { return Child<QAction>(mainWindow(), "mnuRedo"); }

    void Press(int row, int column) {
        auto& grid = Child<QTableView>(mainWindow(), "mfgrid1");
        const QPoint at = grid.visualRect(grid.model()->index(row - 1, column)).center();
        QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, at);
    }

private:
    Harness m_harness;
};

// What the views show differs from the editor: the first such place, in words.
QString ViewsDiffer(MainWindow& form) {
    const EditorState& editor = form.editor();
    for (const char* name : {"mfgrid1", "mfgrid2"}) {
        const QAbstractItemModel& model = *Child<QTableView>(form, name).model();
        for (int row = 0; row < model.rowCount(); ++row) {
            for (int column = 0; column < model.columnCount(); ++column) {
                const auto r = std::size_t(row + 1);
                const auto c = std::size_t(column);
                const std::string& cell = QString(name) == "mfgrid1"
                                              ? MemoryCellText(editor, r, c, Lang::English)
                                              : DebugCellText(editor, r, c);
                if (model.index(row, column).data().toString() != QString::fromStdString(cell)) {
                    return QString("%1 cell %2,%3").arg(name).arg(row + 1).arg(column);
                }
            }
        }
    }
    if (Child<QComboBox>(form, "Combo4").currentIndex() != editor.settings.squelchLevel) {
        return "Combo4";
    }
    if (Child<QLineEdit>(form, "Text2").text().toStdString() != editor.password) {
        return "Text2";
    }
    if (Child<QComboBox>(form.dialogs().sideKeyDialog(), "Combo1").currentIndex() !=
        editor.dialogs.sideKeys.pf1Short) {
        return "Form5.Combo1";
    }
    return {};
}

using Action = std::function<void(EditingWindow&)>;

}  // namespace

Q_DECLARE_METATYPE(Action)

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void nothingToUndoAtStart();
    void everyChangeIsOneStep_data();
    void everyChangeIsOneStep();
    void languageSwitchRewordsAndIsNoStep();
    void keysInAnOpenEditorStayWithIt();
    void unsavedChangesAsked_data();
    void unsavedChangesAsked();
    void changesNothingWouldLoseAskNothing();
    void saveAddsTheExtension();

private:
    QTemporaryDir m_dir;
};

void UndoTest::nothingToUndoAtStart() {
    EditingWindow window;
    QVERIFY(!window.undo().isEnabled());
    QVERIFY(!window.redo().isEnabled());
    QCOMPARE(window.undo().text(), QString("Undo"));
    QCOMPARE(window.undo().shortcut(), QKeySequence("Ctrl+Z"));
    QCOMPARE(window.redo().shortcuts(),
             (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
    QVERIFY(!window.mainWindow().windowTitle().endsWith('*'));
}

void UndoTest::everyChangeIsOneStep_data() {
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("step");
    const QString plan = m_dir.filePath("plan.DAT");
    EditorState other = StartupEditor();
    SetMemoryChannel(other, 5, "450.00000", "Off", "450.00000", "Off", 0, 0, 1, 1);
    other.settings.squelchLevel = 2;
    if (!WriteDataFile(plan.toStdString(), EncodeImage(other, Lang::English).value()).ok()) {
        qFatal("no plan file");
    }

    QTest::newRow("frequency typed") << Action([](EditingWindow& w) {
        w.Press(3, 1);
        QTest::keyClicks(&Child<QLineEdit>(w.mainWindow(), "Text1"), "460.0125");
        QTest::keyClick(&Child<QLineEdit>(w.mainWindow(), "Text1"), Qt::Key_Return);
    }) << "edit channel 3 RX Frequency";
    QTest::newRow("channel deleted") << Action([](EditingWindow& w) {
        w.Press(2, 1);
        auto& frequencyBox = Child<QLineEdit>(w.mainWindow(), "Text1");
        QTest::keyClick(&frequencyBox, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&frequencyBox, Qt::Key_Backspace);
        QTest::keyClick(&frequencyBox, Qt::Key_Return);
    }) << "delete channel 2";
    QTest::newRow("list picked") << Action([](EditingWindow& w) {
        w.Press(2, 8);
        auto& list = Child<QComboBox>(w.mainWindow(), "Combo5_8");
        QTest::keyClick(list.view(), Qt::Key_Down);
    }) << "edit channel 2 TX-Power";
    QTest::newRow("debug OK") << Action([](EditingWindow& w) {
        Child<QLineEdit>(w.mainWindow(), "Txtrfre2").setText("455");
        Child<QPushButton>(w.mainWindow(), "Command1").click();
        // The box keeps what was typed until another channel is chosen.
        QCOMPARE(Child<QLineEdit>(w.mainWindow(), "Txtrfre2").text(), QString("455"));
    }) << "edit debug channel 1";
    QTest::newRow("debug deleted") << Action([](EditingWindow& w) {
        Child<QTabBar>(w.mainWindow(), "TabStrip1").setCurrentIndex(1);
        auto& grid = Child<QTableView>(w.mainWindow(), "mfgrid2");
        const QPoint at = grid.visualRect(grid.model()->index(2, 1)).center();
        QTest::mousePress(grid.viewport(), Qt::RightButton, {}, at);
        auto& menu = Child<QMenu>(w.mainWindow(), "mnuchannel");
        menu.actions().front()->trigger();
        menu.hide();
    }) << "delete debug channel 3";
    QTest::newRow("panel list") << Action([](EditingWindow& w) {
        Child<QComboBox>(w.mainWindow(), "Combo4").setCurrentIndex(2);
    }) << "change Squelch Grade";
    QTest::newRow("password typed") << Action([](EditingWindow& w) {
        QTest::keyClicks(&Child<QLineEdit>(w.mainWindow(), "Text2"), "1234");
    }) << QString::fromUtf8("change 口令");
    QTest::newRow("side keys OK") << Action([](EditingWindow& w) {
        Child<QComboBox>(w.mainWindow().dialogs().sideKeyDialog(), "Combo1").setCurrentIndex(3);
        w.mainWindow().dialogs().sideKeyDialog().StoreSettings();
    }) << "change side keys";
    QTest::newRow("new") << Action([](EditingWindow& w) { w.mainWindow().planFiles().NewPlan(); })
                         << "new channel plan";
    QTest::newRow("open") << Action([plan](EditingWindow& w) {
        w.harness().chooser().answers.push_back(plan);
        w.mainWindow().planFiles().OpenPlan();
    }) << "open file";
}

void UndoTest::everyChangeIsOneStep() {
    QFETCH(Action, action);
    QFETCH(QString, step);
    EditingWindow window;
    const EditorState before = window.mainWindow().editor();

    action(window);
    const EditorState after = window.mainWindow().editor();
    QVERIFY2(!FirstDifference(before, after).isEmpty(), "the action changed nothing");
    QVERIFY2(ViewsDiffer(window.mainWindow()).isEmpty(),
             qPrintable(ViewsDiffer(window.mainWindow())));
    QCOMPARE(window.undo().text(), "Undo " + step);
    QVERIFY(window.undo().isEnabled());
    QVERIFY(!window.redo().isEnabled());
    const bool opened = step == "open file";  // what was opened counts as saved
    QCOMPARE(window.mainWindow().windowTitle().endsWith('*'), !opened);

    window.undo().trigger();
    QString difference = FirstDifference(before, window.mainWindow().editor());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QVERIFY2(ViewsDiffer(window.mainWindow()).isEmpty(),
             qPrintable(ViewsDiffer(window.mainWindow())));
    QVERIFY(!window.undo().isEnabled());  // one step, not one per key
    QCOMPARE(window.redo().text(), "Redo " + step);
    QCOMPARE(window.mainWindow().windowTitle().endsWith('*'), opened);

    window.redo().trigger();
    difference = FirstDifference(after, window.mainWindow().editor());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QVERIFY2(ViewsDiffer(window.mainWindow()).isEmpty(),
             qPrintable(ViewsDiffer(window.mainWindow())));
    QCOMPARE(window.mainWindow().windowTitle().endsWith('*'), !opened);
}

void UndoTest::languageSwitchRewordsAndIsNoStep() {
    EditingWindow window;
    window.Press(2, 5);  // busy lock of channel 2
    QTest::keyClick(Child<QComboBox>(window.mainWindow(), "Combo5_5").view(), Qt::Key_Down);
    QCOMPARE(MemoryCellText(window.mainWindow().editor(), 2, 5, window.mainWindow().language()),
             std::string("QT/DQT"));

    window.mainWindow().ChooseChinese();
    QCOMPARE(window.undo().text(), QString::fromUtf8("撤销 编辑信道 2 繁忙锁定"));
    QCOMPARE(MemoryCellText(window.mainWindow().editor(), 2, 5, window.mainWindow().language()),
             std::string("亚音"));
    window.undo().trigger();
    // Back to the list position it had, in the language shown now.
    QCOMPARE(ListPositionOf(MemoryChannelOf(window.mainWindow().editor(), 2), 5), std::int16_t(1));
    QCOMPARE(MemoryCellText(window.mainWindow().editor(), 2, 5, window.mainWindow().language()),
             std::string("载波"));
    QCOMPARE(window.redo().text(), QString::fromUtf8("恢复 编辑信道 2 繁忙锁定"));
    QVERIFY(!window.undo().isEnabled());
    QVERIFY(!window.mainWindow().windowTitle().endsWith('*'));
}

void UndoTest::keysInAnOpenEditorStayWithIt() {
    EditingWindow window;
    window.Press(3, 1);
    auto& frequencyBox = Child<QLineEdit>(window.mainWindow(), "Text1");
    QTest::keyClicks(&frequencyBox, "46");
    QTest::keyClick(&frequencyBox, Qt::Key_Z, Qt::ControlModifier);  // the box's own undo
    QCOMPARE(window.mainWindow().document().undoStack().index(), 0);
    QVERIFY(frequencyBox.isVisible());
    QVERIFY(frequencyBox.text() != "46");
}

void UndoTest::unsavedChangesAsked_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveChosen");  // a file is chosen when Yes asks where to save
    QTest::addColumn<bool>("goesOn");
    for (const char* command : {"new", "open", "read", "quit"}) {
        const QByteArray tag(command);
        const QString c = QString::fromLatin1(command);
        QTest::newRow(tag + " unchanged") << c << false << 0 << false << true;
        QTest::newRow(tag + " yes saved") << c << true << kMessageYes << true << true;
        QTest::newRow(tag + " yes not saved") << c << true << kMessageYes << false << false;
        QTest::newRow(tag + " no") << c << true << kMessageNo << false << true;
        QTest::newRow(tag + " cancel") << c << true << kMessageCancel << false << false;
    }
}

void UndoTest::unsavedChangesAsked() {
    QFETCH(QString, command);
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, saveChosen);
    QFETCH(bool, goesOn);
    EditingWindow window;
    MainWindow& form = window.mainWindow();
    ScriptedMessages& messages = window.harness().messages();
    const QString saved = m_dir.filePath(QString("saved-%1").arg(QTest::currentDataTag()));
    if (modified) {
        Child<QComboBox>(form, "Combo4").setCurrentIndex(3);
        messages.Answer(answer);
        if (saveChosen) {
            window.harness().chooser().answers.push_back(saved);
        }
    }
    messages.Answer(kMessageCancel);  // New's own question, when it comes
    const qsizetype choicesBefore = window.harness().chooser().calls.size();

    bool wentOn = false;
    if (command == "quit") {
        wentOn = form.close();
    } else if (command == "new") {
        form.planFiles().NewPlan();
        wentOn = messages.texts().contains("All the channel's data will be cleared！");
    } else if (command == "open") {
        form.planFiles().OpenPlan();
        wentOn = window.harness().chooser().calls.endsWith(false);
    } else {
        form.radio().ReadRadio();  // no port chosen: the read goes on to say so
        wentOn = !messages.all().isEmpty() && messages.all().back().style != kStyleYesNoCancel;
    }
    QCOMPARE(wentOn, goesOn);
    if (!modified) {
        QVERIFY(messages.all().isEmpty() || messages.all().front().style != kStyleYesNoCancel);
        return;
    }
    const RecordedMessage& question = messages.all().front();
    QCOMPARE(question.text, QString("Save the changes to the channel plan?"));
    QCOMPARE(question.style, 35);
    QCOMPARE(question.captions, ButtonCaptionsOf({kMessageYes, kMessageNo, kMessageCancel}, 1));
    QCOMPARE(QFileInfo::exists(saved + ".DAT"), saveChosen);
    QCOMPARE(window.harness().chooser().calls.size() - choicesBefore,
             qsizetype(answer == kMessageYes) + qsizetype(command == "open" && goesOn));
}

// New keeps the password and the dialogs' settings, Read the password; a change only there, or
// one the radio stores alike (an Off tone for none, a frequency as typed), loses nothing.
void UndoTest::changesNothingWouldLoseAskNothing() {
    const struct {
        const char* what;
        bool read;  // else New
        void (*edit)(EditorState&);
        bool asked;
    } cases[] = {
        {"new: the password", false, [](EditorState& e) { e.password = "12"; }, false},
        {"new: a side key", false, [](EditorState& e) { e.sideKeys.pf1Long = 3; }, false},
        {"new: an Off tone for none", false,
         [](EditorState& e) { e.memory[0].decodeTone = ToneOff{}; }, false},
        {"new: a frequency as typed", false,
         [](EditorState& e) { e.memory[1].rx = FrequencyAsTyped{"460.125"}; }, false},
        {"new: another tone", false, [](EditorState& e) { e.memory[1].decodeTone = ToneOff{}; },
         true},
        {"read: the password", true, [](EditorState& e) { e.password = "12"; }, false},
        {"read: an Off tone for none", true,
         [](EditorState& e) { e.memory[0].encodeTone = ToneOff{}; }, false},
        {"read: a side key", true, [](EditorState& e) { e.sideKeys.pf1Long = 3; }, true},
    };
    for (const auto& c : cases) {
        EditingWindow window;
        MainWindow& form = window.mainWindow();
        form.document().Apply({EditKind::kSetting, 0, 0, "Label5"}, c.edit);
        QVERIFY2(form.document().isModified(), c.what);
        ScriptedMessages& messages = window.harness().messages();
        messages.Answer(kMessageCancel);  // the question, else New's own warning
        c.read ? form.radio().ReadRadio() : form.planFiles().NewPlan();
        QVERIFY2(!messages.all().isEmpty(), c.what);
        QVERIFY2((messages.all().front().style == kStyleYesNoCancel) == c.asked, c.what);
    }
}

void UndoTest::saveAddsTheExtension() {
    EditingWindow window;
    QTest::keyClicks(&Child<QLineEdit>(window.mainWindow(), "Text2"), "12");
    QVERIFY(window.mainWindow().windowTitle().endsWith('*'));
    for (const char* name : {"typed", "typed.dat", "with.point.DAT"}) {
        window.harness().chooser().answers.push_back(m_dir.filePath(name));
        window.mainWindow().planFiles().SavePlan();
    }
    QVERIFY(QFileInfo::exists(m_dir.filePath("typed.DAT")));
    QVERIFY(QFileInfo::exists(m_dir.filePath("typed.dat")));
    QVERIFY(!QFileInfo::exists(m_dir.filePath("typed.dat.DAT")));
    QVERIFY(QFileInfo::exists(m_dir.filePath("with.point.DAT")));
    QVERIFY(!window.mainWindow().windowTitle().endsWith('*'));
    // Undoing past the save makes the plan differ again; redoing comes back to it.
    window.undo().trigger();
    QVERIFY(window.mainWindow().windowTitle().endsWith('*'));
    window.redo().trigger();
    QVERIFY(!window.mainWindow().windowTitle().endsWith('*'));
}

namespace m742::test {

int RunUndoTests(int argc, char** argv, const QString& onlyClass) {
    UndoTest undo;
    return RunTestClass(undo, argc, argv, onlyClass);
}

}  // namespace m742::test

#include "undo_test.moc"
