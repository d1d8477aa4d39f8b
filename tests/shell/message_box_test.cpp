// The message box: the decoded styles, the real QMessageBox answered by a timer (no responder,
// nothing waits for a person), and the responder that replaces the box.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <string>

#include "message_captions.h"
#include "shell/qt/message_box.h"

using m742::MessageRequest;

namespace {

bool HasOwnCaptions(int flag) {
    return flag >= 0 && flag <= 2;
}

// The captions a flag gives. Any other flag keeps Qt's own, which read as the English ones
// once their mnemonic is dropped.
QStringList Captions(const QList<int>& ids, int flag) {
    QStringList captions;
    for (const int id : ids) {
        const std::string_view caption =
            m742::testing::ButtonCaption(id, HasOwnCaptions(flag) ? flag : 1);
        captions << QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    }
    return captions;
}

// The words of the captions, without their access keys ("是(&Y)", "&Yes").
QStringList WithoutMnemonics(QStringList captions, int) {
    captions.replaceInStrings(QRegularExpression(QStringLiteral("\\(&.\\)$")), QString());
    return captions.replaceInStrings(QStringLiteral("&"), QString());
}

// What the modal box showed, read by a timer while ShowMessage waits, and the steps it then
// played on the box: "click N" (N-th button from the left), "Escape", "Return", "close", or
// "delete owner" (the owner window goes away while the box waits).
class BoxAnswerer {
public:
    struct Seen {
        bool found = false;
        QString title;
        QString text;
        QStringList captions;  // left to right
        QString defaultCaption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QWidget* parent = nullptr;
        bool forcedShut = false;  // the steps left the box open
    };

    explicit BoxAnswerer(QStringList steps) : m_steps(std::move(steps)) {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
    }
    const Seen& seen() const { return m_seen; }

private:
    void Poll() {
        QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            if (++m_polls > 500) {
                m_timer.stop();
            }
            return;
        }
        m_timer.stop();
        QList<QAbstractButton*> buttons = box->buttons();
        std::ranges::sort(buttons, {}, [](QAbstractButton* b) { return b->x(); });
        m_seen = {true, box->windowTitle(), box->text(), {}, {}, box->icon(), box->parentWidget()};
        for (QAbstractButton* button : buttons) {
            m_seen.captions << button->text();
        }
        if (box->defaultButton() != nullptr) {
            m_seen.defaultCaption = box->defaultButton()->text();
        }
        for (const QString& step : m_steps) {
            if (box.isNull() || !box->isVisible()) {
                break;
            }
            if (step.startsWith(QStringLiteral("click "))) {
                buttons.at(step.mid(6).toInt())->click();
            } else if (step == QStringLiteral("close")) {
                box->close();
            } else if (step.startsWith(QStringLiteral("Alt+"))) {
                // An access key works in the active window, as it does for a person.
                box->activateWindow();
                if (!QTest::qWaitForWindowActive(box)) {
                    break;
                }
                QTest::keyClick(box, step.back().toLatin1(), Qt::AltModifier);
                // The button shows itself pressed for a moment before it answers.
                static_cast<void>(
                    QTest::qWaitFor([&box] { return box.isNull() || !box->isVisible(); }, 2000));
            } else if (step == QStringLiteral("delete owner")) {
                delete box->parentWidget();
            } else {
                QTest::keyClick(box,
                                step == QStringLiteral("Escape") ? Qt::Key_Escape : Qt::Key_Return);
            }
        }
        if (box && box->isVisible()) {
            m_seen.forcedShut = true;
            box->done(0);
        }
    }

    QStringList m_steps;
    QTimer m_timer;
    int m_polls = 0;
    Seen m_seen;
};

bool AnyMessageBoxLeft() {
    const QWidgetList widgets = QApplication::topLevelWidgets();
    return std::ranges::any_of(widgets, [](QWidget* w) { return qobject_cast<QMessageBox*>(w); });
}

}  // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void describesStyles_data();
    void describesStyles();
    void showsAndAnswersRealBox_data();
    void showsAndAnswersRealBox();
    void eachMessageInARowGetsItsCaptions();
    void accessKeysAnswer_data();
    void accessKeysAnswer();
    void ownerGoingAwayDismissesTheBox();
    void responderAnswersInsteadOfBox();
};

