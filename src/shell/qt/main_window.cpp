#include "shell/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTime>
#include <QUrl>
#include <QVBoxLayout>

#include "channel_editing/channel_plan.h"
#include "channel_editing/qt/channel_actions.h"
#include "channel_editing/qt/debug_grid.h"
#include "channel_editing/qt/memory_grid.h"
#include "radio_data/backups.h"
#include "radio_data/file_names.h"
#include "shell/help_file.h"
#include "shell/preferences.h"
#include "shell/qt/channel_area.h"
#include "shell/qt/dialog_controller.h"
#include "shell/qt/local_path.h"
#include "shell/qt/message_box.h"
#include "shell/qt/plan_file_controller.h"
#include "shell/qt/port_menu.h"
#include "shell/qt/program_icon.h"
#include "shell/qt/radio_controller.h"
#include "shell/qt/report_controller.h"
#include "shell/qt/settings_panel.h"
#include "shell/qt/status_line.h"
#include "shell/qt/undo_menu.h"
#include "shell/qt/user_settings.h"
#include "shell/qt/window_language.h"
#include "shell/qt/window_menus.h"
#include "shell/qt/window_placement.h"
#include "texts/grid_columns.h"
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

    m_menus = std::make_unique<WindowMenus>(*this);
    m_dialogs = std::make_unique<DialogController>(
        *this, *m_document,
        options.clock ? std::move(options.clock)
                      : [] { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; },
        m_menus->powerLockButton());
    m_language = std::make_unique<WindowLanguage>(*this, m_qtTexts);
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
    m_channels = new ChannelArea(
        *m_document, m_panel->band(),
        [this](const EntryMessage& message) {
            ShowMessage(message.text, message.style, message.title);
        },
        this);
    layout->addWidget(m_channels, 1);
    m_channels->memoryGrid().channelActions().AddTo(*findChild<QMenu*>("mnuEdit"));
    m_statusLine = new StatusLine(*m_document, central);
    layout->addWidget(m_statusLine);
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

    QAction& lock = m_menus->lockItem();
    if (preferences.lock == 1) {
        lock.setChecked(true);
        SetLocked(true);
    } else if (preferences.lock == 0) {
        lock.setChecked(false);
    }
    m_radio->ports().SetPortNumber(preferences.portNumber);

    m_dialogs->CreateDialogs();
    m_language->Apply();
    m_radio->ports().CheckComMenu(preferences.portNumber);
    m_channels->ShowSelectedTab();

    MemoryGridView& memoryGrid = m_channels->memoryGrid();
    DebugGridView& debugGrid = m_channels->debugGrid();
    const int memoryWidths[] = {900, 1480, 1200, 1480, 1200, 1180, 1100, 1100, 1000};
    for (int column = 0; column < kMemoryColumns; ++column) {
        memoryGrid.setColumnWidth(column, Twips(memoryWidths[column]));
    }
    debugGrid.setColumnWidth(1, Twips(1833));
    debugGrid.setColumnWidth(2, Twips(1833));

    debugGrid.SelectChannel(1);
    // The plan the program starts with is where undoing ends, and counts as saved.
    m_document->ForgetSteps();
}

void MainWindow::ShutDown() {
    if (m_shutDown) {
        return;
    }
    m_shutDown = true;
    m_radio->ports().ClosePort();
    SavePlacement(*this, *m_settings);
    // The window is going: a box now would hold up every way of quitting, so a preferences
    // file that cannot be written is only logged; the next start falls back to the defaults.
    const std::string reason = SavePreferences(
        m_preferences, m_menus->lockItem().isChecked(),
        static_cast<std::uint8_t>(m_radio->ports().portNumber()), m_document->languageFlag());
    if (!reason.empty()) {
        qWarning("m742: the preferences were not saved to %s: %s", m_preferences.string().c_str(),
                 reason.c_str());
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_shutDown) {
        m_channels->memoryGrid().EndEntry();  // a typed entry is a change like any other
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
    DebugGridView& debugGrid = m_channels->debugGrid();
    m_channels->memoryGrid().setEnabled(editable);
    debugGrid.setEnabled(editable);
    // The debug panel and the Edit menu (the dialogs, undo, the channel operations) are
    // left alone by the lock, but no entry may reach the editor while the radio talks.
    debugGrid.panel()->setEnabled(!m_exchangeRunning);
    auto* edit = findChild<QMenu*>("mnuEdit");
    edit->setEnabled(!m_exchangeRunning);
    edit->menuAction()->setEnabled(!m_exchangeRunning);
}

void MainWindow::ToggleEditingLock() {
    QAction& lock = m_menus->lockItem();
    lock.setChecked(!lock.isChecked());
    SetLocked(lock.isChecked());
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

void MainWindow::ChooseChinese() {
    if (m_document->languageFlag() != 1) {
        return;
    }
    m_document->SetLanguageFlag(0);
    m_language->Apply();
    GrowToShowPlan(*this);  // the other language may need more room
}

void MainWindow::ChooseEnglish() {
    if (m_document->languageFlag() != 0) {
        return;
    }
    m_document->SetLanguageFlag(1);
    m_language->Apply();
    GrowToShowPlan(*this);  // the other language may need more room
}

void MainWindow::SetCommandsEnabled(bool enabled) {
    if (!enabled && !m_exchangeRunning) {
        m_statusLine->ShowOutcome(nullptr);  // the last outcome is in view until this next command
        // The exchange will replace or send the plan: an entry still open is dropped without
        // taking its text, and nothing more is typed until the radio is done.
        m_channels->memoryGrid().DiscardEntry();
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
    m_menus->SetCommandsEnabled(enabled);
}

int MainWindow::ShowMessage(std::string_view text, int style, std::string_view title) {
    return m742::ShowMessage(this, m_document->languageFlag(), text, style, title);
}

int MainWindow::ShowMessage(const Message& message, int style, std::string_view title) {
    return ShowMessage(Worded(message, language()), style, title);
}

}  // namespace m742
