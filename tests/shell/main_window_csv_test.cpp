// File -> Import Channels as a person uses it: an import is one undo step that says what it
// skipped, in the interface language; a file that is no channel list changes nothing.
#include <QAction>
#include <QFile>
#include <QtTest>
#include "memory_rows.h"
#include "radio_data/layout.h"
#include "texts/grid_cells.h"

#include "test_support.h"
#include "texts/message_style.h"

using namespace m742;
using namespace m742::test;

namespace {

constexpr const char* kCsv =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
    "2,,462.500000,,0.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,NFM,5.00,,1.0W,,,,,\r\n"
    "17,,462.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,4.0W,,,,,\r\n";

class ChannelListTest : public QObject {
    Q_OBJECT

private slots:
    void importIsOneUndoStep_data();
    void importIsOneUndoStep();
    void noChannelListChangesNothing();
};

// Channels 2 and 5 in use, as if opened; the chooser answers `file`.
void Prepare(Harness& harness, const QString& file) {
    harness.mainWindow().document().ApplyUnrecorded([](EditorState& editor) {
        SetMemoryChannel(editor, 2, "450.00000", "67.0", "450.00000", "D023N", 1, 0, 1, 1);
        SetMemoryChannel(editor, 5, "470.00000", "88.5", "470.00000", "88.5", 0, 0, 1, 0);
    });
    harness.mainWindow().document().MarkSaved();
    harness.mainWindow().planFiles().chooseCsv = [file](bool) { return file; };
}

void Write(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

void ChannelListTest::importIsOneUndoStep_data() {
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("undoCaption");
    QTest::newRow("en") << 1
                        << "Imported 1 channel, skipped 1 row.\nRows skipped:\n"
                           "Line 3 (Location 17): Location must be 1 to 16"
                        << "Undo import channels";
    QTest::newRow("zh") << 0
                        << "已导入 1 个信道，跳过 1 行。\n跳过的行：\n"
                           "第 3 行（Location 17）：Location 只能是 1 到 16"
                        << "撤销 导入信道";
}

void ChannelListTest::importIsOneUndoStep() {
    QFETCH(int, flag);
    QFETCH(QString, report);
    QFETCH(QString, undoCaption);
    Harness harness(QByteArray("\x00\x00", 2) + char(flag));
    const QString file = harness.folder().filePath("plan.csv");
    Write(file, kCsv);
    Prepare(harness, file);
    MainWindow& form = harness.mainWindow();
    const EditorState before = form.editor();

    Child<QAction>(form, "mnuImportCsv").trigger();
    const auto& cells = MemoryRow(form.editor(), 2);
    QCOMPARE(QString::fromStdString(cells[kColumnRx]), QString("462.50000"));
    QCOMPARE(QString::fromStdString(cells[kColumnEncodeTone]), QString("100.0"));
    QCOMPARE(ListPositionOf(MemoryChannelOf(form.editor(), 2), kColumnBusyLock), 1);  // kept
    QCOMPARE(ListPositionOf(MemoryChannelOf(form.editor(), 2), kColumnTxPower), 0);
    QVERIFY(!ChannelInUse(form.editor(), 5));  // not in the file
    QCOMPARE(harness.messages().texts(), QStringList{report});
    QCOMPARE(harness.messages().all().front().style, int(kStyleWarning));
    QCOMPARE(Child<QAction>(form, "mnuUndo").text(), undoCaption);
    QVERIFY(form.document().isModified());

    const EditorState imported = form.editor();
    Child<QAction>(form, "mnuUndo").trigger();
    QCOMPARE(FirstDifference(before, form.editor()), QString());
    QVERIFY(!form.document().isModified());
    Child<QAction>(form, "mnuRedo").trigger();
    QCOMPARE(FirstDifference(imported, form.editor()), QString());
}

void ChannelListTest::noChannelListChangesNothing() {
    Harness harness(EnglishPreferences());
    const QString file = harness.folder().filePath("plan.DAT");
    Write(file, QByteArray("ZMR47C\xFF\xFF\xFF\xFFV0100", 15) + QByteArray(1059, '\xFF'));
    Prepare(harness, file);
    const EditorState before = harness.mainWindow().editor();
    Child<QAction>(harness.mainWindow(), "mnuImportCsv").trigger();
    QCOMPARE(harness.messages().texts(),
             QStringList{"\"plan.DAT\" is not a CHIRP CSV file: it has no header line with the "
                         "columns Location and Frequency."});
    QCOMPARE(FirstDifference(before, harness.mainWindow().editor()), QString());
    QVERIFY(!harness.mainWindow().document().undoStack().canUndo());
}

}  // namespace

namespace m742::test {

int RunChannelListTests(int argc, char** argv, const QString& onlyClass) {
    ChannelListTest channelLists;
    return RunTestClass(channelLists, argc, argv, onlyClass);
}

}  // namespace m742::test

#include "main_window_csv_test.moc"
