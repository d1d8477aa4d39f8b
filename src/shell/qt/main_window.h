// The main window (object name "Form1"): menus, toolbar, settings panel, the two channel grids, the
// status line, and the commands behind them. The editor state it owns is the only copy of the
// channel plan; every widget is a view of it.
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
#include <vector>

#include "channel_editing/frequency_entry.h"
#include "channel_editing/qt/editor_document.h"
#include "radio_data/backups.h"
#include "radio_data/editor_state.h"
#include "radio_link/exchange.h"
#include "radio_link/port_selection.h"
#include "radio_link/qt/exchange_timers.h"
#include "radio_link/qt/serial_port.h"
#include "shell/power_lock.h"
#include "shell/qt/qt_translations.h"
#include "texts/store_refusal.h"

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
class BackupDialog;
class CompareDialog;
class DebugGridView;
class DtmfDialog;
class MemoryGridView;
class PowerDialog;
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

class MainWindow : public QMainWindow, public ExchangeWindow {
    Q_OBJECT

public:
    explicit MainWindow(StartupOptions options = {});
    ~MainWindow() override;

    // The commands, as the menus and the toolbar run them.
    void NewPlan();
    void OpenPlan();
    // Open's work once the file is chosen: also the program's FILE.DAT argument.
    void OpenFile(const QString& file);
    void SavePlan();
    // Prints the report of the selected tab in the interface language on the default
    // printer; says so when there is no printer or the printing fails.
    void PrintPlan();
    // The report of the selected tab in a print preview, from which it can be printed.
    void PreviewReport();
    // The report of the selected tab into a PDF file chosen by choosePdf.
    void ExportPdf();
    void Quit();
    void ToggleEditingLock();
    void ShowSideKeyDialog();
    void ShowDtmfDialog();
    void ShowPowerDialog();
    void ShowAboutDialog();
    // The toolbar's "PowerLock" button: two clicks within a second lock the power levels.
    void PowerLockButtonClicked();
    void OpenHelp();
    void ChooseChinese();
    void ChooseEnglish();
    void ReadRadio();
    void WriteRadio();
    void ChoosePort(int number);
    // Each entry of the "Com Port" menu names its device and what the system says about it;
    // a number with no device is greyed. Done each time the menu opens.
    void RefreshComMenu();
    // The toolbar button of `key` ("new", "open", "save", "write", "read", "PowerLock").
    void ToolbarButtonClicked(const QString& key);
    // Shows the grid of the selected tab, the memory or the debug channels.
    void ShowSelectedTab();
    // The frequency band list's choice: a different band clears the channels once confirmed.
    void BandChosen();

    // Writes every caption, tooltip, heading and list text for LanguageFlag.
    void ApplyLanguage();

    // Chooses the file for "Open" (save false) and "Save" (save true); the empty text is
    // Cancel. Tests put their own chooser here.
    std::function<QString(bool save)> chooseFile;
    // Chooses the PDF file for "Export PDF"; the empty text is Cancel. Tests put their own here.
    std::function<QString()> choosePdf;

    // The memory channels from and to CHIRP CSV files (main_window_csv.cpp). An import is one
    // undoable step and reports the rows it skipped.
    void ImportCsv();
    void ExportCsv();
    // Chooses the CSV file to import (save false) or export to; the empty text is Cancel.
    // Tests put their own here.
    std::function<QString(bool save)> chooseCsv;

    const EditorState& editor() const { return m_editor; }
    // The editor's owner: every change goes through it, and the views follow its announcements.
    EditorDocument& document() { return *m_document; }
    std::int16_t portNumber() const { return m_ports.PortNumber(); }
    const std::filesystem::path& preferencesPath() const { return m_preferences; }
    Exchange& exchange() { return *m_exchange; }
    SideKeyDialog& sideKeyDialog() const { return *m_sideKeys; }
    DtmfDialog& dtmfDialog() const { return *m_dtmf; }
    PowerDialog& powerDialog() const { return *m_power; }
    AboutDialog& aboutDialog() const { return *m_about; }

    // Backups and the verify after a write (main_window_backups.cpp).
    void OpenBackup();
    bool VerifyAfterWrite() const;
    void SetVerifyAfterWrite(bool verify);
    const std::filesystem::path& backupFolder() const { return m_backupFolder; }
    // Shows the "Open backup" dialog; true when a backup was chosen. Tests put their own here.
    std::function<bool(BackupDialog&)> showBackupDialog;

    // "Compare with File…" (main_window_compare.cpp): the editor as Save would write it against
    // a data file chosen with chooseFile, in a dialog in the interface language.
    void CompareWithFile();
    // Shows the comparison's dialog. Tests put their own here.
    std::function<void(CompareDialog&)> showCompareDialog;

