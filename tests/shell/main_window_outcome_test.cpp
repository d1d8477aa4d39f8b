// The main window against the simulated radio when an exchange has ended: the one message of a
// radio that never answers, and the outcome that stays in view; and the status line on its own.
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QtTest>

#include "main_window_fixtures.h"
#include "shell/qt/status_line.h"
#include "test_support.h"
#include "texts/window_texts.h"

using namespace m742;
using namespace m742::test;

// What an exchange leaves behind once it has ended: the one message of a radio that never
// answers, and the outcome that stays in view. These wait out the exchange's timeouts and the
// blinking status, a few seconds in all.
class RadioOutcomeTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { UnsetPorts(); }
    void silentRadio_data();
    void silentRadio();
    void outcomeStaysInView_data();
    void outcomeStaysInView();
};

void RadioOutcomeTest::silentRadio_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("maxMs");
    // The handshake goes twice, 10 handshake-repeat ticks apart; the watchdog fires 11 ticks
    // after the second (with the tests' quick timers, under a second in all).
    QTest::newRow("silent, read") << "silent" << false << 3000;
    // A line that never stops sending: 11 watchdog ticks after the last identify request.
    QTest::newRow("sending 16h, read") << "flood-16" << false << 3000;
    QTest::newRow("sending noise, write") << "flood-noise" << true << 3000;
}

void RadioOutcomeTest::silentRadio() {
    QFETCH(QString, fault);
    QFETCH(bool, write);
    QFETCH(int, maxMs);
    sim::Options options;
    options.fault = *sim::ParseFault(fault.toStdString());
    const auto radio = StartRadio(options);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    form.radio().ports().ChoosePort(1);
    const EditorState before = form.editor();

    QElapsedTimer clock;
    clock.start();
    write ? form.radio().WriteRadio() : form.radio().ReadRadio();
    QVERIFY(CommandsDisabled(form));
    QVERIFY(WaitUntil([&] { return !harness.messages().all().isEmpty(); }, kExchangeTimeoutMs));
    QVERIFY(clock.elapsed() < maxMs);
    QCOMPARE(harness.messages().all().size(), 1);
    const RecordedMessage& message = harness.messages().all().front();
    QCOMPARE(message.text, QString("Communication error, please check the intercom fault, "
                                   "attachment and serial choice!"));
    QCOMPARE(message.style, 16);
    QCOMPARE(message.title, QString("M-742"));
    QVERIFY(form.radio().exchange().ended());
    QCOMPARE(form.radio().exchange().outcome(), ExchangeOutcome::kCommunicationError);
    QVERIFY(CommandsEnabled(form));
    QVERIFY(Child<QLabel>(form, "Label20").isHidden());
    const QString difference = FirstDifference(before, form.editor());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));

    // One message for one exchange, however long the window goes on. Nothing marks the moment
    // a second one would come, so the window runs on for a while.
    QTest::qWait(500);
    QCOMPARE(harness.messages().all().size(), 1);
}

void RadioOutcomeTest::outcomeStaysInView_data() {
    QTest::addColumn<QString>("command");  // "read", "write", "write and verify"
    QTest::addColumn<QString>("fault");    // the radio's; empty: none
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");
    QTest::newRow("read") << "read"
                          << ""
                          << ""
                          << "Read frequency success!"
                          << "读频成功！";
    QTest::newRow("password refused") << "read"
                                      << ""
                                      << "123"
                                      << "The password is invalid!"
                                      << "口令不对！";
    QTest::newRow("silent radio") << "read"
                                  << "silent"
                                  << ""
                                  << "Read failed: communication error"
                                  << "读频失败：通信出错";
    QTest::newRow("write") << "write"
                           << ""
                           << ""
                           << "Write frequency success!"
                           << "写频成功！";
    QTest::newRow("write and verify") << "write and verify"
                                      << ""
                                      << ""
                                      << "Write frequency success, verified!"
                                      << "写频成功，校验无误！";
}

