#include "test_support.h"

#include <QEventLoop>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <map>

#include "message_captions.h"
#include "radio_data/codec.h"
#include "radio_data/lists.h"

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
    m_form = std::make_unique<Form1>(
        StartupOptions{m_folder.path(), std::move(clock), kQuickExchange, std::move(helpFolder),
                       m_folder.filePath("backups").toStdString(),
                       m_folder.filePath("settings.ini").toStdString(), std::move(desktopLocale)});
    m_form->choosePdf = [chooser = m_chooser] {
        ++chooser->pdfCalls;
        if (chooser->answers.empty()) {
            return QString();
        }
        QString name = chooser->answers.front();
        chooser->answers.pop_front();
        return name;
    };
    m_form->chooseFile = [chooser = m_chooser](bool save) {
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
    m_form.reset();
}

QByteArray EnglishPreferences() {
    return QByteArray("\x00\x00\x01", 3);
}

namespace {

using PanelMember = std::int16_t SettingsPanel::*;

const std::map<QString, PanelMember>& PanelMembers() {
    static const std::map<QString, PanelMember> members = {
        {"Combo1", &SettingsPanel::Combo1},   {"Combo2", &SettingsPanel::Combo2},
        {"Combo3", &SettingsPanel::Combo3},   {"Combo4", &SettingsPanel::Combo4},
        {"Combo6", &SettingsPanel::Combo6},   {"Combo7", &SettingsPanel::Combo7},
        {"Combo9", &SettingsPanel::Combo9},   {"Combo10", &SettingsPanel::Combo10},
        {"Combo11", &SettingsPanel::Combo11}, {"Combo12", &SettingsPanel::Combo12},
        {"Combo13", &SettingsPanel::Combo13}, {"Combo14", &SettingsPanel::Combo14},
    };
    return members;
}

QString Quoted(const std::string& text) {
    return '"' + QString::fromStdString(text) + '"';
}

}  // namespace

std::int16_t PanelPosition(const SettingsPanel& panel, const QString& list) {
    const auto member = PanelMembers().find(list);
    if (member == PanelMembers().end()) {
        qFatal("%s is not a list of the settings panel", qPrintable(list));
    }
    return panel.*(member->second);
}

QString FirstDifference(const EditorState& expected, const EditorState& actual) {
    if (expected.LanguageFlag != actual.LanguageFlag) {
        return QString("LanguageFlag %1, expected %2")
            .arg(actual.LanguageFlag)
            .arg(expected.LanguageFlag);
    }
    for (std::size_t row = 0; row <= kChannelCount; ++row) {
        for (std::size_t column = 0; column < kMemoryColumns; ++column) {
            if (expected.mfgrid1[row][column] != actual.mfgrid1[row][column]) {
                return QString("mfgrid1 row %1 column %2 holds %3, expected %4")
                    .arg(row)
                    .arg(column)
                    .arg(Quoted(actual.mfgrid1[row][column]),
                         Quoted(expected.mfgrid1[row][column]));
            }
            if (expected.CellListIndex[row][column] != actual.CellListIndex[row][column]) {
                return QString("CellListIndex row %1 column %2 is %3, expected %4")
                    .arg(row)
                    .arg(column)
                    .arg(actual.CellListIndex[row][column])
                    .arg(expected.CellListIndex[row][column]);
            }
        }
        for (std::size_t column = 0; column < kDebugColumns; ++column) {
            if (expected.mfgrid2[row][column] != actual.mfgrid2[row][column]) {
                return QString("mfgrid2 row %1 column %2 holds %3, expected %4")
                    .arg(row)
                    .arg(column)
                    .arg(Quoted(actual.mfgrid2[row][column]),
                         Quoted(expected.mfgrid2[row][column]));
            }
        }
    }
    if (expected.Text2 != actual.Text2) {
        return "Text2 holds " + Quoted(actual.Text2) + ", expected " + Quoted(expected.Text2);
    }
    if (expected.Text3 != actual.Text3) {
        return "Text3 holds " + Quoted(actual.Text3) + ", expected " + Quoted(expected.Text3);
    }
    for (const auto& [name, member] : PanelMembers()) {
        if (expected.panel.*member != actual.panel.*member) {
            return QString("%1 at %2, expected %3")
                .arg(name)
                .arg(actual.panel.*member)
                .arg(expected.panel.*member);
        }
    }
    if (!(expected.globals == actual.globals)) {
        return "the dialog-held settings differ";
    }
    if (!(expected.Form5 == actual.Form5) || !(expected.Form2 == actual.Form2) ||
        !(expected.Form3 == actual.Form3)) {
        return "the dialogs' controls differ";
    }
    return {};
}

void SetMemoryChannel(EditorState& editor, int row, const char* rx, const char* decodeTone,
                      const char* tx, const char* encodeTone, int busyLock, int bandwidth,
                      int addScan, int txPower) {
    const Lang lang = LanguageOf(editor.LanguageFlag);
    auto& cells = editor.mfgrid1[static_cast<std::size_t>(row)];
    auto& positions = editor.CellListIndex[static_cast<std::size_t>(row)];
    cells[1] = rx;
    cells[2] = decodeTone;
    cells[3] = tx;
    cells[4] = encodeTone;
    const int lists[] = {busyLock, bandwidth, addScan, txPower};
    for (int column = 5; column <= 8; ++column) {
        const int position = lists[column - 5];
        positions[static_cast<std::size_t>(column)] = static_cast<std::int16_t>(position);
        cells[static_cast<std::size_t>(column)] = ListItem(GridColumnList(column), position, lang);
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
    const auto image = EncodeImage(plan);
    if (!image.ok()) {
        qFatal("the test plan does not encode: %s", image.status().message.c_str());
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
}

int RunTestClass(QObject& test, int argc, char** argv, const QString& onlyClass) {
    if (!onlyClass.isEmpty() && onlyClass != test.metaObject()->className()) {
        return 0;
    }
    ++classesRun;
    return QTest::qExec(&test, argc, argv);
}

int TestClassesRun() {
    return classesRun;
}

}  // namespace m742::test
