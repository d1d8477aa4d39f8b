#include "shell/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTime>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "channel_editing/channel_plan.h"
#include "channel_editing/qt/debug_grid.h"
#include "channel_editing/qt/grid_model.h"
#include "channel_editing/qt/memory_grid.h"
#include "radio_data/backups.h"
#include "radio_data/file_names.h"
#include "shell/help_file.h"
#include "shell/preferences.h"
#include "shell/qt/dialog_controller.h"
#include "shell/qt/dialogs.h"
#include "shell/qt/local_path.h"
#include "shell/qt/message_box.h"
#include "shell/qt/plan_file_controller.h"
#include "shell/qt/program_icon.h"
#include "shell/qt/radio_controller.h"
#include "shell/qt/report_controller.h"
#include "shell/qt/settings_panel.h"
#include "shell/qt/undo_menu.h"
#include "shell/qt/user_settings.h"
#include "shell/qt/window_placement.h"
#include "texts/backup_texts.h"
#include "texts/compare_texts.h"
#include "texts/grid_columns.h"
#include "texts/language_tables.h"
#include "texts/message_text.h"
#include "texts/window_texts.h"

namespace m742 {

namespace {

// Twips (1/1440 inch) to pixels at the usual 96 dots per inch.
int Twips(int twips) {
    return twips / 15;
}

// A build keeps its preferences beside the program; anywhere else they are the user's.
std::filesystem::path DefaultPreferencesPath() {
#ifdef _WIN32
    return PreferencesPath(LocalPath(QCoreApplication::applicationDirPath()),
                           EnvironmentPath("APPDATA"), {});
#else
    return PreferencesPath(LocalPath(QCoreApplication::applicationDirPath()),
                           EnvironmentPath("XDG_CONFIG_HOME"), EnvironmentPath("HOME"));
#endif
}

}  // namespace

MainWindow::MainWindow(StartupOptions options)
    : m_preferences(options.preferences.empty() ? DefaultPreferencesPath()
                                                : std::move(options.preferences)),
      m_helpFolder(std::move(options.helpFolder)),
      m_backupFolder(options.backupFolder.empty() ? DefaultBackupFolder()
                                                  : std::move(options.backupFolder)),
      m_desktopLocale(options.desktopLocale ? *options.desktopLocale : DesktopLocaleName()),
      m_document(new EditorDocument(this)),
      m_editor(m_document->editor()) {
    m_settings = OpenUserSettings(options.settingsFile);
    setObjectName("Form1");
    setWindowIcon(ProgramIcon());
    // No menu of its own: Qt's would offer to hide the toolbar, and with it the "PowerLock" button.
    setContextMenuPolicy(Qt::NoContextMenu);
    m_planFiles = std::make_unique<PlanFileController>(*this);
    m_radio = std::make_unique<RadioController>(*this, *m_planFiles, options.exchangeIntervals);
    m_reports = std::make_unique<ReportController>(*this);

    BuildMenus();
    BuildToolbar();
    m_dialogs = std::make_unique<DialogController>(
        *this, *m_document,
        options.clock ? std::move(options.clock)
                      : [] { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; },
        *m_powerLockButton);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* banner = new QLabel(kApplicationTitle, central);  // Picture2
    banner->setObjectName("Picture2");
    banner->setStyleSheet(
        "font-size: 18pt; font-weight: bold; color: white; padding: 4px 10px;"
        "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #1f4f8f, stop:1 #7fa7d8);");
    layout->addWidget(banner);
    m_panel = new SettingsPanel(*this, *m_document);
    layout->addWidget(m_panel);
    layout->addWidget(BuildChannelArea(), 1);
    layout->addLayout(BuildStatusRow(central));
    setCentralWidget(central);
    new ModifiedMark(*m_document, *this);

    StartUp();
    FitGridsToWindow(*this);
    RestorePlacement(*this, *m_settings);
}

MainWindow::~MainWindow() {
    ShutDown();
}

QString MainWindow::Text(const Bilingual& text) const {
    const std::string_view chosen = text.in(language());
    return QString::fromUtf8(chosen.data(), qsizetype(chosen.size()));
}

void MainWindow::StartUp() {
    // Priority channel list, CH-1 to CH-16.
    auto* priority = findChild<QComboBox*>("Combo7");
    for (int i = 0; i < priority->count(); ++i) {
        priority->setItemText(i, QString("CH-%1").arg(i + 1));
    }
    const Preferences preferences = StartupPreferences(m_preferences, m_desktopLocale);
    // The editor the program starts with, as the command-line tool's: the dialogs' defaults, the
    // single band, the channel plan reset; shown in the preferred language.
    m_document->SetLanguageFlag(preferences.languageFlag);
    m_document->ApplyUnrecorded([](EditorState& editor) { editor = StartupEditor(); });
    // The single band; selecting it sets the band limits.
    findChild<QComboBox*>("Combo1")->setCurrentIndex(0);
    m_panel->BandChosen();

    if (preferences.lock == 1) {
        m_lock->setChecked(true);
        SetLocked(true);
    } else if (preferences.lock == 0) {
        m_lock->setChecked(false);
    }
    m_radio->SetPortNumber(preferences.portNumber);

    m_dialogs->CreateDialogs();
    ApplyLanguage();
    m_radio->CheckComMenu(preferences.portNumber);
    ShowSelectedTab();

    const int memoryWidths[] = {900, 1480, 1200, 1480, 1200, 1180, 1100, 1100, 1000};
    for (int column = 0; column < kMemoryColumns; ++column) {
        m_memoryGrid->setColumnWidth(column, Twips(memoryWidths[column]));
    }
    m_debugGrid->setColumnWidth(1, Twips(1833));
    m_debugGrid->setColumnWidth(2, Twips(1833));

    m_debugGrid->SelectChannel(1);
    // The plan the program starts with is where undoing ends, and counts as saved.
    m_document->ForgetSteps();
}

void MainWindow::ShutDown() {
    if (m_shutDown) {
        return;
    }
    m_shutDown = true;
    m_radio->ClosePort();
    SavePlacement(*this, *m_settings);
    // The window is going: a box now would hold up every way of quitting, so a preferences
    // file that cannot be written is only logged; the next start falls back to the defaults.
    const std::string reason =
        SavePreferences(m_preferences, m_lock->isChecked(),
                        static_cast<std::uint8_t>(m_radio->portNumber()), languageFlag());
    if (!reason.empty()) {
        qWarning("m742: the preferences were not saved to %s: %s", m_preferences.string().c_str(),
                 reason.c_str());
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_shutDown) {
        m_memoryGrid->EndEntry();  // a typed entry is a change like any other
        if (!m_planFiles->MaySaveChanges()) {
            event->ignore();
            return;
        }
    }
    ShutDown();
    event->accept();
}

void MainWindow::Quit() {
    close();
}

void MainWindow::SetLocked(bool locked) {
    m_locked = locked;
    UpdateEditing();
}

void MainWindow::UpdateEditing() {
    const bool editable = !m_locked && !m_exchangeRunning;
    m_panel->SetEditable(editable);
    m_memoryGrid->setEnabled(editable);
    m_debugGrid->setEnabled(editable);
    // The debug panel and the Edit menu (the dialogs, undo, the channel operations) are
    // left alone by the lock, but no entry may reach the editor while the radio talks.
    m_debugGrid->panel()->setEnabled(!m_exchangeRunning);
    auto* edit = findChild<QMenu*>("mnuEdit");
    edit->setEnabled(!m_exchangeRunning);
    edit->menuAction()->setEnabled(!m_exchangeRunning);
}

void MainWindow::ToggleEditingLock() {
    m_lock->setChecked(!m_lock->isChecked());
    SetLocked(m_lock->isChecked());
}

void MainWindow::OpenHelp() {
    const std::filesystem::path folder =
        m_helpFolder.empty() ? LocalPath(QCoreApplication::applicationDirPath()) : m_helpFolder;
    const Lang lang = language();
    const std::filesystem::path help = HelpFilePath(folder, lang);
    if (help.empty()) {
        ShowMessage(Text(kHelpFileMissingText)
                        .arg(QString::fromStdString(ExpectedHelpFilePath(folder, lang).string()))
                        .toStdString(),
                    kStyleWarning, "");
        return;
    }
    const QString path = QString::fromStdString(help.string());
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        ShowMessage(Text(kHelpFileUnopenedText).arg(path).toStdString(), kStyleWarning, "");
    }
}