    // ExchangeWindow
    std::int16_t LanguageFlag() const override { return m_editor.LanguageFlag; }
    int PowerUnlock() const override { return m_powerLock.PowerUnlock(); }
    std::string PasswordText() const override { return m_editor.password; }
    void HideFrequencyEditor() override;
    void SetStatusText(std::string_view caption) override;
    void SetStatusVisible(bool visible) override;
    bool StatusVisible() const override;
    void SetProgress(int value) override;
    void SetProgressVisible(bool visible) override;
    void SetCommandsEnabled(bool enabled) override;
    void SetTimerEnabled(ExchangeTimer timer, bool enabled) override;
    int ShowMessage(std::string_view text, int style, std::string_view title) override;
    int ShowMessage(const Message& message, int style, std::string_view title);
    ImageHex EncodeImage() override;
    void DecodeImage(const ImageHex& image) override;
    void ShowDebugChannel() override;
    void ExchangeFinished(ExchangeOutcome outcome) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbar();
    QWidget* BuildModelFrame();
    QWidget* BuildFunctionFrame();
    QWidget* BuildChannelArea();
    void StartUp();
    void ShutDown();
    void SetLocked(bool locked);
    // Enables the settings, the grids, the debug panel and the Edit menu for the lock and a
    // running exchange.
    void UpdateEditing();
    void CreateDialogs();
    // The main window or the dialog with this objectName.
    QWidget* WindowNamed(const std::string& name);
    void ShowDialog(QDialog& dialog);
    void PowerMaxLabelClicked(int label);
    void SyncPanelFromEditor();
    // The title names the plan's file; the empty name gives the window's own caption.
    void SetCaptionTo(const QString& file);
    QString Text(const char* chinese, const char* english) const;
    // Backups and the verify after a write (main_window_backups.cpp).
    void BuildBackupMenus(QMenu* file, QMenu* programming);
    void KeepBackupOf(const RadioImage& image, BackupKind kind);
    bool TakeReadBack(const ImageHex& image);
    void StartVerify();
    void FinishVerify(ExchangeOutcome outcome);
    void ShowLater(const QString& text);
    // Keeps `outcome` in view with the time now; nothing: none shown.
    void ShowOutcome(const Bilingual* outcome);
    void ShowOutcomeText();
    void BuildCompareMenu(QMenu* file);
    // Asks whether to save unsaved changes before a command would lose them: true when the
    // command may go on (saved, nothing to lose, or not to be saved), false when it stops.
    // `kept` copies into an editor the parts the command leaves alone; changes there are safe.
    bool MaySaveChanges(const std::function<void(EditorState&, const EditorState&)>& kept = {});
    // Save with the file dialog; true when the plan was saved.
    bool Save();

    // The CSV commands' menu items and file dialog (main_window_csv.cpp).
    void BuildChannelListMenus(QMenu* file);
    QString ChooseCsvFile(bool save);

    // The report commands (main_window_report.cpp).
    QString ChoosePdfFile();
    std::optional<std::vector<std::string>> ReportLines();
    void OfferPreviewOrPdf();

    std::filesystem::path m_preferences;
    std::filesystem::path m_helpFolder;
    std::string m_desktopLocale;
    QString m_planFile;           // the data file the title names, absolute; empty: none
    QtTranslations m_qtTexts;     // Qt's own texts in the interface language
    EditorDocument* m_document;   // owns the editor and its undo steps
    const EditorState& m_editor;  // what the document holds, for reading
    int m_writeStep = -1;         // the undo step whose plan a running write sends
    PowerLock m_powerLock;
    std::unique_ptr<SideKeyDialog> m_sideKeys;  // object name "Form5"
    std::unique_ptr<DtmfDialog> m_dtmf;         // object name "Form2"
    std::unique_ptr<PowerDialog> m_power;       // object name "Form3"
    std::unique_ptr<AboutDialog> m_about;       // object name "frmAbout"
    int m_bandIndex = 0;
    BandLimits m_band;  // BandLow, BandHigh: the band the frequency editors accept
    bool m_shutDown = false;
    bool m_locked = false;           // the editing lock holds the settings and the grids
    bool m_exchangeRunning = false;  // from a read's or write's start until its commands return
    QPointer<QWidget> m_focusBeforeExchange;

    QtSerialControl m_port;
    PortSelection m_ports;
    std::unique_ptr<Exchange> m_exchange;
    std::unique_ptr<QtExchangeTimers> m_timers;

    std::map<QString, QAction*> m_toolbarButtons;  // by key
    std::map<int, QAction*> m_toolbarByIndex;      // by button number 1-7
    std::map<int, QAction*> m_comActions;          // mnucom1..mnucom8
    QToolBar* m_toolbar = nullptr;
    QMenu* m_programming = nullptr;  // mnupro
    QAction* m_lock = nullptr;       // mnulock
    QGroupBox* m_modelFrame = nullptr;
    QGroupBox* m_functionFrame = nullptr;
    QLineEdit* m_password = nullptr;  // Text2
    QLineEdit* m_ani = nullptr;       // Text3
    QTabBar* m_tabs = nullptr;
    MemoryGridView* m_memoryGrid = nullptr;  // mfgrid1
    DebugGridView* m_debugGrid = nullptr;    // mfgrid2
    QLabel* m_status = nullptr;              // Label20
    QProgressBar* m_progress = nullptr;      // ProgressBar1
    QLabel* m_outcome = nullptr;             // the last exchange's outcome and its time
    const Bilingual* m_lastOutcome = nullptr;
    QTime m_outcomeTime;

    std::filesystem::path m_backupFolder;
    std::unique_ptr<QSettings> m_settings;
    QAction* m_verify = nullptr;       // mnuVerify
    QString m_backupWarning;           // shown once the exchange has ended
    std::optional<RadioImage> m_sent;  // what a write sent, kept for its verify
    bool m_sentUnlocked = false;       // whether that write included the power parameters
    bool m_verifying = false;          // the read running is a verify's read-back
    std::optional<RadioImage> m_readBack;
};

}  // namespace m742
