// Backups and the verify after a write, in the window against the simulated radio: a read
// keeps a copy, a write keeps what it sends, "Open backup" opens one, and the verify reads the
// radio back without touching the editor.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidget>
#include <QtTest>
#include <memory>
#include "radio_data/layout.h"
#include "texts/grid_cells.h"

#include "channel_editing/channel_plan.h"
#include "radio_data/backups.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "radio_sim/radio_sim.h"
#include "shell/qt/backup_dialog.h"
#include "test_support.h"

using namespace m742;
using namespace m742::test;

namespace {

constexpr int kExchangeTimeoutMs = 10000;

const char* const kCommunicationError =
    "Communication error, please check the intercom fault, attachment and serial choice!";

// Two channels; `rx` is the first one's RX frequency.
EditorState Plan(const char* rx = "460.12500") {
    EditorState plan = StartupEditor();
    SetMemoryChannel(plan, 1, rx, "67.0", "461.12500", "D023N", 2, 1, 1, 1);
    SetMemoryChannel(plan, 9, "445.00625", "Off", "445.00625", "Off", 0, 0, 0, 0);
    plan.ani = "123";
    return plan;
}

// The names of the backups kept, oldest first.
QStringList BackupNames(const MainWindow& form) {
    return QDir(QString::fromStdString(form.backupFolder().string()))
        .entryList({"M-742-*"}, QDir::Files, QDir::Name);
}

RadioImage ImageIn(const MainWindow& form, const QString& name) {
    return ReadDataFile(form.backupFolder() / name.toStdString()).value();
}

QString StatusText(MainWindow& form) {
    return Child<QLabel>(form, "Label20").text();
}

// A message the window shows after an exchange (a backup it could not keep, the verify's report)
// waits in the event queue until the exchange has ended: this delivers what waits there, so
// that a check after it sees every message there is.
void DeliverQueuedMessages() {
    QCoreApplication::processEvents();
}

void PutPlanInEditor(MainWindow& form, const EditorState& plan) {
    form.document().ApplyUnrecorded([&plan](EditorState& editor) {
        editor.memory = plan.memory;
        editor.ani = plan.ani;
    });
    form.document().MarkSaved();  // as if opened
}

}  // namespace

class BackupTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void readKeepsACopy();
    void writeKeepsWhatItSends();
    void copyThatCannotBeKept_data();
    void copyThatCannotBeKept();
    void openBackup_data();
    void openBackup();
    void openBackupWithNone();
    void verifyIsRememberedPerUser();
    void menuItemsFollowTheLanguage();
    void writeOfAPlanThatCannotBeStored();
};

void BackupTest::cleanup() {
    qunsetenv("M742_COM1");
}

// The verify after a write, and a write the radio stops part way: these wait out the pause
// before the read-back and the radio's silence, a second or two in all.
class VerifyTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { qunsetenv("M742_COM1"); }
    void verifyAfterWrite_data();
    void verifyAfterWrite();
    void writeStoppedPartWay();
};

void BackupTest::readKeepsACopy() {
    sim::Options options;
    options.memory = ImageOf(Plan());
    const auto radio = StartRadio(options);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    form.radio().ports().ChoosePort(1);
    form.radio().ReadRadio();
    QVERIFY(WaitUntil([&] { return form.radio().exchange().ended(); }, kExchangeTimeoutMs));
    QCOMPARE(form.radio().exchange().outcome(), ExchangeOutcome::kCompleted);
    const QStringList names = BackupNames(form);
    QCOMPARE(names.size(), 1);
    const auto parsed = ParseBackupName(names[0].toStdString());
    QVERIFY(parsed && parsed->kind == BackupKind::kRead);
    QVERIFY(ImageIn(form, names[0]) == radio->Memory());
    DeliverQueuedMessages();
    QVERIFY(harness.messages().all().isEmpty());
}