QWidget* MainWindow::WindowNamed(const std::string& name) {
    for (QWidget* window : std::initializer_list<QWidget*>{
             this, &m_dialogs->sideKeyDialog(), &m_dialogs->dtmfDialog(), &m_dialogs->powerDialog(),
             &m_dialogs->aboutDialog()}) {
        if (window != nullptr && window->objectName().toStdString() == name) {
            return window;
        }
    }
    return nullptr;
}

void MainWindow::ApplyLanguage() {
    const Lang lang = language();
    m_qtTexts.Apply(lang);
    for (const auto* table : {&MainWindowFixedTexts(), &MainWindowTexts(), &DialogTexts(),
                              &BackupMenuTexts(), &CompareMenuTexts(), &HelpMenuTexts()}) {
        for (const TextRow& row : *table) {
            QWidget* window = WindowNamed(row.window);
            if (window == nullptr) {
                continue;
            }
            const QString text =
                QString::fromUtf8(row.in(lang).data(), qsizetype(row.in(lang).size()));
            const QString name = QString::fromStdString(row.control);
            switch (row.property) {
                case TextProperty::kWindowTitle:
                    window->setWindowTitle(text);
                    break;
                case TextProperty::kCaption:
                    if (auto* m = window->findChild<QMenu*>(name)) {
                        m->setTitle(text);
                    } else if (auto* a = window->findChild<QAction*>(name)) {
                        a->setText(text);
                    } else if (auto* g = window->findChild<QGroupBox*>(name)) {
                        g->setTitle(text);
                    } else if (auto* l = window->findChild<QLabel*>(name)) {
                        l->setText(text);
                    } else if (auto* b = window->findChild<QPushButton*>(name)) {
                        b->setText(text);
                    }
                    break;
                case TextProperty::kToolTip:
                    if (QAction* a = m_toolbarByIndex[row.index]) {
                        a->setToolTip(text);
                    }
                    break;
                case TextProperty::kTab:
                    m_tabs->setTabText(row.index - 1, text);
                    break;
                case TextProperty::kHeading:
                    (name == "mfgrid1" ? m_memoryGrid->gridModel() : m_debugGrid->gridModel())
                        .SetHeading(row.index, text);
                    break;
                case TextProperty::kItem:
                    if (auto* list = window->findChild<QComboBox*>(name)) {
                        list->setItemText(row.index, text);
                    }
                    break;
            }
        }
    }
    for (QWidget* area : std::initializer_list<QWidget*>{
             m_panel->modelFrame(), m_panel->functionFrame(), &m_dialogs->sideKeyDialog(),
             &m_dialogs->dtmfDialog(), &m_dialogs->powerDialog()}) {
        FitListsToTexts(*area);
    }
    m_planFiles->RewordCaption();
    ShowOutcomeText();
}

