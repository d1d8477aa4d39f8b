// The main window's file commands: New, Open and Save.
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
#include "shell/qt/plan_file_controller.h"
#include "test_support.h"
#include "texts/language_tables.h"
#include "texts/store_refusal.h"

using namespace m742;
using namespace m742::test;

namespace {

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
    void saveToCurrentFileAndRecentFiles();
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

// The plan keeps the file it came from: Ctrl+S writes there without a dialog, the dialogs open
// in its folder with its name, and the File menu lists the files last opened or saved.
void FileCommandTest::saveToCurrentFileAndRecentFiles() {
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    PlanFileController& files = form.planFiles();
    auto& saveCurrent = Child<QAction>(form, "mnuSaveCurrent");
    QCOMPARE(saveCurrent.shortcut(), QKeySequence("Ctrl+S"));
    QVERIFY(!saveCurrent.isEnabled());  // the plan at start is no file's
    const QString first = QFileInfo(harness.folder().filePath("shop/A.DAT")).absoluteFilePath();
    QVERIFY(QDir().mkpath(QFileInfo(first).absolutePath()));
    const QString second = QFileInfo(harness.folder().filePath("B.DAT")).absoluteFilePath();
    for (const QString& path : {first, second}) {
        harness.chooser().answers = {path};
        files.SavePlan();
    }
    files.OpenFile(first);
    QVERIFY(saveCurrent.isEnabled());
    QCOMPARE(files.recentFiles(), (QStringList{first, second}));
    QCOMPARE(files.DataFileRequest(true).folder, QFileInfo(first).absolutePath());
    QCOMPARE(files.DataFileRequest(true).fileName, QString("A.DAT"));

    form.document().Apply({EditKind::kCell, 1, 1, {}}, [](EditorState& editor) {
        SetMemoryChannel(editor, 1, "460.12500", "67.0", "461.12500", "D023N", 2, 1, 1, 1);
    });
    const int dialogs = int(harness.chooser().calls.size());
    saveCurrent.trigger();
    QCOMPARE(int(harness.chooser().calls.size()), dialogs);  // no dialog
    QVERIFY(!form.document().isModified());
    EditorState reopened = StartupEditor();
    QVERIFY(OpenDataFile(first.toStdString(), reopened).ok());
    QCOMPARE(MemoryCellText(reopened, 1, 1, Lang::English), std::string("460.12500"));

    // A file gone is greyed in the menu, and one item takes such files off the list.
    QFile::remove(second);
    auto& recent = Child<QMenu>(form, "mnuRecent");
    emit recent.aboutToShow();
    QVERIFY(Child<QAction>(recent, "mnuRecent1").isEnabled());
    QVERIFY(!Child<QAction>(recent, "mnuRecent2").isEnabled());
    Child<QAction>(recent, "mnuRemoveMissing").trigger();
    QCOMPARE(files.recentFiles(), QStringList{first});

    files.NewPlan();
    QVERIFY(!saveCurrent.isEnabled());
}

namespace m742::test {

int RunMainWindowFileTests(int argc, char** argv, const QString& onlyClass) {
    FileCommandTest files;
    return RunTestClass(files, argc, argv, onlyClass);
}

}  // namespace m742::test

#include "main_window_file_test.moc"
