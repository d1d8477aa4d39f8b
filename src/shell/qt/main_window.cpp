#include "shell/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTime>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdlib>

#include "channel_editing/channel_plan.h"
#include "channel_editing/qt/debug_grid.h"
#include "channel_editing/qt/grid_model.h"
#include "channel_editing/qt/memory_grid.h"
#include "printing/qt/print_report.h"
#include "printing/report.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "radio_data/file_names.h"
#include "radio_data/layout.h"
#include "radio_data/tones.h"
#include "radio_link/com_ports.h"
#include "radio_link/qt/port_info.h"
#include "shell/help_file.h"
#include "shell/panel_rules.h"
#include "shell/preferences.h"
#include "shell/qt/dialogs.h"
#include "shell/qt/file_dialogs.h"
#include "shell/qt/local_path.h"
#include "shell/qt/message_box.h"
#include "shell/qt/program_icon.h"
#include "shell/qt/undo_menu.h"
#include "shell/qt/user_settings.h"
#include "shell/qt/window_placement.h"
#include "texts/backup_texts.h"
#include "texts/compare_texts.h"
#include "texts/edit_texts.h"
#include "texts/file_texts.h"
#include "texts/language_tables.h"
#include "texts/message_text.h"
#include "texts/store_refusal.h"
#include "texts/window_texts.h"

namespace m742 {

namespace {

constexpr const char* kFileFilter = "M-742(*.DAT)";

// Twips (1/1440 inch) to pixels at the usual 96 dots per inch.
int Twips(int twips) {
    return twips / 15;
}

// The toolbar's images: small drawings of our own.
QIcon ToolbarIcon(const QString& key) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    if (key == "new") {
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{5, 2}, {15, 2}, {20, 7}, {20, 22}, {5, 22}}));
        p.drawLine(QPointF(15, 2), QPointF(15, 7));
        p.drawLine(QPointF(15, 7), QPointF(20, 7));
    } else if (key == "open") {
        p.setBrush(QColor(240, 200, 90));
        p.drawPolygon(QPolygonF({{2, 6}, {9, 6}, {11, 8}, {21, 8}, {21, 20}, {2, 20}}));
    } else if (key == "save") {
        p.setBrush(QColor(70, 110, 190));
        p.drawRect(QRectF(3, 3, 18, 18));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3, 10, 7));
        p.drawRect(QRectF(6, 14, 12, 7));
    } else if (key == "read" || key == "write") {
        // A hand-held radio with an arrow out of it (read) or into it (write).
        p.setBrush(QColor(60, 60, 60));
        p.drawRect(QRectF(3, 7, 9, 15));
        p.drawLine(QPointF(5, 7), QPointF(5, 2));
        p.setPen(QPen(key == "read" ? QColor(30, 140, 60) : QColor(200, 60, 40), 2.5));
        const bool out = key == "read";
        p.drawLine(QPointF(14, 14), QPointF(22, 14));
        const double tip = out ? 22 : 14;  // the head sits at whichever end the arrow points to
        const double back = 18;
        p.drawLine(QPointF(tip, 14), QPointF(back, 10));
        p.drawLine(QPointF(tip, 14), QPointF(back, 18));
    } else {  // PowerLock: a padlock
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(7, 3, 10, 12), 0, 180 * 16);
        p.setBrush(QColor(200, 160, 40));
        p.drawRect(QRectF(5, 10, 14, 11));
    }
    return QIcon(pixmap);
}

