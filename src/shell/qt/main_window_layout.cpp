// The main window's menus, toolbar and panels, built once with every control named as in the
// original program; the panel's lists and boxes write to the editor and show what it holds.
#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QSettings>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <functional>
#include <utility>

#include "channel_editing/qt/debug_grid.h"
#include "channel_editing/qt/memory_grid.h"
#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "radio_link/com_ports.h"
#include "shell/panel_rules.h"
#include "shell/qt/dialog_controller.h"
#include "shell/qt/main_window.h"
#include "shell/qt/plan_file_controller.h"
#include "shell/qt/radio_controller.h"
#include "shell/qt/report_controller.h"
#include "shell/qt/settings_panel.h"
#include "shell/qt/undo_menu.h"
#include "shell/qt/user_settings.h"
#include "texts/backup_texts.h"
#include "texts/window_texts.h"

namespace m742 {

namespace {}  // namespace

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
    item(file, "mnuNew", [this] { m_planFiles->NewPlan(); });
    item(file, "mnuOpen", [this] { m_planFiles->OpenPlan(); });
    item(file, "mnuAssave", [this] { m_planFiles->SavePlan(); });
    item(file, "mnuprint", [this] { m_reports->PrintPlan(); });
    item(file, "mnuPrintPreview", [this] { m_reports->PreviewReport(); });
    item(file, "mnuExportPdf", [this] { m_reports->ExportPdf(); });
    file->addSeparator()->setObjectName("mnuLine");
    item(file, "mnuQuit", [this] { Quit(); });

    QMenu* edit = menu(nullptr, "mnuEdit");
    item(edit, "mnuSideFunction", [this] { m_dialogs->ShowSideKeyDialog(); });
    item(edit, "mnuDTMF", [this] { m_dialogs->ShowDtmfDialog(); })->setText("DTMF");
    QAction* frequency = item(edit, "mnuFrequency", [] {});
    frequency->setText(Text(kTestFrequencyCaption));
    frequency->setVisible(false);
    frequency->setEnabled(false);
    item(edit, "mnuDebug", [this] { m_dialogs->ShowPowerDialog(); });
    // Undo and Redo head the menu; an open cell entry ends before either runs.
    new UndoMenuItems(*m_document, *edit, [this] { return m_memoryGrid->EndEntry(); });

    m_programming = menu(nullptr, "mnupro");
    item(m_programming, "mnureadFre", [this] {
        m_radio->ReadRadio();
    })->setShortcut(QKeySequence("Ctrl+R"));
    item(m_programming, "mnuwriteFre", [this] {
        m_radio->WriteRadio();
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
        connect(a, &QAction::triggered, this, [this, n] { m_radio->ChoosePort(n); });
        m_comActions[n] = a;
    }
    // A cable plugged in while the program runs shows up the next time the menu opens.
    connect(com, &QMenu::aboutToShow, this, [this] { m_radio->RefreshComMenu(); });

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
    item(help, "mnuabout", [this] { m_dialogs->ShowAboutDialog(); });
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
    // The buttons by number 1-7, as the tooltips address them; each carries its key as data and
    // in its object name ("Toolbar1_new"). The fourth is a separator.
    const std::pair<const char*, std::function<void()>> buttons[] = {
        {"new", [this] { m_planFiles->NewPlan(); }},
        {"open", [this] { m_planFiles->OpenPlan(); }},
        {"save", [this] { m_planFiles->SavePlan(); }},
        {nullptr, nullptr},
        {"read", [this] { m_radio->ReadRadio(); }},
        {"write", [this] { m_radio->WriteRadio(); }},
        {"PowerLock", [this] { m_dialogs->PowerLockButtonClicked(); }},
    };
    int index = 0;
    for (const auto& [key, command] : buttons) {
        QAction* a = nullptr;
        if (key == nullptr) {
            a = m_toolbar->addSeparator();
        } else {
            a = m_toolbar->addAction(QIcon(QString(":/toolbar/%1.png").arg(QString(key).toLower())),
                                     QString());
            a->setObjectName(QString("Toolbar1_") + key);
            a->setData(QString(key));
            connect(a, &QAction::triggered, this, command);
        }
        m_toolbarByIndex[++index] = a;
    }
    m_powerLockButton = m_toolbarByIndex[7];
    m_readButton = m_toolbarByIndex[5];
    m_writeButton = m_toolbarByIndex[6];
    m_powerLockButton->setVisible(false);
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
        *m_document, m_panel->band(),
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

QLayout* MainWindow::BuildStatusRow(QWidget* central) {
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
    return statusRow;
}

// "Open backup" beside Open, and "Verify after write" at the end of the Programming menu.
void MainWindow::BuildBackupMenus(QMenu* file, QMenu* programming) {
    auto* open = new QAction(this);
    open->setObjectName("mnuOpenBackup");
    connect(open, &QAction::triggered, this, [this] { m_planFiles->OpenBackup(); });
    file->insertAction(findChild<QAction*>("mnuAssave"), open);

    m_verify = new QAction(this);
    m_verify->setObjectName("mnuVerify");
    m_verify->setCheckable(true);
    m_verify->setChecked(m_settings->value(kVerifyAfterWriteKey, false).toBool());
    connect(m_verify, &QAction::triggered, this,
            [this](bool checked) { m_radio->SetVerifyAfterWrite(checked); });
    programming->addSeparator();
    programming->addAction(m_verify);
}

void MainWindow::BuildChannelListMenus(QMenu* file) {
    // Beside Save, before the report commands: the plan in another form.
    QAction* print = findChild<QAction*>("mnuprint");
    for (const auto& [name, run] : {std::pair<const char*, void (PlanFileController::*)()>{
                                        "mnuImportCsv", &PlanFileController::ImportCsv},
                                    std::pair<const char*, void (PlanFileController::*)()>{
                                        "mnuExportCsv", &PlanFileController::ExportCsv}}) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this,
                [this, run = run] { (m_planFiles.get()->*run)(); });
        file->insertAction(print, action);
    }
    file->insertSeparator(print)->setObjectName("mnuLineCsv");
}

void MainWindow::BuildCompareMenu(QMenu* file) {
    auto* compare = new QAction(this);
    compare->setObjectName("mnuCompare");
    connect(compare, &QAction::triggered, this, [this] { m_planFiles->CompareWithFile(); });
    file->insertAction(findChild<QAction*>("mnuprint"), compare);
}

}  // namespace m742
