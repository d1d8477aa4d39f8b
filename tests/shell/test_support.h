// What the main window tests share: a fresh preferences folder per test, a scripted message
// responder that records every message and answers from a queue, a scripted file chooser, and
// the window built over them. Nothing here ever waits for a person.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "radio_sim/radio_sim.h"
#include "shell/qt/dialog_controller.h"
#include "shell/qt/main_window.h"
#include "shell/qt/message_box.h"
#include "shell/qt/plan_file_controller.h"
#include "shell/qt/radio_controller.h"
#include "shell/qt/report_controller.h"

namespace m742::test {

// One message as the window asked for it.
struct RecordedMessage {
    QString text;
    QString title;
    int style = 0;
    QStringList captions;
};

// While it lives, every message box is answered here: from the queue, else with the first
// button. The previous responder comes back when it goes.
class ScriptedMessages {
public:
    ScriptedMessages();
    ~ScriptedMessages();
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    void Answer(int buttonId) { m_answers.push_back(buttonId); }
    const QList<RecordedMessage>& all() const { return m_messages; }
    QStringList texts() const;
    void clear() { m_messages.clear(); }

private:
    QList<RecordedMessage> m_messages;
    std::deque<int> m_answers;
    MessageResponder m_previous;
};

// The file dialogs: records whether each call was for saving and answers from the queue,
// else with the empty name (Cancel).
struct ScriptedChooser {
    QList<bool> calls;
    int pdfCalls = 0;  // the PDF file dialogs, which take their answers from the same queue
    std::deque<QString> answers;
};

// A folder of its own with the preferences file "parameter" in it.
class PreferencesFolder {
public:
    // No file at all, or a file holding `content`.
    explicit PreferencesFolder(std::optional<QByteArray> content = std::nullopt);

    std::filesystem::path path() const;
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    bool exists() const;
    QByteArray read() const;

private:
    QTemporaryDir m_dir;
};

// The main window over a fresh preferences folder, with scripted messages and file dialogs.
class Harness {
public:
    // `clock` times the power lock's gestures (seconds since midnight); empty: the real clock.
    // `helpFolder` is where F1 looks for the help file; empty: beside the program.
    // `desktopLocale` is the desktop's locale a first start takes its language from.
    explicit Harness(std::optional<QByteArray> preferences = std::nullopt,
                     PowerLock::Clock clock = {}, std::filesystem::path helpFolder = {},
                     std::string desktopLocale = "C");
    ~Harness();
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    MainWindow& mainWindow() { return *m_mainWindow; }
    ScriptedMessages& messages() { return m_messages; }
    ScriptedChooser& chooser() { return *m_chooser; }
    PreferencesFolder& folder() { return m_folder; }
    // Ends the window as the program does when it is closed or quits.
    void DestroyMainWindow() { m_mainWindow.reset(); }

private:
    PreferencesFolder m_folder;
    ScriptedMessages m_messages;
    std::shared_ptr<ScriptedChooser> m_chooser;
    std::unique_ptr<MainWindow> m_mainWindow;
};

// Preferences that start the window unlocked, with no port and in English.
QByteArray EnglishPreferences();

// The captions of the message box buttons `ids` in LanguageFlag `flag` (0 to 2), as a recorded
// message carries them.
QStringList ButtonCaptionsOf(const QList<int>& ids, int flag);

// The child of `root` with this objectName; a missing control is a broken window, so the
// run stops with its name.
template <typename T>
T& Child(const QObject& root, const QString& name) {
    T* child = root.findChild<T*>(name);
    if (child == nullptr) {
        qFatal("no control named %s", qPrintable(name));
    }
    return *child;
}

// The settings panel's list position that a list of the panel ("Combo2" ... "Combo14") edits.
std::int16_t PanelPosition(const RadioSettings& panel, const QString& list);

// The first difference between two editors, in words; empty when they are the same.
QString FirstDifference(const EditorState& expected, const EditorState& actual);

// A memory channel as a person enters it: cells 1-8 and the list positions of columns 5-8,
// the list cells texted in the editor's language.
void SetMemoryChannel(EditorState& editor, int row, const char* rx, const char* decodeTone,
                      const char* tx, const char* encodeTone, int busyLock, int bandwidth,
                      int addScan, int txPower);

// Receives the addresses the program asks the desktop to open (a URL handler for "http" or
// "file" set with QDesktopServices::setUrlHandler).
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

// The simulated radio as COM1 (through M742_COM1), answering at once.
std::unique_ptr<sim::RadioSim> StartRadio(sim::Options options);

// The image of a plan; the test stops when the plan does not encode.
RadioImage ImageOf(const EditorState& plan);

// Runs the event loop until `done` holds or `timeoutMs` have passed; true when it holds. The
// loop sleeps only while no event is pending, so an exchange with the simulated radio runs at its
// own pace (QTRY_* sleeps 10 ms between rounds of events, which is most of a read's time).
bool WaitUntil(const std::function<bool()>& done, int timeoutMs);

// Runs a QtTest class unless another one was asked for (`onlyClass` not empty), and counts it in
// TestClassesRun(), so that a name that matches no class fails instead of passing empty. Once
// ListTestClasses() has been called, it prints the class's name on a line of its own instead.
int RunTestClass(QObject& test, int argc, char** argv, const QString& onlyClass);
int TestClassesRun();
void ListTestClasses();

}  // namespace m742::test