// Typing, pasting and dropping into the password and ANI boxes all pass the box's rule. The
// boxes have no maxLength of their own: it would cut a pasted "12ab34567" to "12ab34" before
// the rule drops the letters. Returns what the box keeps.
QString KeepAllowed(QLineEdit& box, const QString& text, std::string (*filter)(std::string_view),
                    std::size_t length) {
    const std::string before = text.left(box.cursorPosition()).toStdString();
    const KeptEntry kept = KeepEntry(before + text.mid(box.cursorPosition()).toStdString(),
                                     before.size(), filter, length);
    QString shown = QString::fromStdString(kept.text);
    if (shown != text) {
        box.setText(shown);
        box.setCursorPosition(int(QString::fromStdString(kept.text.substr(0, kept.cursor)).size()));
    }
    return shown;
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
      m_desktopLocale(options.desktopLocale ? *options.desktopLocale : DesktopLocaleName()),
      m_document(new EditorDocument(this)),
      m_editor(m_document->editor()),
      m_powerLock(options.clock
                      ? std::move(options.clock)
                      : [] { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }),
      m_ports(m_port, [this](std::string_view text, int style, std::string_view title) {
          return ShowMessage(text, style, title);
      }) {
    m_backupFolder =
        options.backupFolder.empty() ? DefaultBackupFolder() : std::move(options.backupFolder);
    m_settings = OpenUserSettings(options.settingsFile);
    setObjectName("Form1");
    setWindowIcon(ProgramIcon());
    // No menu of its own: Qt's would offer to hide the toolbar, and with it the "PowerLock" button.
    setContextMenuPolicy(Qt::NoContextMenu);
    m_exchange = std::make_unique<Exchange>(m_port, m_ports, *this);
    m_timers = std::make_unique<QtExchangeTimers>(*m_exchange, options.exchangeIntervals);
    m_port.onReceived = [this](std::span<const std::uint8_t> bytes) {
        m_exchange->OnBytesReceived(bytes);
    };
    m_port.onLost = [this] { m_exchange->PortLost(); };

    chooseFile = [this](bool save) {
        // Save asks about replacing a file itself, in the program's own words.
        return ChooseFileName(this, {QString(), kFileFilter, save, QString(), false});
    };
    choosePdf = [this] { return ChoosePdfFile(); };
    chooseCsv = [this](bool save) { return ChooseCsvFile(save); };

    BuildMenus();
    BuildToolbar();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* banner = new QLabel(kApplicationTitle, central);  // Picture2
    banner->setObjectName("Picture2");
    banner->setStyleSheet(
        "font-size: 18pt; font-weight: bold; color: white; padding: 4px 10px;"
        "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #1f4f8f, stop:1 #7fa7d8);");
    layout->addWidget(banner);
    auto* panels = new QHBoxLayout;
    panels->addWidget(BuildModelFrame());
    panels->addWidget(BuildFunctionFrame(), 1);
    layout->addLayout(panels);
    layout->addWidget(BuildChannelArea(), 1);
    auto* statusRow = new QGridLayout;
    m_status = new QLabel(central);
    m_status->setObjectName("Label20");
    QSizePolicy keep = m_status->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_status->setSizePolicy(keep);
    m_progress = new QProgressBar(central);
    m_progress->setObjectName("ProgressBar1");
    m_progress->setRange(0, 1024);
    keep = m_progress->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_progress->setSizePolicy(keep);
    m_progress->setVisible(false);
    // The outcome of the last exchange stays in the progress bar's place until the next one.
    m_outcome = new QLabel(central);
    m_outcome->setObjectName("statusOutcome");
    m_outcome->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_outcome->setVisible(false);
    statusRow->addWidget(m_status, 0, 0);
    statusRow->addWidget(m_progress, 0, 1);
    statusRow->addWidget(m_outcome, 0, 1);
    statusRow->setColumnStretch(0, 1);
    statusRow->setColumnStretch(1, 2);
    layout->addLayout(statusRow);
    setCentralWidget(central);
    connect(m_document, &EditorDocument::changed, this, [this] { SyncPanelFromEditor(); });
    new ModifiedMark(*m_document, *this);

    StartUp();
    FitGridsToWindow(*this);
    RestorePlacement(*this, *m_settings);
}

MainWindow::~MainWindow() {
    ShutDown();
}

QString MainWindow::Text(const char* chinese, const char* english) const {
    return QString::fromUtf8(LanguageOf(m_editor.LanguageFlag) == Lang::English ? english
                                                                                : chinese);
}

void MainWindow::BuildMenus() {
    auto menu = [this](QMenu* parent, const char* name) {
        QMenu* m = parent != nullptr ? parent->addMenu(name) : menuBar()->addMenu(name);
        m->setObjectName(name);
        m->menuAction()->setObjectName(QString(name) + "_menu");
        return m;
    };
    auto item = [this](QMenu* parent, const char* name, auto slot) {
        QAction* a = parent->addAction(name);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* file = menu(nullptr, "mnuFile");
    item(file, "mnuNew", [this] { NewPlan(); });
    item(file, "mnuOpen", [this] { OpenPlan(); });
    item(file, "mnuAssave", [this] { SavePlan(); });
    item(file, "mnuprint", [this] { PrintPlan(); });
    item(file, "mnuPrintPreview", [this] { PreviewReport(); });
    item(file, "mnuExportPdf", [this] { ExportPdf(); });
    file->addSeparator()->setObjectName("mnuLine");
    item(file, "mnuQuit", [this] { Quit(); });

    QMenu* edit = menu(nullptr, "mnuEdit");
    item(edit, "mnuSideFunction", [this] { ShowSideKeyDialog(); });
    item(edit, "mnuDTMF", [this] { ShowDtmfDialog(); })->setText("DTMF");
    QAction* frequency = item(edit, "mnuFrequency", [] {});
    frequency->setText(QString::fromUtf8("测试频率"));
    frequency->setVisible(false);
    frequency->setEnabled(false);
    item(edit, "mnuDebug", [this] { ShowPowerDialog(); });
    // Undo and Redo head the menu; an open cell entry ends before either runs.
    new UndoMenuItems(*m_document, *edit, [this] { return m_memoryGrid->EndEntry(); });

    m_programming = menu(nullptr, "mnupro");
    item(m_programming, "mnureadFre", [this] { ReadRadio(); })->setShortcut(QKeySequence("Ctrl+R"));
    item(m_programming, "mnuwriteFre", [this] {
        WriteRadio();
    })->setShortcut(QKeySequence("Ctrl+W"));

    QMenu* set = menu(nullptr, "mnuset");
    // A checkable item has inverted its own tick by the time it reports the click.
    m_lock = item(set, "mnulock", [this] { SetLocked(m_lock->isChecked()); });
    m_lock->setCheckable(true);
    m_lock->setChecked(true);  // designed checked; the preferences decide at start-up

    QMenu* com = menu(nullptr, "mnucom");
    for (int n = 1; n <= kComPortCount; ++n) {
        const QString name = QString("mnucom%1").arg(n);
        QAction* a = com->addAction(QString("COM%1(&%1)").arg(n));
        a->setObjectName(name);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, n] { ChoosePort(n); });
        m_comActions[n] = a;
    }
    // A cable plugged in while the program runs shows up the next time the menu opens.
    connect(com, &QMenu::aboutToShow, this, [this] { RefreshComMenu(); });

    QMenu* language = menu(nullptr, "mnuLanguage");
    item(language, "mnuChinese", [this] { ChooseChinese(); });
    item(language, "mnuEnglist", [this] { ChooseEnglish(); });

    QMenu* help = menu(nullptr, "mnuhelp");
    QAction* topics = item(help, "mnumainhelp", [this] { OpenHelp(); });
    topics->setShortcut(QKeySequence(Qt::Key_F1));
    topics->setVisible(false);
    // The designed item stays hidden (its caption names F1 itself); this one shows the user's
    // guide in the menu, and takes F1, since a hidden item's shortcut is off.
    item(help, "mnuGuide", [this] { OpenHelp(); })->setShortcut(QKeySequence(Qt::Key_F1));
    item(help, "mnuabout", [this] { ShowAboutDialog(); });
    BuildBackupMenus(file, m_programming);
    BuildChannelListMenus(file);
    BuildCompareMenu(file);
}