void BackupTest::writeKeepsWhatItSends() {
    const auto radio = StartRadio({});
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    PutPlanInEditor(form, Plan());
    form.radio().ports().ChoosePort(1);
    form.radio().WriteRadio();
    QVERIFY(WaitUntil([&] { return form.radio().exchange().ended(); }, kExchangeTimeoutMs));
    QCOMPARE(form.radio().exchange().outcome(), ExchangeOutcome::kCompleted);
    const QStringList names = BackupNames(form);
    QCOMPARE(names.size(), 1);
    QVERIFY2(names[0].endsWith("-write.DAT"), qPrintable(names[0]));
    QVERIFY(ImageIn(form, names[0]) == ImageOf(form.editor()));
    DeliverQueuedMessages();
    QVERIFY(harness.messages().all().isEmpty());
}

void BackupTest::copyThatCannotBeKept_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("warning");
    QTest::newRow("read") << false
                          << "The radio was read, but the backup copy could not be kept in";
    QTest::newRow("write") << true
                           << "The copy of the plan about to be written could not be kept in";
}

// The exchange goes on without its copy and says so afterwards, with the folder and the reason.
void BackupTest::copyThatCannotBeKept() {
    QFETCH(bool, write);
    QFETCH(QString, warning);
    sim::Options options;
    options.memory = ImageOf(Plan("470.00000"));
    const auto radio = StartRadio(options);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    QFile blocker(QString::fromStdString(form.backupFolder().string()));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    PutPlanInEditor(form, Plan());
    form.radio().ports().ChoosePort(1);
    write ? form.radio().WriteRadio() : form.radio().ReadRadio();
    QVERIFY(WaitUntil([&] { return !harness.messages().all().isEmpty(); }, kExchangeTimeoutMs));
    QCOMPARE(form.radio().exchange().outcome(), ExchangeOutcome::kCompleted);
    QCOMPARE(harness.messages().all().size(), 1);
    const RecordedMessage& shown = harness.messages().all().front();
    const QString folder = QString::fromStdString(form.backupFolder().string());
    QVERIFY2(shown.text.startsWith(warning + " \"" + folder + "\": "), qPrintable(shown.text));
    QCOMPARE(shown.style, 48);
    if (write) {
        QVERIFY(radio->Memory()[0x10] == ImageOf(Plan())[0x10]);
    } else {
        QCOMPARE(MemoryCellText(form.editor(), 1, 1, Lang::English), std::string("470.00000"));
    }
}

void BackupTest::openBackup_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<QString>("title");
    QTest::newRow("English") << 1 << QStringList{"before write", "read"} << "Open backup";
    QTest::newRow("Chinese") << 0 << QStringList{"写频前", "读频"} << "打开备份";
}

void BackupTest::openBackup() {
    QFETCH(int, language);
    QFETCH(QStringList, kinds);
    QFETCH(QString, title);
    Harness harness(QByteArray("\x00\x00", 2) + char(language));
    MainWindow& form = harness.mainWindow();
    const EditorState older = Plan();
    const EditorState newer = Plan("470.00000");
    QVERIFY(
        KeepBackup(form.backupFolder(), ImageOf(older), BackupKind::kRead, "20261201-101010").ok());
    QVERIFY(
        KeepBackup(form.backupFolder(), ImageOf(newer), BackupKind::kBeforeWrite, "20261202-111111")
            .ok());

    QStringList shownKinds;
    form.planFiles().showBackupDialog = [&](BackupDialog& dialog) {
        const QTreeWidget& list = dialog.list();
        [&] {
            QCOMPARE(dialog.windowTitle(), title);
            QCOMPARE(list.topLevelItemCount(), 2);
            QCOMPARE(list.topLevelItem(0)->text(0), QString("2026-12-02"));
            QCOMPARE(list.topLevelItem(0)->text(1), QString("11:11:11"));
            QCOMPARE(list.topLevelItem(0)->text(3), QString("470.00000, 445.00625"));
            QCOMPARE(list.topLevelItem(1)->text(0), QString("2026-12-01"));
            QVERIFY(list.topLevelItem(0)->isSelected());  // the newest, ready for OK
        }();
        shownKinds = {list.topLevelItem(0)->text(2), list.topLevelItem(1)->text(2)};
        dialog.list().setCurrentItem(list.topLevelItem(1));
        return true;
    };
    form.planFiles().OpenBackup();
    QCOMPARE(shownKinds, kinds);
    EditorState expected = form.editor();
    DecodeImage(ImageOf(older), expected);
    const QString difference = FirstDifference(expected, form.editor());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QVERIFY(form.windowTitle().endsWith("M-742-20261201-101010.DAT"));
    QVERIFY(harness.messages().all().isEmpty());

    // Cancel opens nothing.
    const EditorState before = form.editor();
    form.planFiles().showBackupDialog = [](BackupDialog&) { return false; };
    form.planFiles().OpenBackup();
    QVERIFY(FirstDifference(before, form.editor()).isEmpty());
}