void MessageBoxTest::describesStyles_data() {
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<int>>("buttons");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<int>("escapeButton");
    QTest::addColumn<int>("icon");

    struct Style {
        int style;
        QList<int> buttons;
        int defaultButton;
        int escapeButton;
        QMessageBox::Icon icon;
    };
    // The styles the program uses, in every language and beyond.
    const Style used[] = {{0, {1}, 1, 1, QMessageBox::NoIcon},
                          {16, {1}, 1, 1, QMessageBox::Critical},
                          {36, {6, 7}, 6, 7, QMessageBox::Question},
                          {64, {1}, 1, 1, QMessageBox::Information},
                          {305, {1, 2}, 2, 2, QMessageBox::Warning}};
    for (const Style& s : used) {
        for (const int flag : {0, 1, 2, 3, -1}) {
            const QString title = flag % 2 == 0 ? QString() : QStringLiteral("写频 Write");
            QTest::addRow("style %d flag %d", s.style, flag)
                << flag << s.style << title << s.buttons << s.defaultButton << s.escapeButton
                << int(s.icon);
        }
    }
    // The other button sets, default positions and stray bits.
    const Style others[] = {
        {3 + 512, {6, 7, 2}, 2, 2, QMessageBox::NoIcon},  // Cancel wins over No
        {1 + 512, {1, 2}, 1, 2, QMessageBox::NoIcon},     // no third button: the first
        {4 + 768, {6, 7}, 6, 7, QMessageBox::NoIcon},     // no fourth button: the first
        {48 + 1, {1, 2}, 1, 2, QMessageBox::Warning},
        {32 + 4096, {1}, 1, 1, QMessageBox::Question},  // modality bits change nothing
        {2, {1}, 1, 1, QMessageBox::NoIcon},            // an unknown set still answers
        {7, {1}, 1, 1, QMessageBox::NoIcon},
    };
    for (const Style& s : others) {
        QTest::addRow("style %d", s.style) << 1 << s.style << QStringLiteral("T") << s.buttons
                                           << s.defaultButton << s.escapeButton << int(s.icon);
    }
}

void MessageBoxTest::describesStyles() {
    QFETCH(int, flag);
    QFETCH(int, style);
    QFETCH(QString, title);
    QFETCH(QList<int>, buttons);
    QFETCH(int, defaultButton);
    QFETCH(int, escapeButton);
    QFETCH(int, icon);

    const MessageRequest request = m742::DescribeMessage(
        static_cast<std::int16_t>(flag), "频率超出范围", style, title.toStdString());
    QCOMPARE(request.text, QStringLiteral("频率超出范围"));
    QCOMPARE(request.title, title.isEmpty() ? QStringLiteral("M-742") : title);
    QCOMPARE(request.style, style);
    QCOMPARE(QList<int>(request.buttons.begin(), request.buttons.end()), buttons);
    QCOMPARE(WithoutMnemonics(request.captions, flag), Captions(buttons, flag));
    QCOMPARE(request.defaultButton, defaultButton);
    QCOMPARE(request.escapeButton, escapeButton);
    QCOMPARE(int(request.icon), icon);
}

void MessageBoxTest::showsAndAnswersRealBox_data() {
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("answer");

    const QString none;
    QTest::newRow("Yes/No, Chinese, first") << 0 << 36 << none << QStringList{"click 0"} << 6;
    QTest::newRow("Yes/No, English, second")
        << 1 << 36 << QStringLiteral("Band") << QStringList{"click 1"} << 7;
    QTest::newRow("Yes/No, Escape") << 1 << 36 << none << QStringList{"Escape"} << 7;
    QTest::newRow("Yes/No, close box") << 0 << 36 << none << QStringList{"close"} << 7;
    QTest::newRow("Yes/No, Return") << 1 << 36 << none << QStringList{"Return"} << 6;
    QTest::newRow("OK/Cancel 305, first") << 2 << 305 << none << QStringList{"click 0"} << 1;
    QTest::newRow("OK/Cancel 305, Return") << 1 << 305 << none << QStringList{"Return"} << 2;
    QTest::newRow("OK/Cancel, Escape") << 1 << 1 << none << QStringList{"Escape"} << 2;
    QTest::newRow("OK, stop icon, Escape") << 0 << 16 << none << QStringList{"Escape"} << 1;
    QTest::newRow("OK, information, close") << 1 << 64 << none << QStringList{"close"} << 1;
    QTest::newRow("Yes/No/Cancel, Escape") << 1 << 3 << none << QStringList{"Escape"} << 2;
    QTest::newRow("Qt captions, second") << 7 << 36 << none << QStringList{"click 1"} << 7;
}

void MessageBoxTest::showsAndAnswersRealBox() {
    QFETCH(int, flag);
    QFETCH(int, style);
    QFETCH(QString, title);
    QFETCH(QStringList, steps);
    QFETCH(int, answer);
    const auto lang = static_cast<std::int16_t>(flag);
    const MessageRequest expected = m742::DescribeMessage(lang, "", style, title.toStdString());

    QWidget owner;
    BoxAnswerer answerer(steps);
    const int got = m742::ShowMessage(&owner, lang, "口令不对！", style, title.toStdString());

    const BoxAnswerer::Seen& seen = answerer.seen();
    QVERIFY2(seen.found, "no modal message box appeared");
    QVERIFY2(!seen.forcedShut, "the steps did not answer the box");
    QCOMPARE(got, answer);
    QCOMPARE(seen.title, title.isEmpty() ? QStringLiteral("M-742") : title);
    QCOMPARE(seen.text, QStringLiteral("口令不对！"));
    QCOMPARE(seen.parent, &owner);
    QCOMPARE(seen.icon, expected.icon);
    const QList<int> ids(expected.buttons.begin(), expected.buttons.end());
    QCOMPARE(WithoutMnemonics(seen.captions, flag), Captions(ids, flag));
    const auto defaultAt = std::ranges::find(expected.buttons, expected.defaultButton);
    QCOMPARE(seen.defaultCaption, seen.captions.at(defaultAt - expected.buttons.begin()));
    QVERIFY(!AnyMessageBoxLeft());
}