void MainWindow::BuildToolbar() {
    m_toolbar = addToolBar("Toolbar1");
    m_toolbar->setObjectName("Toolbar1");
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->toggleViewAction()->setEnabled(false);  // nothing may hide it
    const char* keys[] = {"new", "open", "save", nullptr, "read", "write", "PowerLock"};
    for (int index = 1; index <= 7; ++index) {
        const char* key = keys[index - 1];
        QAction* a = nullptr;
        if (key == nullptr) {
            a = m_toolbar->addSeparator();
        } else {
            a = m_toolbar->addAction(ToolbarIcon(key), QString());
            a->setObjectName(QString("Toolbar1_") + key);
            a->setData(QString(key));
            connect(a, &QAction::triggered, this, [this, key] { ToolbarButtonClicked(key); });
            m_toolbarButtons[key] = a;
        }
        m_toolbarByIndex[index] = a;
    }
    m_toolbarButtons["PowerLock"]->setVisible(false);
}

QWidget* MainWindow::BuildModelFrame() {
    m_modelFrame = new QGroupBox(this);
    m_modelFrame->setObjectName("Frame1");
    auto* grid = new QGridLayout(m_modelFrame);
    auto* band = new QLabel(m_modelFrame);
    band->setObjectName("Label3");
    auto* bandList = new QComboBox(m_modelFrame);
    bandList->setObjectName("Combo1");  // frequency band
    bandList->addItem(QString());
    connect(bandList, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_document->Apply({EditKind::kBand, 0, 0, {}}, [index](EditorState& editor) {
            editor.settings.band = static_cast<std::int16_t>(index);
        });
        BandChosen();
    });
    auto* passwordLabel = new QLabel(m_modelFrame);
    passwordLabel->setObjectName("Label5");
    m_password = new QLineEdit(m_modelFrame);
    m_password->setObjectName("Text2");
    connect(m_password, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString kept = KeepAllowed(*m_password, text, FilterPassword, kPasswordBoxLength);
        m_document->Apply({EditKind::kSetting, 0, 0, "Label5"},
                          [&kept](EditorState& editor) { editor.password = kept.toStdString(); });
    });
    grid->addWidget(band, 0, 0);
    grid->addWidget(bandList, 0, 1);
    grid->addWidget(passwordLabel, 1, 0);
    grid->addWidget(m_password, 1, 1);
    return m_modelFrame;
}