void BackupTest::openBackupWithNone() {
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    bool shown = false;
    form.planFiles().showBackupDialog = [&](BackupDialog& dialog) {
        shown = true;
        [&] {
            QVERIFY(dialog.list().isHidden());
            QVERIFY(!Child<QLabel>(dialog, "lblNoBackups").isHidden());
            QCOMPARE(Child<QLabel>(dialog, "lblNoBackups").text(),
                     QString("There are no backups yet. Every read and every write keeps one."));
            QCOMPARE(
                Child<QLabel>(dialog, "lblBackupFolder").text(),
                "Backups are kept in: " + QString::fromStdString(form.backupFolder().string()));
            QVERIFY(!Child<QPushButton>(dialog, "cmdOK").isEnabled());
            QCOMPARE(Child<QPushButton>(dialog, "cmdCancel").text(), QString("Cancel"));
        }();
        return true;  // even an accepted dialog without a choice opens nothing
    };
    const EditorState before = form.editor();
    form.planFiles().OpenBackup();
    QVERIFY(shown);
    QVERIFY(FirstDifference(before, form.editor()).isEmpty());
    QVERIFY(harness.messages().all().isEmpty());
}

void VerifyTest::verifyAfterWrite_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("report");  // empty: no message
    QTest::newRow("a radio that keeps what it is sent") << ""
                                                        << "Write frequency success, verified!"
                                                        << "";
    QTest::newRow("a radio that changes a byte")
        << "corrupt-write@0x10"
        << "Verify found differences!"
        << "The radio read back differs from the plan written (1):\n\n"
           "Channel 1: RX Frequency 460.12500 in the plan, 460.12501 in the radio";
}

void VerifyTest::verifyAfterWrite() {
    QFETCH(QString, fault);
    QFETCH(QString, status);
    QFETCH(QString, report);
    sim::Options options;
    options.password = "12";  // the read-back passes the password check as any read does
    if (!fault.isEmpty()) {
        options.fault = *sim::ParseFault(fault.toStdString());
    }
    const auto radio = StartRadio(options);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    PutPlanInEditor(form, Plan());
    QTest::keyClicks(&Child<QLineEdit>(form, "Text2"), "12");
    Child<QAction>(form, "mnuVerify").trigger();
    QVERIFY(form.radio().VerifyAfterWrite());
    form.radio().ports().ChoosePort(1);
    const EditorState before = form.editor();

    form.radio().WriteRadio();
    QVERIFY(WaitUntil([&] { return radio->EndFrames() == 2; }, kExchangeTimeoutMs));
    QVERIFY(WaitUntil([&] { return StatusText(form) == status; }, kExchangeTimeoutMs));
    DeliverQueuedMessages();
    QCOMPARE(harness.messages().texts(), report.isEmpty() ? QStringList() : QStringList{report});
    const QString difference = FirstDifference(before, form.editor());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    // What was sent and what came back.
    const QStringList names = BackupNames(form);
    QCOMPARE(names.size(), 2);
    QVERIFY(names[0].endsWith("-write.DAT") != names[1].endsWith("-write.DAT"));
}