void MessageBoxTest::eachMessageInARowGetsItsCaptions() {
    BoxAnswerer first({"click 1"});
    QCOMPARE(m742::ShowMessage(nullptr, 1, "Change band?", 36, ""), m742::kMessageNo);
    BoxAnswerer second({"click 0"});
    QCOMPARE(m742::ShowMessage(nullptr, 0, "新建？", 305, ""), m742::kMessageOk);
    BoxAnswerer third({"click 0"});
    QCOMPARE(m742::ShowMessage(nullptr, 2, "新建？", 305, ""), m742::kMessageOk);

    QCOMPARE(first.seen().captions, (QStringList{"&Yes", "&No"}));
    QCOMPARE(second.seen().captions, Captions({m742::kMessageOk, m742::kMessageCancel}, 0));
    QCOMPARE(second.seen().defaultCaption, second.seen().captions.back());
    QCOMPARE(third.seen().captions, Captions({m742::kMessageOk, m742::kMessageCancel}, 2));
}

void MessageBoxTest::accessKeysAnswer_data() {
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("answer");
    const QStringList chinese{"是(&Y)", "否(&N)", "取消"};
    const QStringList english{"&Yes", "&No", "&Cancel"};
    QTest::newRow("Chinese, Alt+N") << 0 << 35 << "Alt+N" << chinese << m742::kMessageNo;
    QTest::newRow("Chinese, Alt+Y") << 0 << 35 << "Alt+Y" << chinese << m742::kMessageYes;
    QTest::newRow("English, Alt+N") << 1 << 35 << "Alt+N" << english << m742::kMessageNo;
    QTest::newRow("English, Alt+C") << 1 << 35 << "Alt+C" << english << m742::kMessageCancel;
    QTest::newRow("traditional, Alt+Y")
        << 2 << 36 << "Alt+Y" << QStringList{"是(&Y)", "否(&N)"} << m742::kMessageYes;
    QTest::newRow("Chinese OK has none")
        << 0 << 1 << "Return" << QStringList{"确定", "取消"} << m742::kMessageOk;
}

// Every choice of a box can be made from the keyboard, in both languages, without the words
// changing.
void MessageBoxTest::accessKeysAnswer() {
    QFETCH(int, flag);
    QFETCH(int, style);
    QFETCH(QString, key);
    QFETCH(QStringList, captions);
    QFETCH(int, answer);
    BoxAnswerer answerer({key});
    QCOMPARE(m742::ShowMessage(nullptr, static_cast<std::int16_t>(flag), "?", style, ""), answer);
    QCOMPARE(answerer.seen().captions, captions);
    QVERIFY(!answerer.seen().forcedShut);
}

void MessageBoxTest::ownerGoingAwayDismissesTheBox() {
    QPointer<QWidget> owner = new QWidget;
    BoxAnswerer answerer({"delete owner"});
    QCOMPARE(m742::ShowMessage(owner, 1, "Change band?", 36, ""), m742::kMessageNo);
    QVERIFY(answerer.seen().found);
    QVERIFY(owner.isNull());
    QVERIFY(!AnyMessageBoxLeft());
}

void MessageBoxTest::responderAnswersInsteadOfBox() {
    std::vector<MessageRequest> asked;
    const auto recorder = [&asked](const MessageRequest& request) {
        asked.push_back(request);
        return m742::kMessageCancel;
    };
    QVERIFY(!m742::SetMessageResponder(recorder));

    {
        BoxAnswerer watcher({"click 0"});  // would answer a box, if one were shown
        QCOMPARE(m742::ShowMessage(nullptr, 1, "Port error", 1, ""), m742::kMessageCancel);
        QVERIFY(!watcher.seen().found);
        QVERIFY(!AnyMessageBoxLeft());
    }
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].title, QStringLiteral("M-742"));
    QCOMPARE(asked[0].captions, (QStringList{"OK", "Cancel"}));

    // A one-shot responder removes itself while answering; its captured state must survive
    // until it returns, and the next message shows a real box again.
    const auto previous =
        m742::SetMessageResponder([once = std::string(100, 'x')](const MessageRequest&) {
            m742::SetMessageResponder(nullptr);
            return static_cast<int>(once.size());
        });
    QVERIFY(previous);
    QCOMPARE(previous(asked[0]), m742::kMessageCancel);
    QCOMPARE(m742::ShowMessage(nullptr, 1, "", 0, ""), 100);
    BoxAnswerer real({"click 0"});
    QCOMPARE(m742::ShowMessage(nullptr, 1, "", 0, ""), m742::kMessageOk);
    QVERIFY(real.seen().found);
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    MessageBoxTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "message_box_test.moc"