QWidget* MainWindow::BuildFunctionFrame() {
    m_functionFrame = new QGroupBox(this);
    m_functionFrame->setObjectName("Frame2");
    auto* inner = new QWidget(m_functionFrame);  // Picture1
    inner->setObjectName("Picture1");
    auto* outer = new QVBoxLayout(m_functionFrame);
    outer->addWidget(inner);
    auto* grid = new QGridLayout(inner);
    // Four rows of three settings, each label left of its list.
    const struct {
        const char* label;
        const char* control;
    } layout[4][3] = {
        {{"Label6", "Combo2"}, {"Label8", "Combo4"}, {"Label10", "Combo6"}},
        {{"Label7", "Combo3"}, {"Label9", "Combo9"}, {"Label11", "Combo7"}},
        {{"Label15", "Combo12"}, {"Label4", "Combo10"}, {"Label1", "Combo11"}},
        {{"Label25", "Combo13"}, {"Label13", "Combo14"}, {"Label12", "Text3"}},
    };
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            auto* label = new QLabel(inner);
            label->setObjectName(layout[row][col].label);
            grid->addWidget(label, row, 2 * col);
            const QString control = layout[row][col].control;
            if (control == "Text3") {
                m_ani = new QLineEdit(inner);
                m_ani->setObjectName("Text3");
                connect(m_ani, &QLineEdit::textEdited, this, [this](const QString& text) {
                    const QString kept = KeepAllowed(*m_ani, text, FilterAni, kAniBoxLength);
                    m_document->Apply(
                        {EditKind::kSetting, 0, 0, "Label12"},
                        [&kept](EditorState& editor) { editor.ani = kept.toStdString(); });
                });
                grid->addWidget(m_ani, row, 2 * col + 1);
                continue;
            }
            auto* list = new QComboBox(inner);
            list->setObjectName(control);
            for (const SettingField& field : SettingFields()) {
                if (field.name != control.toStdString()) {
                    continue;
                }
                for (int i = 0; i < ListSize(field.list); ++i) {
                    list->addItem(QString());
                }
                const std::string label = layout[row][col].label;
                connect(list, &QComboBox::currentIndexChanged, this,
                        [this, &field, label](int index) {
                            m_document->Apply({EditKind::kSetting, 0, 0, label},
                                              [&field, index](EditorState& editor) {
                                                  field.value(editor) =
                                                      static_cast<std::int16_t>(index);
                                              });
                        });
            }
            grid->addWidget(list, row, 2 * col + 1);
        }
    }
    // A wider panel widens the three columns of lists alike.
    for (int col = 0; col < 3; ++col) {
        grid->setColumnStretch(2 * col + 1, 1);
    }
    return m_functionFrame;
}

QWidget* MainWindow::BuildChannelArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabBar(area);
    m_tabs->setObjectName("TabStrip1");
    m_tabs->addTab(QString());
    m_tabs->addTab(QString());
    connect(m_tabs, &QTabBar::currentChanged, this, [this] { ShowSelectedTab(); });
    layout->addWidget(m_tabs);

    m_memoryGrid = new MemoryGridView(
        *m_document, m_band,
        [this](const EntryMessage& message) {
            ShowMessage(message.text, message.style, message.title);
        },
        area);
    m_debugGrid = new DebugGridView(*m_document, area);
    // Both grids take the same place, one at a time; the debug panel stands beside them.
    auto* grids = new QHBoxLayout;
    grids->addWidget(m_memoryGrid, 1);
    grids->addWidget(m_debugGrid, 1);
    grids->addWidget(m_debugGrid->panel());
    layout->addLayout(grids, 1);
    return area;
}