void MainWindow::ChooseChinese() {
    if (languageFlag() != 1) {
        return;
    }
    m_document->SetLanguageFlag(0);
    ApplyLanguage();
    GrowToShowPlan(*this);  // the other language may need more room
}

void MainWindow::ChooseEnglish() {
    if (languageFlag() != 0) {
        return;
    }
    m_document->SetLanguageFlag(1);
    ApplyLanguage();
    GrowToShowPlan(*this);  // the other language may need more room
}

bool MainWindow::memoryTabSelected() const {
    return m_tabs->currentIndex() == 0;
}

void MainWindow::ShowSelectedTab() {
    const bool memory = memoryTabSelected();
    // Leaving the memory tab ends an open entry as leaving the editor does; a refused one has
    // shown its message by now and its cell is unchanged.
    m_memoryGrid->EndEntry();
    QWidget* shown = memory ? static_cast<QWidget*>(m_memoryGrid) : m_debugGrid;
    QWidget* hidden = memory ? static_cast<QWidget*>(m_debugGrid) : m_memoryGrid;
    const QWidget* focus = QApplication::focusWidget();
    const bool hadFocus = focus != nullptr && (focus == hidden || hidden->isAncestorOf(focus));
    // One grid at a time: the other goes before this one comes.
    hidden->hide();
    shown->show();
    m_debugGrid->okButton()->setVisible(!memory);
    if (hadFocus && shown->isEnabled()) {
        shown->setFocus();  // the keyboard does not stay with a grid nobody sees
    }
}

