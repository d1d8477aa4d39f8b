// The main window (object name "Form1"): menus and toolbar (window_menus.h), the settings panel
// (settings_panel.h), the two channel grids (channel_area.h) and the status line
// (status_line.h). The editor state it owns is the only copy of the channel plan; every widget
// is a view of it. The commands on the plan's files are the plan-file controller's
// (plan_file_controller.h), those that talk to the radio the radio controller's
// (radio_controller.h); the window shows what they report.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "channel_editing/qt/editor_document.h"
#include "radio_data/editor_state.h"
#include "radio_link/exchange.h"
#include "radio_link/qt/exchange_timers.h"
#include "shell/power_lock.h"
#include "shell/qt/qt_translations.h"

class QSettings;

namespace m742 {

class ChannelArea;
class DialogController;
class PlanFileController;
class RadioController;
class ReportController;
class SettingsPanel;
class StatusLine;
class WindowLanguage;
class WindowMenus;

struct StartupOptions {
    // The preferences file. Empty: "parameter" in the program's folder when that is a build
    // folder, else ~/.config/m742/parameter ($XDG_CONFIG_HOME respected).
    std::filesystem::path preferences;
    // The time of day the power lock's gestures are timed by. Empty: the system clock.
    PowerLock::Clock clock;
    // The exchange's timer intervals: the radio's own unless a test shortens them.
    ExchangeIntervals exchangeIntervals;
    // Where F1 looks for the help file. Empty: the program's folder.
    std::filesystem::path helpFolder;
    // Where backups are kept. Empty: the user's data folder, where the command-line tool
    // keeps them too.
    std::filesystem::path backupFolder;
    // The user's settings file: the verify after a write, the window's size and place. Empty:
    // the user's own, in the configuration folder.
    std::filesystem::path settingsFile;
    // The desktop's locale, whose language a first start (no preferences file yet) takes.
    // None: the environment's (LC_ALL, LC_MESSAGES, LANG).
    std::optional<std::string> desktopLocale;
};

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(StartupOptions options = {});
    ~MainWindow() override;

    // New, Open, Save, the channel lists and Compare, and the question before changes are lost.
    PlanFileController& planFiles() const { return *m_planFiles; }
    // Read, write, verify, the backups and the port.
    RadioController& radio() const { return *m_radio; }
    // Print, the print preview and the PDF file.
    ReportController& reports() const { return *m_reports; }
    // The settings dialogs, About and the power lock.
    DialogController& dialogs() const { return *m_dialogs; }
    // The menu bar and the toolbar.
    WindowMenus& menus() const { return *m_menus; }
    // The band list, the password box and the radio-wide settings.
    SettingsPanel& settingsPanel() const { return *m_panel; }
    // The tab strip and the two channel grids.
    ChannelArea& channels() const { return *m_channels; }
    // What the radio is doing, its progress and the last exchange's outcome.
    StatusLine& statusLine() const { return *m_statusLine; }

    // The window's own commands, as the menus and the toolbar run them.
    void Quit();
    void ToggleEditingLock();
    // The editing lock as the Settings menu's "Lock" item sets it.
    void SetLocked(bool locked);
    void OpenHelp();
    void ChooseChinese();
    void ChooseEnglish();

    const EditorState& editor() const { return m_editor; }
    // The interface language, as the editor's owner holds it.
    Lang language() const { return m_document->language(); }
    // The editor's owner: every change goes through it, and the views follow its announcements.
    EditorDocument& document() { return *m_document; }
    const std::filesystem::path& backupFolder() const { return m_backupFolder; }
    QSettings& userSettings() const { return *m_settings; }
    // `text` in the interface language.
    QString Text(const Bilingual& text) const;
    // A message box over the window in the interface language.
    int ShowMessage(std::string_view text, int style, std::string_view title);
    int ShowMessage(const Message& message, int style, std::string_view title);

    // Off from an exchange's start until its end: the commands, the editing and the menus that
    // would cut the radio off.
    void SetCommandsEnabled(bool enabled);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void StartUp();
    void ShutDown();
    // Enables the settings, the grids, the debug panel and the Edit menu for the lock and a
    // running exchange.
    void UpdateEditing();

    std::filesystem::path m_preferences;
    std::filesystem::path m_helpFolder;
    std::filesystem::path m_backupFolder;
    std::string m_desktopLocale;
    QtTranslations m_qtTexts;     // Qt's own texts in the interface language
    EditorDocument* m_document;   // owns the editor and its undo steps
    const EditorState& m_editor;  // what the document holds, for reading
    bool m_shutDown = false;
    bool m_locked = false;           // the editing lock holds the settings and the grids
    bool m_exchangeRunning = false;  // from a read's or write's start until its commands return
    QPointer<QWidget> m_focusBeforeExchange;

    SettingsPanel* m_panel = nullptr;
    ChannelArea* m_channels = nullptr;
    StatusLine* m_statusLine = nullptr;

    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<WindowMenus> m_menus;
    std::unique_ptr<WindowLanguage> m_language;
    // Made before the menus and gone before the window's widgets: the radio controller last, as
    // it works with the other.
    std::unique_ptr<PlanFileController> m_planFiles;
    std::unique_ptr<ReportController> m_reports;
    std::unique_ptr<DialogController> m_dialogs;
    std::unique_ptr<RadioController> m_radio;
};

}  // namespace m742