void MainWindow::StartUp() {
    // Priority channel list, CH-1 to CH-16.
    auto* priority = findChild<QComboBox*>("Combo7");
    for (int i = 0; i < priority->count(); ++i) {
        priority->setItemText(i, QString("CH-%1").arg(i + 1));
    }
    const Preferences preferences = StartupPreferences(m_preferences, m_desktopLocale);
    // The editor the program starts with, as the command-line tool's: the dialogs' defaults, the
    // single band, the channel plan reset, in the preferred language.
    m_document->ApplyUnrecorded(
        [&preferences](EditorState& editor) { editor = StartupEditor(preferences.languageFlag); });
    // The single band; selecting it sets the band limits.
    findChild<QComboBox*>("Combo1")->setCurrentIndex(0);
    BandChosen();

    if (preferences.lock == 1) {
        m_lock->setChecked(true);
        SetLocked(true);
    } else if (preferences.lock == 0) {
        m_lock->setChecked(false);
    }
    m_ports.SetPortNumber(preferences.portNumber);

    CreateDialogs();
    ApplyLanguage();
    m_ports.CheckComMenu(preferences.portNumber);
    for (auto& [n, action] : m_comActions) {
        action->setChecked(m_ports.Checked(n));
    }
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
    m_port.SetPortOpen(false);
    SavePlacement(*this, *m_settings);
    // The window is going: a box now would hold up every way of quitting, so a preferences
    // file that cannot be written is only logged; the next start falls back to the defaults.
    const std::string reason =
        SavePreferences(m_preferences, m_lock->isChecked(),
                        static_cast<std::uint8_t>(m_ports.PortNumber()), m_editor.LanguageFlag);
    if (!reason.empty()) {
        qWarning("m742: the preferences were not saved to %s: %s", m_preferences.string().c_str(),
                 reason.c_str());
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_shutDown) {
        m_memoryGrid->EndEntry();  // a typed entry is a change like any other
        if (!MaySaveChanges()) {
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
    for (QWidget* w : std::initializer_list<QWidget*>{m_modelFrame, m_functionFrame, m_memoryGrid,
                                                      m_debugGrid}) {
        w->setEnabled(editable);
    }
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

void MainWindow::CreateDialogs() {
    if (m_sideKeys) {
        return;
    }
    // Owned by the main window: above it, centred on it, without a taskbar entry of their own.
    m_sideKeys = std::make_unique<SideKeyDialog>(*m_document, this);
    m_dtmf = std::make_unique<DtmfDialog>(*m_document, this);
    m_power = std::make_unique<PowerDialog>(
        *m_document, [this](int label) { PowerMaxLabelClicked(label); }, this);
    m_about = std::make_unique<AboutDialog>(this);
    m_power->SetUnlocked(m_powerLock.PowerUnlock() == 1);
}

// Modal over the main window; the dialog hides itself when it is done.
void MainWindow::ShowDialog(QDialog& dialog) {
    dialog.setWindowModality(Qt::ApplicationModal);
    // Its size for the texts it has now: the layout first drops the minimum of earlier texts.
    dialog.layout()->activate();
    dialog.adjustSize();
    dialog.move(geometry().center() - dialog.rect().center());
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void MainWindow::ShowSideKeyDialog() {
    ShowDialog(*m_sideKeys);
}

void MainWindow::ShowDtmfDialog() {
    ShowDialog(*m_dtmf);
}

void MainWindow::ShowPowerDialog() {
    ShowDialog(*m_power);
}

void MainWindow::ShowAboutDialog() {
    ShowDialog(*m_about);
}

void MainWindow::PowerMaxLabelClicked(int label) {
    const bool unlocked =
        label == 8 ? m_powerLock.LowMaxLabelClick() : m_powerLock.HighMaxLabelClick();
    if (unlocked) {
        m_power->SetUnlocked(true);
        m_toolbarButtons["PowerLock"]->setVisible(true);
    }
}

void MainWindow::PowerLockButtonClicked() {
    if (m_powerLock.PowerLockClick()) {
        m_power->SetUnlocked(false);
        m_toolbarButtons["PowerLock"]->setVisible(false);
    }
}

void MainWindow::OpenHelp() {
    const std::filesystem::path folder =
        m_helpFolder.empty() ? LocalPath(QCoreApplication::applicationDirPath()) : m_helpFolder;
    const Lang lang = LanguageOf(m_editor.LanguageFlag);
    const std::filesystem::path help = HelpFilePath(folder, lang);
    if (help.empty()) {
        ShowMessage(Text("找不到帮助文件 %1。", "The help file %1 was not found.")
                        .arg(QString::fromStdString(ExpectedHelpFilePath(folder, lang).string()))
                        .toStdString(),
                    kStyleWarning, "");
        return;
    }
    const QString path = QString::fromStdString(help.string());
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        ShowMessage(
            Text("没有能打开帮助文件 %1 的程序。", "No program could open the help file %1.")
                .arg(path)
                .toStdString(),
            kStyleWarning, "");
    }
}

void MainWindow::PrintPlan() {
    if (!m_memoryGrid->EndEntry()) {
        return;
    }
    const ReportTab tab = m_tabs->currentIndex() == 0 ? ReportTab::kMemory : ReportTab::kDebug;
    const Lang lang = LanguageOf(m_editor.LanguageFlag);
    const Status printed = PrintReport(ComposeReport(m_editor, tab, lang));
    if (printed.code == ErrorCode::kNoPrinter) {
        OfferPreviewOrPdf();
        return;
    }
    if (!printed.ok()) {
        ShowMessage(printed.message, kStyleWarning, "");
    }
}

QWidget* MainWindow::WindowNamed(const std::string& name) {
    for (QWidget* window : std::initializer_list<QWidget*>{this, m_sideKeys.get(), m_dtmf.get(),
                                                           m_power.get(), m_about.get()}) {
        if (window != nullptr && window->objectName().toStdString() == name) {
            return window;
        }
    }
    return nullptr;
}

void MainWindow::ApplyLanguage() {
    const Lang lang = LanguageOf(m_editor.LanguageFlag);
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
             m_modelFrame, m_functionFrame, m_sideKeys.get(), m_dtmf.get(), m_power.get()}) {
        FitListsToTexts(*area);
    }
    if (!m_planFile.isEmpty()) {
        SetCaptionTo(m_planFile);  // the table's caption is the window's without a file
    }
    ShowOutcomeText();
}

void MainWindow::ChooseChinese() {
    if (m_editor.LanguageFlag != 1) {
        return;
    }
    m_document->ApplyUnrecorded([](EditorState& editor) { editor.LanguageFlag = 0; });
    ApplyLanguage();
    GrowToShowPlan(*this);  // the other language may need more room
}

void MainWindow::ChooseEnglish() {
    if (m_editor.LanguageFlag != 0) {
        return;
    }
    m_document->ApplyUnrecorded([](EditorState& editor) { editor.LanguageFlag = 1; });
    ApplyLanguage();
    GrowToShowPlan(*this);  // the other language may need more room
}

void MainWindow::ToolbarButtonClicked(const QString& key) {
    if (key == "new") {
        NewPlan();
    } else if (key == "open") {
        OpenPlan();
    } else if (key == "save") {
        SavePlan();
    } else if (key == "write") {
        WriteRadio();
    } else if (key == "read") {
        ReadRadio();
    } else if (key == "PowerLock") {
        PowerLockButtonClicked();
    }
    // Any other key does nothing.
}

void MainWindow::ShowSelectedTab() {
    const bool memory = m_tabs->currentIndex() == 0;
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

void MainWindow::BandChosen() {
    m_band = BandLimits{400, 480};
    auto* band = findChild<QComboBox*>("Combo1");
    if (band->currentIndex() != m_bandIndex) {
        const int answer = ShowMessage(
            Text("选用不同型号或不同频段将删除所有信道的数据，是否继续？",
                 "Choose different frequencies will delete all the channel's data, do you wish "
                 "to continue?")
                .toStdString(),
            kStyleQuestion, "");
        if (answer == kMessageNo) {
            band->setCurrentIndex(m_bandIndex);
            return;
        }
        if (answer == kMessageYes) {
            m_document->Apply({EditKind::kBand, 0, 0, {}}, [](EditorState& editor) {
                ClearMemoryChannels(editor);
                ClearDebugChannels(editor);
            });
        }
    }
    m_bandIndex = band->currentIndex();
}

bool MainWindow::MaySaveChanges(const std::function<void(EditorState&, const EditorState&)>& kept) {
    if (!m_document->isModified()) {
        return true;
    }
    if (kept) {
        // Compared as the radio would get them: a language switch re-words cells but changes
        // nothing stored.
        const EditorState& saved = m_document->savedEditor();
        EditorState lost = m_editor;
        kept(lost, saved);
        const auto now = m742::EncodeImage(lost);
        const auto before = m742::EncodeImage(saved);
        if (now.ok() && before.ok() ? now.value() == before.value() : lost == saved) {
            return true;
        }
    }
    const int answer =
        ShowMessage(SaveChangesQuestion(LanguageOf(m_editor.LanguageFlag)), kStyleYesNoCancel, "");
    if (answer == kMessageYes) {
        return Save();
    }
    return answer == kMessageNo;
}

void MainWindow::NewPlan() {
    // A new plan keeps the password, the ANI code and the dialogs' settings.
    if (!MaySaveChanges([](EditorState& editor, const EditorState& saved) {
            editor.password = saved.password;
            editor.ani = saved.ani;
            editor.sideKeys = saved.sideKeys;
            editor.dtmf = saved.dtmf;
            editor.powerLevels = saved.powerLevels;
        })) {
        return;
    }
    const int answer = ShowMessage(
        Text("所有信道的数据将被清除！", "All the channel's data will be cleared！").toStdString(),
        kStyleConfirm, Text("警告", "Warmming").toStdString());
    if (answer == kMessageCancel) {
        return;
    }
    m_document->Apply({EditKind::kNew, 0, 0, {}}, [](EditorState& editor) {
        ClearMemoryChannels(editor);
        ClearDebugChannels(editor);
        ResetChannelPlan(editor);
    });
    m_debugGrid->SelectChannel(1);
    SetCaptionTo({});  // the new plan is no file's
}

void MainWindow::SetCaptionTo(const QString& file) {
    // As the system writes names: C:\Users\... on Windows.
    m_planFile =
        file.isEmpty() ? QString() : QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
    if (!m_planFile.isEmpty()) {
        setWindowTitle(QString(kApplicationTitle) + "-" + m_planFile);
        return;
    }
    const Lang lang = LanguageOf(m_editor.LanguageFlag);
    for (const TextRow& row : MainWindowTexts()) {
        if (row.window == "Form1" && row.property == TextProperty::kWindowTitle) {
            setWindowTitle(QString::fromUtf8(row.in(lang).data(), qsizetype(row.in(lang).size())));
        }
    }
}

void MainWindow::OpenPlan() {
    HideFrequencyEditor();
    if (!MaySaveChanges()) {
        return;
    }
    const QString file = chooseFile(false);
    if (file.isEmpty()) {
        return;
    }
    OpenFile(file);
}

void MainWindow::OpenFile(const QString& file) {
    EditorState opened = m_editor;
    Status status = OpenDataFile(LocalPath(file), opened);
    // Open and then Write is how a file reaches a radio: a file that is no data file (a JSON
    // plan, a PDF, another program's file) opens only when the user says so.
    if (status.code == ErrorCode::kNotDataFile) {
        const Lang lang = LanguageOf(m_editor.LanguageFlag);
        const std::string question =
            FillText(kOpenAnyway.in(lang), {Quoted(file.toStdString(), lang)});
        if (ShowMessage(question, kStyleQuestion + kDefaultSecond, "") != kMessageYes) {
            return;
        }
        status = OpenDataFile(LocalPath(file), opened, DataFileCheck::kAnyContent);
    }
    if (!status.ok()) {
        ShowMessage(status.message, kStyleError, "");
        return;
    }
    m_document->Commit({EditKind::kOpen, 0, 0, {}}, opened);
    m_document->MarkSaved();
    SetCaptionTo(file);
    m_debugGrid->SelectChannel(1);
}

void MainWindow::SavePlan() {
    Save();
}

bool MainWindow::Save() {
    // Save, Write and Print take an open entry first, as leaving it would; a refused entry
    // stops them.
    if (!m_memoryGrid->EndEntry()) {
        return false;
    }
    for (;;) {
        QString file = chooseFile(true);
        if (file.isEmpty()) {
            return false;
        }
        // A name typed without an extension is a data file all the same.
        if (QFileInfo(file).suffix().isEmpty()) {
            file += ".DAT";
        }
        const auto image = m742::EncodeImage(m_editor);
        if (!image.ok()) {
            ShowMessage(image.status().message, kStyleError, "");
            return false;
        }
        if (QFileInfo::exists(file)) {
            // A file that cannot be replaced (read-only, a pipe, a device) is refused at once.
            if (const Status ready = CheckDataFileSavable(LocalPath(file)); !ready.ok()) {
                ShowMessage(ready.message, kStyleError, "");
                return false;
            }
            const int answer = ShowMessage(
                Text("该文件已存在，是否覆盖？", "This file already exists, whether to cover?")
                    .toStdString(),
                kStyleQuestion, "");
            if (answer == kMessageNo) {
                continue;  // choose again
            }
        }
        const Status saved = WriteDataFile(LocalPath(file), image.value());
        if (!saved.ok()) {
            ShowMessage(saved.message, kStyleError, "");
            return false;
        }
        m_document->MarkSaved();
        SetCaptionTo(file);
        return true;
    }
}

void MainWindow::ReadRadio() {
    // A read keeps the password it is checked against.
    if (!MaySaveChanges([](EditorState& editor, const EditorState& saved) {
            editor.password = saved.password;
        })) {
        return;
    }
    m_exchange->ReadRadio();
}

void MainWindow::WriteRadio() {
    if (!m_memoryGrid->EndEntry()) {
        return;
    }
    m_exchange->WriteRadio();
}

void MainWindow::ChoosePort(int number) {
    m_ports.ChoosePort(number, m_editor.LanguageFlag);
    for (auto& [n, action] : m_comActions) {
        action->setChecked(m_ports.Checked(n));
    }
}

void MainWindow::RefreshComMenu() {
    const Lang lang = LanguageOf(m_editor.LanguageFlag);
    for (auto& [n, action] : m_comActions) {
        const std::string device = ComPortDevice(n);
        const bool present = !device.empty() && DeviceExists(device);
        const PortDescription port = present ? DescribePort(device) : PortDescription{};
        action->setText(QString::fromStdString(ComMenuCaption(n, device, present, port, lang)));
        // A ticked entry stays choosable, so that choosing it again says what became of it.
        action->setEnabled(present || action->isChecked());
    }
}

void MainWindow::SyncPanelFromEditor() {
    for (const SettingField& field : SettingFields()) {
        if (field.section != Section::kPanel) {
            continue;
        }
        if (auto* list = findChild<QComboBox*>(
                QString::fromUtf8(field.name.data(), qsizetype(field.name.size())))) {
            const QSignalBlocker quiet(list);
            list->setCurrentIndex(SettingValue(field, m_editor));
        }
    }
    // A box being typed into keeps its cursor: only a text from elsewhere is put in.
    for (auto [box, text] :
         {std::pair{m_password, &m_editor.password}, std::pair{m_ani, &m_editor.ani}}) {
        const QString shown = QString::fromStdString(*text);
        if (box->text() != shown) {
            const QSignalBlocker quiet(box);
            box->setText(shown);
        }
    }
}

// ExchangeWindow

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
    const std::string_view text = m_lastOutcome->in(LanguageOf(m_editor.LanguageFlag));
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
    m_toolbarButtons["read"]->setEnabled(enabled);
    m_toolbarButtons["write"]->setEnabled(enabled);
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

void MainWindow::SetTimerEnabled(ExchangeTimer timer, bool enabled) {
    m_timers->SetEnabled(timer, enabled);
}

int MainWindow::ShowMessage(std::string_view text, int style, std::string_view title) {
    return m742::ShowMessage(this, m_editor.LanguageFlag, text, style, title);
}

int MainWindow::ShowMessage(const Message& message, int style, std::string_view title) {
    return ShowMessage(Worded(message, LanguageOf(m_editor.LanguageFlag)), style, title);
}

ImageHex MainWindow::EncodeImage() {
    const auto image = m742::EncodeImage(m_editor);
    if (!image.ok()) {
        ShowMessage(image.status().message, kStyleError, "");
        return {};
    }
    KeepBackupOf(image.value(), BackupKind::kBeforeWrite);
    m_writeStep = m_document->undoStack().index();
    return ImageToHex(image.value());
}

void MainWindow::DecodeImage(const ImageHex& image) {
    if (TakeReadBack(image)) {
        return;  // a verify's read-back leaves the editor alone
    }
    EditorState read = m_editor;
    m742::DecodeImage(std::string_view(image), read);
    m_document->Commit({EditKind::kRead, 0, 0, {}}, read);
    m_document->MarkSaved();
    if (const auto bytes = ImageFromHex(image)) {
        KeepBackupOf(*bytes, BackupKind::kRead);
    }
}

void MainWindow::ShowDebugChannel() {
    m_debugGrid->ShowDebugChannel();
}

}  // namespace m742
