// "Compare with File…": the editor as Save would write it against a chosen data file, listed in
// a dialog in the interface language; a cell the encoder refuses or a file that is no data file
// is said so instead.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "channel_editing/channel_plan.h"
#include "radio_data/data_file.h"
#include "shell/qt/compare_dialog.h"
#include "test_support.h"

using namespace m742;
using namespace m742::test;

namespace {

EditorState Plan(const char* rx) {
    EditorState plan = StartupEditor();
    SetMemoryChannel(plan, 1, rx, "67.0", "461.12500", "D023N", 0, 0, 1, 1);
    return plan;
}

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QStringList RowTexts(const QTableWidget& list) {
    QStringList rows;
    for (int row = 0; row < list.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list.columnCount(); ++column) {
            if (const QTableWidgetItem* item = list.item(row, column)) {
                cells << item->text();
            }
        }
        rows << cells.join('|');
    }
    return rows;
}

}  // namespace

class CompareTest : public QObject {
    Q_OBJECT

private slots:
    void compare_data();
    void compare();
    void notCompared_data();
    void notCompared();
};

void CompareTest::compare_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("fileRx");  // channel 1's RX frequency in the file
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QStringList>("rows");  // empty: the list is hidden
    QTest::newRow("English") << 1 << "470.00000"
                             << "The editor and \"b.DAT\" differ in 2 places:"
                             << QStringList{"Memory Channel", "1|RX Frequency|460.12500|470.00000",
                                            "Other bytes", "|Address 3E0h|FF|00"};
    QTest::newRow("Chinese") << 0 << "470.00000"
                             << "编辑器与“b.DAT”有 2 处不同："
                             << QStringList{"记忆信道", "1|接收频率|460.12500|470.00000",
                                            "其他字节", "|地址 3E0h|FF|00"};
    QTest::newRow("equal") << 1 << "460.12500"
                           << "The editor holds the same plan as \"b.DAT\"." << QStringList{};
}

void CompareTest::compare() {
    QFETCH(int, language);
    QFETCH(QString, fileRx);
    QFETCH(QString, summary);
    QFETCH(QStringList, rows);
    Harness harness(QByteArray("\x00\x00", 2) + char(language));
    MainWindow& form = harness.mainWindow();
    const EditorState plan = Plan("460.12500");
    form.document().ApplyUnrecorded([&plan](EditorState& editor) { editor.memory = plan.memory; });
    std::vector<std::uint8_t> file = DataFileBytes(ImageOf(Plan(fileRx.toUtf8().constData())));
    if (!rows.isEmpty()) {
        file[kDataFileHeaderSize + 0x3E0] = 0;
    }
    const QString path = harness.folder().filePath("b.DAT");
    WriteFile(path, QByteArray(reinterpret_cast<const char*>(file.data()), qsizetype(file.size())));
    harness.chooser().answers = {path};

    const EditorState before = form.editor();
    bool shown = false;
    form.planFiles().showCompareDialog = [&](CompareDialog& dialog) {
        shown = true;
        QCOMPARE(Child<QLabel>(dialog, "lblSummary").text(), summary);
        QCOMPARE(dialog.list().isHidden(), rows.isEmpty());
        QCOMPARE(dialog.findChild<QLabel*>("lblOtherBytes") != nullptr, !rows.isEmpty());
        QCOMPARE(dialog.findChild<QPushButton*>("cmdCopy") != nullptr, !rows.isEmpty());
        if (!rows.isEmpty()) {
            QCOMPARE(RowTexts(dialog.list()), rows);
            QCOMPARE(dialog.copiedText(), rows.join('\n').replace('|', '\t') + '\n');
            dialog.list().selectRow(1);
            QCOMPARE(dialog.copiedText(), rows[1].split('|').join('\t') + '\n');
        }
    };
    form.planFiles().CompareWithFile();
    QVERIFY(shown);
    QVERIFY(harness.messages().all().isEmpty());
    QVERIFY(FirstDifference(before, form.editor()).isEmpty());  // the editor is left alone
    QCOMPARE(Child<QAction>(form, "mnuCompare").text(),
             language == 1 ? QString("Compare with File(&C)…") : QString("与文件比较(&C)…"));
}

void CompareTest::notCompared_data() {
    QTest::addColumn<QString>("rx");  // channel 1's RX cell in the editor
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("chooserCalls");
    QTest::newRow("refused cell") << "46.1"
                                  << "Frequency input is incorrect, please correct!" << 0;
    QTest::newRow("short file") << "460.12500"
                                << "short.DAT\" is not an M-742 data file: it looks like a "
                                   "text file."
                                << 1;
}

void CompareTest::notCompared() {
    QFETCH(QString, rx);
    QFETCH(QString, message);
    QFETCH(int, chooserCalls);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    const std::string cell = rx.toStdString();
    form.document().ApplyUnrecorded([&cell](EditorState& editor) {
        SetMemoryChannel(editor, 1, cell.c_str(), "Off", "460.12500", "Off", 0, 0, 1, 1);
    });
    const QString path = harness.folder().filePath("short.DAT");
    WriteFile(path, "old");
    harness.chooser().answers = {path};
    form.planFiles().showCompareDialog = [](CompareDialog&) { QFAIL("nothing to compare"); };
    form.planFiles().CompareWithFile();
    QCOMPARE(harness.messages().texts().size(), 1);
    QVERIFY2(harness.messages().texts().front().endsWith(message),
             qPrintable(harness.messages().texts().front()));
    QCOMPARE(harness.chooser().calls.size(), chooserCalls);
}

namespace m742::test {

int RunMainWindowCompareTests(int argc, char** argv, const QString& onlyClass) {
    CompareTest test;
    return RunTestClass(test, argc, argv, onlyClass);
}

}  // namespace m742::test

#include "main_window_compare_test.moc"