void BackupTest::verifyIsRememberedPerUser() {
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    QVERIFY(!form.radio().VerifyAfterWrite());
    QAction& verify = Child<QAction>(form, "mnuVerify");
    QVERIFY(verify.isCheckable());
    verify.trigger();
    const QString settings = harness.folder().filePath("settings.ini");
    QCOMPARE(QSettings(settings, QSettings::IniFormat).value("radio/verifyAfterWrite").toBool(),
             true);
    MainWindow again(StartupOptions{harness.folder().filePath("other").toStdString(),
                                    {},
                                    {},
                                    {},
                                    harness.folder().filePath("backups").toStdString(),
                                    settings.toStdString(),
                                    std::string("C")});
    QVERIFY(again.radio().VerifyAfterWrite());
    verify.trigger();
    QCOMPARE(QSettings(settings, QSettings::IniFormat).value("radio/verifyAfterWrite").toBool(),
             false);
    // The preferences file keeps its four bytes.
    harness.DestroyMainWindow();
    QCOMPARE(harness.folder().read().size(), 4);
}

void BackupTest::menuItemsFollowTheLanguage() {
    Harness harness(QByteArray("\x00\x00\x00", 3));
    MainWindow& form = harness.mainWindow();
    QCOMPARE(Child<QAction>(form, "mnuOpenBackup").text(), QString("打开备份(&B)…"));
    QCOMPARE(Child<QAction>(form, "mnuVerify").text(), QString("写后校验(&V)"));
    form.ChooseEnglish();
    QCOMPARE(Child<QAction>(form, "mnuOpenBackup").text(), QString("Open backup(&B)…"));
    QCOMPARE(Child<QAction>(form, "mnuVerify").text(), QString("Verify after write(&V)"));
}

void VerifyTest::writeStoppedPartWay() {
    sim::Options options;
    options.fault = *sim::ParseFault("bad-ack@0x100");
    const auto radio = StartRadio(options);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    PutPlanInEditor(form, Plan());
    form.radio().ports().ChoosePort(1);
    form.radio().WriteRadio();
    QVERIFY(WaitUntil([&] { return !harness.messages().all().isEmpty(); }, kExchangeTimeoutMs));
    QCOMPARE(harness.messages().texts(),
             QStringList{QString(kCommunicationError) +
                         "\n\nThe write did not finish: the radio may now hold a partly written "
                         "plan. Please write it again."});
}

// A plan the radio cannot hold: the write ends at the identification with its end frame, keeps
// no copy and sends no block; the encoder's message comes once the exchange has ended.
void BackupTest::writeOfAPlanThatCannotBeStored() {
    const auto radio = StartRadio({});
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    PutPlanInEditor(form, Plan("4x0.1"));
    form.radio().ports().ChoosePort(1);
    form.radio().WriteRadio();
    QVERIFY(WaitUntil([&] { return !harness.messages().all().isEmpty(); }, kExchangeTimeoutMs));
    QCOMPARE(harness.messages().texts(),
             QStringList{"Frequency input is incorrect, please correct!"});
    QCOMPARE(harness.messages().all().front().style, 16);
    QCOMPARE(form.radio().exchange().outcome(), ExchangeOutcome::kEncodeRefused);
    QVERIFY(form.radio().exchange().ended());
    QVERIFY(Child<QAction>(form, "mnuwriteFre").isEnabled());
    QVERIFY(WaitUntil([&] { return radio->EndFrames() == 1; }, kExchangeTimeoutMs));
    QVERIFY(radio->Memory() == BlankImage());
    QVERIFY(BackupNames(form).isEmpty());
}

namespace m742::test {

int RunMainWindowBackupTests(int argc, char** argv, const QString& onlyClass) {
    BackupTest backups;
    VerifyTest verify;
    return RunTestClass(backups, argc, argv, onlyClass) |
           RunTestClass(verify, argc, argv, onlyClass);
}

}  // namespace m742::test

#include "main_window_backup_test.moc"