void MainWindow::HideFrequencyEditor() {
    m_memoryGrid->HideFrequencyEditor();
}

void MainWindow::SetStatusText(std::string_view caption) {
    m_status->setText(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
}

void MainWindow::SetStatusVisible(bool visible) {
    m_status->setVisible(visible);
}

// The label's own flag: isVisible() would also be false while the window is hidden.
bool MainWindow::StatusVisible() const {
    return !m_status->isHidden();
}

void MainWindow::SetProgress(int value) {
    m_progress->setValue(value);
}

void MainWindow::SetProgressVisible(bool visible) {
    m_progress->setVisible(visible);
    m_outcome->setVisible(!visible && m_lastOutcome != nullptr);
}

void MainWindow::ShowOutcome(const Bilingual* outcome) {
    m_lastOutcome = outcome;
    m_outcomeTime = QTime::currentTime();
    ShowOutcomeText();
    m_outcome->setVisible(outcome != nullptr && m_progress->isHidden());
}

void MainWindow::ShowOutcomeText() {
    if (m_lastOutcome == nullptr) {
        m_outcome->clear();
        return;
    }
    const std::string_view text = m_lastOutcome->in(language());
    m_outcome->setText(m_outcomeTime.toString(kOutcomeTimeFormat) + "  " +
                       QString::fromUtf8(text.data(), qsizetype(text.size())));
}

void MainWindow::SetCommandsEnabled(bool enabled) {
    if (!enabled && !m_exchangeRunning) {
        ShowOutcome(nullptr);  // the last outcome is in view until this next command
        // The exchange will replace or send the plan: an entry still open is dropped without
        // taking its text, and nothing more is typed until the radio is done.
        m_memoryGrid->DiscardEntry();
        const QWidget* focus = QApplication::focusWidget();
        m_focusBeforeExchange =
            focus != nullptr && isAncestorOf(focus) ? const_cast<QWidget*>(focus) : nullptr;
    }
    m_exchangeRunning = !enabled;
    UpdateEditing();
    // Disabling moved the keyboard on; it goes back to where it was.
    if (enabled && m_focusBeforeExchange != nullptr && m_focusBeforeExchange->isEnabled() &&
        m_focusBeforeExchange->isVisible()) {
        m_focusBeforeExchange->setFocus();
    }
    m_toolbar->setEnabled(enabled);
    m_programming->setEnabled(enabled);
    m_programming->menuAction()->setEnabled(enabled);
    m_readButton->setEnabled(enabled);
    m_writeButton->setEnabled(enabled);
    for (const char* name : {"mnureadFre", "mnuwriteFre", "mnuNew", "mnuOpen", "mnuOpenBackup",
                             "mnuAssave", "mnuImportCsv"}) {
        findChild<QAction*>(name)->setEnabled(enabled);
    }
    // A new port, plan or language in the middle would cut the radio off without its end frame.
    for (const char* name : {"mnucom", "mnuLanguage"}) {
        auto* menu = findChild<QMenu*>(name);
        menu->setEnabled(enabled);
        menu->menuAction()->setEnabled(enabled);
    }
}

int MainWindow::ShowMessage(std::string_view text, int style, std::string_view title) {
    return m742::ShowMessage(this, languageFlag(), text, style, title);
}

int MainWindow::ShowMessage(const Message& message, int style, std::string_view title) {
    return ShowMessage(Worded(message, language()), style, title);
}

void MainWindow::ShowDebugChannel() {
    m_debugGrid->ShowDebugChannel();
}

}  // namespace m742
