#include "test_support.h"
#include "memory_rows.h"
#include "radio_data/layout.h"
#include "texts/grid_cells.h"
#include "texts/message_text.h"

#include <QEventLoop>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <map>

#include "message_captions.h"
#include "radio_data/codec.h"
#include "radio_data/lists.h"
#include "texts/store_refusal.h"

namespace m742::test {

ScriptedMessages::ScriptedMessages() {
    m_previous = SetMessageResponder([this](const MessageRequest& request) {
        m_messages.append({request.text, request.title, request.style, request.captions});
        if (m_answers.empty()) {
            return request.buttons.front();
        }
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    });
}

ScriptedMessages::~ScriptedMessages() {
    SetMessageResponder(std::move(m_previous));
}

QStringList ButtonCaptionsOf(const QList<int>& ids, int flag) {
    QStringList captions;
    for (const int id : ids) {
        const std::string_view caption = testing::ButtonCaption(id, flag);
        captions << QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    }
    return captions;
}

QStringList ScriptedMessages::texts() const {
    QStringList texts;
    for (const RecordedMessage& message : m_messages) {
        texts << message.text;
    }
    return texts;
}

PreferencesFolder::PreferencesFolder(std::optional<QByteArray> content) {
    if (!m_dir.isValid()) {
        qFatal("no temporary folder: %s", qPrintable(m_dir.errorString()));
    }
    if (content) {
        QFile file(m_dir.filePath("parameter"));
        if (!file.open(QIODevice::WriteOnly) || file.write(*content) != content->size()) {
            qFatal("cannot write %s", qPrintable(file.fileName()));
        }
    }
}

std::filesystem::path PreferencesFolder::path() const {
    return std::filesystem::path(m_dir.filePath("parameter").toStdString());
}

bool PreferencesFolder::exists() const {
    return QFile::exists(m_dir.filePath("parameter"));
}

QByteArray PreferencesFolder::read() const {
    QFile file(m_dir.filePath("parameter"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Harness::Harness(std::optional<QByteArray> preferences, PowerLock::Clock clock,
                 std::filesystem::path helpFolder, std::string desktopLocale)
    : m_folder(std::move(preferences)), m_chooser(std::make_shared<ScriptedChooser>()) {
    // The simulated radio answers at once: a tenth of the radio's intervals is still ample.
    constexpr ExchangeIntervals kQuickExchange{20, 60, 20};
    // Backups and the user's settings stay in the test's folder too.
    m_mainWindow = std::make_unique<MainWindow>(
        StartupOptions{m_folder.path(), std::move(clock), kQuickExchange, std::move(helpFolder),
                       m_folder.filePath("backups").toStdString(),
                       m_folder.filePath("settings.ini").toStdString(), std::move(desktopLocale)});
    m_mainWindow->reports().choosePdf = [chooser = m_chooser] {
        ++chooser->pdfCalls;
        if (chooser->answers.empty()) {
            return QString();
        }
        QString name = chooser->answers.front();
        chooser->answers.pop_front();
        return name;
    };
    m_mainWindow->planFiles().chooseFile = [chooser = m_chooser](bool save) {
        chooser->calls.append(save);
        if (chooser->answers.empty()) {
            return QString();
        }
        QString name = chooser->answers.front();
        chooser->answers.pop_front();
        return name;
    };
}

Harness::~Harness() {
    // The window writes its preferences as it goes, while the messages are still scripted.
    m_mainWindow.reset();
}

QByteArray EnglishPreferences() {
    return QByteArray("\x00\x00\x01", 3);
}

namespace {

using PanelMember = std::int16_t RadioSettings::*;

const std::map<QString, PanelMember>& PanelMembers() {
    static const std::map<QString, PanelMember> members = {
        {"Combo1", &RadioSettings::band},
        {"Combo2", &RadioSettings::pttId},
        {"Combo3", &RadioSettings::transmitTimeout},
        {"Combo4", &RadioSettings::squelchLevel},
        {"Combo6", &RadioSettings::beep},
        {"Combo7", &RadioSettings::priorityChannel},
        {"Combo9", &RadioSettings::batterySave},
        {"Combo10", &RadioSettings::endBeep},
        {"Combo11", &RadioSettings::tailElimination},
        {"Combo12", &RadioSettings::voiceSwitch},
        {"Combo13", &RadioSettings::voiceLevel},
        {"Combo14", &RadioSettings::voicePrompt},
    };
    return members;
}

QString Quoted(const std::string& text) {
    return '"' + QString::fromStdString(text) + '"';
}

}  // namespace

std::int16_t PanelPosition(const RadioSettings& panel, const QString& list) {
    const auto member = PanelMembers().find(list);
    if (member == PanelMembers().end()) {
        qFatal("%s is not a list of the settings panel", qPrintable(list));
    }
    return panel.*(member->second);
}

QString FirstDifference(const EditorState& expected, const EditorState& actual) {
    for (int row = 1; row <= kChannelCount; ++row) {
        for (int column = 0; column < kMemoryColumns; ++column) {
            if (MemoryCellText(expected, row, column, Lang::English) !=
                MemoryCellText(actual, row, column, Lang::English)) {
                return QString("mfgrid1 row %1 column %2 holds %3, expected %4")
                    .arg(row)
                    .arg(column)
                    .arg(Quoted(MemoryCellText(actual, row, column, Lang::English)),
                         Quoted(MemoryCellText(expected, row, column, Lang::English)));
            }
        }
        if (!(MemoryChannelOf(expected, row) == MemoryChannelOf(actual, row))) {
            return QString("memory channel %1 differs where the grid shows no difference").arg(row);
        }
        for (int column = 0; column < kDebugColumns; ++column) {
            if (DebugCellText(expected, row, column) != DebugCellText(actual, row, column)) {
                return QString("mfgrid2 row %1 column %2 holds %3, expected %4")
                    .arg(row)
                    .arg(column)
                    .arg(Quoted(DebugCellText(actual, row, column)),
                         Quoted(DebugCellText(expected, row, column)));
            }
        }
        if (!(DebugChannelOf(expected, row) == DebugChannelOf(actual, row))) {
            return QString("debug channel %1 differs where the grid shows no difference").arg(row);
        }
    }
    if (expected.password != actual.password) {
        return "the password holds " + Quoted(actual.password) + ", expected " +
               Quoted(expected.password);
    }
    if (expected.ani != actual.ani) {
        return "the ANI code holds " + Quoted(actual.ani) + ", expected " + Quoted(expected.ani);
    }
    for (const auto& [name, member] : PanelMembers()) {
        if (expected.settings.*member != actual.settings.*member) {
            return QString("%1 at %2, expected %3")
                .arg(name)
                .arg(actual.settings.*member)
                .arg(expected.settings.*member);
        }
    }
    if (!(expected.sideKeys == actual.sideKeys) || !(expected.dtmf == actual.dtmf) ||
        !(expected.powerLevels == actual.powerLevels)) {
        return "the dialog-held settings differ";
    }
    if (!(expected.dialogs.sideKeys == actual.dialogs.sideKeys) ||
        !(expected.dialogs.dtmf == actual.dialogs.dtmf) ||
        !(expected.dialogs.powerLevels == actual.dialogs.powerLevels)) {
        return "the dialogs' controls differ";
    }
    return {};
}

void SetMemoryChannel(EditorState& editor, int row, const char* rx, const char* decodeTone,
                      const char* tx, const char* encodeTone, int busyLock, int bandwidth,
                      int addScan, int txPower) {
    SetMemoryCellText(editor, row, kColumnRx, rx);
    SetMemoryCellText(editor, row, kColumnDecodeTone, decodeTone);
    SetMemoryCellText(editor, row, kColumnTx, tx);
    SetMemoryCellText(editor, row, kColumnEncodeTone, encodeTone);
    const int lists[] = {busyLock, bandwidth, addScan, txPower};
    for (int column = 5; column <= 8; ++column) {
        SetListPosition(MemoryChannelOf(editor, row), column,
                        static_cast<ListPosition>(lists[column - 5]));
    }
}

std::unique_ptr<sim::RadioSim> StartRadio(sim::Options options) {
    options.pacing = false;
    auto radio = std::make_unique<sim::RadioSim>(std::move(options));
    std::string error;
    const std::string device = radio->Start(&error);
    if (device.empty()) {
        qFatal("no pseudo-terminal: %s", error.c_str());
    }
    qputenv("M742_COM1", QByteArray::fromStdString(device));
    return radio;
}

RadioImage ImageOf(const EditorState& plan) {
    const auto image = EncodeImage(plan, Lang::English);
    if (!image.ok()) {
        qFatal("the test plan does not encode: %s",
               Worded(image.status().message, Lang::English).c_str());
    }
    return image.value();
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    if (done()) {
        return true;
    }
    QEventLoop loop;
    QTimer check;
    check.setInterval(1);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    check.start();
    loop.exec();
    return done();
}

namespace {
int classesRun = 0;
bool listingClasses = false;
}  // namespace

int RunTestClass(QObject& test, int argc, char** argv, const QString& onlyClass) {
    if (listingClasses) {
        std::printf("%s\n", test.metaObject()->className());
        return 0;
    }
    if (!onlyClass.isEmpty() && onlyClass != test.metaObject()->className()) {
        return 0;
    }
    ++classesRun;
    return QTest::qExec(&test, argc, argv);
}

int TestClassesRun() {
    return classesRun;
}

void ListTestClasses() {
    listingClasses = true;
}

}  // namespace m742::test
