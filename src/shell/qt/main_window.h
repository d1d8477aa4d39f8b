// The main window (object name "Form1"): menus, toolbar, settings panel, the two channel grids
// and the status line. The editor state it owns is the only copy of the channel plan; every
// widget is a view of it. The commands on the plan's files are the plan-file controller's
// (plan_file_controller.h), those that talk to the radio the radio controller's
// (radio_controller.h); the window builds their menu items and shows what they report.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QTime>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "channel_editing/frequency_entry.h"
#include "channel_editing/qt/editor_document.h"
#include "radio_data/editor_state.h"
#include "radio_link/exchange.h"
#include "radio_link/qt/exchange_timers.h"
#include "shell/power_lock.h"
#include "shell/qt/qt_translations.h"

class QAction;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QSettings;
class QTabBar;
class QToolBar;

namespace m742 {

class AboutDialog;
class DebugGridView;
class DialogController;
class DtmfDialog;
class MemoryGridView;
class PlanFileController;
class PowerDialog;
class RadioController;
class ReportController;
class SettingsPanel;
class SideKeyDialog;

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

    // The window's own commands, as the menus and the toolbar run them.
    void Quit();
    void ToggleEditingLock();
    void OpenHelp();
    void ChooseChinese();
    void ChooseEnglish();
    // Shows the grid of the selected tab, the memory or the debug channels.
    void ShowSelectedTab();

    // Writes every caption, tooltip, heading and list text in the interface language.
    void ApplyLanguage();

    const EditorState& editor() const { return m_editor; }
    // The interface language, as the editor's owner holds it (flag 0 Chinese, 1 English).
    std::int16_t languageFlag() const { return m_document->languageFlag(); }
    Lang language() const { return m_document->language(); }
    // The editor's owner: every change goes through it, and the views follow its announcements.
    EditorDocument& document() { return *m_document; }
    const std::filesystem::path& preferencesPath() const { return m_preferences; }
    const std::filesystem::path& backupFolder() const { return m_backupFolder; }
    // The settings dialogs, About and the power lock.
    DialogController& dialogs() const { return *m_dialogs; }

    // What the controllers work with.
    // The memory channels' tab is the one shown (else the debug channels').
    bool memoryTabSelected() const;
    MemoryGridView& memoryGrid() const { return *m_memoryGrid; }
    DebugGridView& debugGrid() const { return *m_debugGrid; }
    // The band list, the password box and the radio-wide settings.
    SettingsPanel& settingsPanel() const { return *m_panel; }
    QSettings& userSettings() const { return *m_settings; }
    // The "Com Port" menu's items by number 1-8, and "Verify after write".
    const std::map<int, QAction*>& comItems() const { return m_comActions; }
    QAction& verifyItem() const { return *m_verify; }
    // `text` in the interface language.
    QString Text(const Bilingual& text) const;
    // A message box over the window in the interface language.
    int ShowMessage(std::string_view text, int style, std::string_view title);
    int ShowMessage(const Message& message, int style, std::string_view title);

    // The status line and the commands while the radio talks.
    void HideFrequencyEditor();
    void SetStatusText(std::string_view caption);
    void SetStatusVisible(bool visible);
    bool StatusVisible() const;
    void SetProgress(int value);
    void SetProgressVisible(bool visible);
    // Off from an exchange's start until its end: the commands, the editing and the menus that
    // would cut the radio off.
    void SetCommandsEnabled(bool enabled);
    // Keeps `outcome` in view with the time now; nothing: none shown.
    void ShowOutcome(const Bilingual* outcome);
    void ShowDebugChannel();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The menus, the toolbar and the panels (main_window_layout.cpp).
    void BuildMenus();
    void BuildToolbar();
    QWidget* BuildChannelArea();
    QLayout* BuildStatusRow(QWidget* central);
    void BuildBackupMenus(QMenu* file, QMenu* programming);
    void BuildChannelListMenus(QMenu* file);
    void BuildCompareMenu(QMenu* file);

    void StartUp();
    void ShutDown();
    void SetLocked(bool locked);
    // Enables the settings, the grids, the debug panel and the Edit menu for the lock and a
    // running exchange.
    void UpdateEditing();
    // The main window or the dialog with this objectName.
    QWidget* WindowNamed(const std::string& name);
    void ShowOutcomeText();

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

    std::map<int, QAction*> m_toolbarByIndex;  // by button number 1-7
    QAction* m_readButton = nullptr;
    QAction* m_writeButton = nullptr;
    QAction* m_powerLockButton = nullptr;  // shown while the power levels are unlocked
    std::map<int, QAction*> m_comActions;  // mnucom1..mnucom8
    QToolBar* m_toolbar = nullptr;
    QMenu* m_programming = nullptr;  // mnupro
    QAction* m_lock = nullptr;       // mnulock
    QAction* m_verify = nullptr;     // mnuVerify
    SettingsPanel* m_panel = nullptr;
    QTabBar* m_tabs = nullptr;
    MemoryGridView* m_memoryGrid = nullptr;  // mfgrid1
    DebugGridView* m_debugGrid = nullptr;    // mfgrid2
    QLabel* m_status = nullptr;              // Label20
    QProgressBar* m_progress = nullptr;      // ProgressBar1
    QLabel* m_outcome = nullptr;             // the last exchange's outcome and its time
    const Bilingual* m_lastOutcome = nullptr;
    QTime m_outcomeTime;

    std::unique_ptr<QSettings> m_settings;
    // Made before the menus and gone before the window's widgets: the radio controller last, as
    // it works with the other.
    std::unique_ptr<PlanFileController> m_planFiles;
    std::unique_ptr<ReportController> m_reports;
    std::unique_ptr<DialogController> m_dialogs;
    std::unique_ptr<RadioController> m_radio;
};

}  // namespace m742