// The outcome of a read, a write or a verify stays in view with its time once the blinking
// status has gone, until the next command, and follows the interface language.
void RadioOutcomeTest::outcomeStaysInView() {
    QFETCH(QString, command);
    QFETCH(QString, fault);
    QFETCH(QString, password);
    QFETCH(QString, english);
    QFETCH(QString, chinese);
    sim::Options options;
    options.memory = PlanImage();
    if (!fault.isEmpty()) {
        options.fault = *sim::ParseFault(fault.toStdString());
    }
    if (!password.isEmpty()) {
        options.password = password.toStdString();
    }
    const auto radio = StartRadio(options);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    form.radio().SetVerifyAfterWrite(command == "write and verify");
    form.radio().ports().ChoosePort(1);
    const QLabel& outcome = Child<QLabel>(form, "statusOutcome");

    command == "read" ? form.radio().ReadRadio() : form.radio().WriteRadio();
    QVERIFY(outcome.isHidden());
    QVERIFY(WaitUntil([&] { return outcome.text().endsWith(english); }, kExchangeTimeoutMs));
    QVERIFY(WaitUntil([&] { return CommandsEnabled(form) && form.radio().exchange().ended(); },
                      kExchangeTimeoutMs));
    QVERIFY(Child<QLabel>(form, "Label20").isHidden());
    QVERIFY(!outcome.isHidden());
    QVERIFY2(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d  ").match(outcome.text()).hasMatch(),
             qPrintable(outcome.text()));
    // It does not blink away: nothing marks the moment it would, so the window runs on for a
    // while.
    QTest::qWait(300);
    QVERIFY(!outcome.isHidden());
    form.ChooseChinese();
    QVERIFY2(outcome.text().endsWith(chinese), qPrintable(outcome.text()));

    harness.messages().clear();
    form.radio().ReadRadio();  // the next command
    QVERIFY(outcome.isHidden());
    QVERIFY(WaitUntil([&] { return form.radio().exchange().ended(); }, kExchangeTimeoutMs));
}

// The status line without a window: the outcome takes the progress bar's place only while the
// bar is hidden, and is worded anew when the language changes.
class StatusLineTest : public QObject {
    Q_OBJECT

private slots:
    void outcomeInTheProgressPlace_data();
    void outcomeInTheProgressPlace();
};

void StatusLineTest::outcomeInTheProgressPlace_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("progressShown");
    QTest::addColumn<bool>("outcomeShown");
    QTest::newRow("nothing yet") << QStringList{} << false << false;
    QTest::newRow("an outcome") << QStringList{"outcome"} << false << true;
    QTest::newRow("a transfer after it") << QStringList{"outcome", "progress"} << true << false;
    QTest::newRow("the transfer over")
        << QStringList{"outcome", "progress", "no progress"} << false << true;
    QTest::newRow("an outcome while a transfer runs")
        << QStringList{"progress", "outcome"} << true << false;
    QTest::newRow("no outcome after a transfer")
        << QStringList{"progress", "no outcome", "no progress"} << false << false;
}

void StatusLineTest::outcomeInTheProgressPlace() {
    QFETCH(QStringList, steps);
    QFETCH(bool, progressShown);
    QFETCH(bool, outcomeShown);
    EditorDocument document;
    document.SetLanguageFlag(1);
    QWidget window;
    StatusLine line(document, &window);
    for (const QString& step : steps) {
        if (step.endsWith("progress")) {
            line.SetProgressVisible(step == "progress");
        } else {
            line.ShowOutcome(step == "outcome" ? &kReadDone : nullptr);
        }
    }
    QCOMPARE(!Child<QProgressBar>(window, "ProgressBar1").isHidden(), progressShown);
    auto& outcome = Child<QLabel>(window, "statusOutcome");
    QCOMPARE(!outcome.isHidden(), outcomeShown);
    if (!steps.contains("outcome")) {
        QVERIFY(outcome.text().isEmpty());
        return;
    }
    const QRegularExpression timed("^\\d\\d:\\d\\d:\\d\\d  Read frequency success!$");
    QVERIFY2(timed.match(outcome.text()).hasMatch(), qPrintable(outcome.text()));
    const QString time = outcome.text().left(8);
    document.SetLanguageFlag(0);
    line.RewordOutcome();
    QCOMPARE(outcome.text(), time + "  " + QString::fromUtf8(kReadDone.in(Lang::Chinese).data()));
}

namespace m742::test {

int RunMainWindowOutcomeTests(int argc, char** argv, const QString& onlyClass) {
    RadioOutcomeTest outcomes;
    StatusLineTest statusLine;
    return RunTestClass(outcomes, argc, argv, onlyClass) |
           RunTestClass(statusLine, argc, argv, onlyClass);
}

}  // namespace m742::test

#include "main_window_outcome_test.moc"
