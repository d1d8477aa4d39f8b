#include "shell/qt/window_menus.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QToolBar>
#include <functional>
#include <utility>

#include "channel_editing/qt/memory_grid.h"
#include "radio_link/com_ports.h"
#include "shell/qt/channel_area.h"
#include "shell/qt/dialog_controller.h"
#include "shell/qt/main_window.h"
#include "shell/qt/plan_file_controller.h"
#include "shell/qt/port_menu.h"
#include "shell/qt/radio_controller.h"
#include "shell/qt/report_controller.h"
#include "shell/qt/undo_menu.h"
#include "shell/qt/user_settings.h"
#include "shell/recent_files.h"
#include "texts/window_texts.h"

namespace m742 {

WindowMenus::WindowMenus(MainWindow& window) : m_window(window) {
    BuildMenus();
    BuildToolbar();
}

void WindowMenus::BuildMenus() {
    MainWindow& window = m_window;
    auto menu = [&window](QMenu* parent, const char* name) {
        QMenu* m = parent != nullptr ? parent->addMenu(name) : window.menuBar()->addMenu(name);
        m->setObjectName(name);
        m->menuAction()->setObjectName(QString(name) + "_menu");
        return m;
    };
    auto item = [&window](QMenu* parent, const char* name, auto slot) {
        QAction* a = parent->addAction(name);
        a->setObjectName(name);
        QObject::connect(a, &QAction::triggered, &window, slot);
        return a;
    };
    QMenu* file = menu(nullptr, "mnuFile");
    item(file, "mnuNew", [&window] { window.planFiles().NewPlan(); });
    item(file, "mnuOpen", [&window] { window.planFiles().OpenPlan(); });
    QMenu* recent = menu(file, "mnuRecent");
    QObject::connect(recent, &QMenu::aboutToShow, &window,
                     [this, recent] { FillRecentMenu(*recent); });
    item(file, "mnuAssave", [&window] { window.planFiles().SavePlan(); });
    QAction* saveCurrent =
        item(file, "mnuSaveCurrent", [&window] { window.planFiles().SaveToCurrentFile(); });
    saveCurrent->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saveCurrent->setEnabled(false);  // until the plan comes from a file
    item(file, "mnuprint", [&window] { window.reports().PrintPlan(); });
    item(file, "mnuPrintPreview", [&window] { window.reports().PreviewReport(); });
    item(file, "mnuExportPdf", [&window] { window.reports().ExportPdf(); });
    file->addSeparator()->setObjectName("mnuLine");
    item(file, "mnuQuit", [&window] { window.Quit(); });

    QMenu* edit = menu(nullptr, "mnuEdit");
    item(edit, "mnuSideFunction", [&window] { window.dialogs().ShowSideKeyDialog(); });
    item(edit, "mnuDTMF", [&window] { window.dialogs().ShowDtmfDialog(); })->setText("DTMF");
    QAction* frequency = item(edit, "mnuFrequency", [] {});
    frequency->setText(window.Text(kTestFrequencyCaption));
    frequency->setVisible(false);
    frequency->setEnabled(false);
    item(edit, "mnuDebug", [&window] { window.dialogs().ShowPowerDialog(); });
    // Undo and Redo head the menu; an open cell entry ends before either runs. The memory
    // grid's channel operations end the menu once the grid is made.
    new UndoMenuItems(window.document(), *edit,
                      [&window] { return window.channels().memoryGrid().EndEntry(); });

    m_programming = menu(nullptr, "mnupro");
    item(m_programming, "mnureadFre", [&window] {
        window.radio().ReadRadio();
    })->setShortcut(QKeySequence("Ctrl+R"));
    item(m_programming, "mnuwriteFre", [&window] {
        window.radio().WriteRadio();
    })->setShortcut(QKeySequence("Ctrl+W"));

    QMenu* set = menu(nullptr, "mnuset");
    // A checkable item has inverted its own tick by the time it reports the click.
    m_lock = item(set, "mnulock",
                  [&window] { window.SetLocked(window.menus().lockItem().isChecked()); });
    m_lock->setCheckable(true);
    m_lock->setChecked(true);  // designed checked; the preferences decide at start-up

    QMenu* com = menu(nullptr, "mnucom");
    for (int n = 1; n <= kComPortCount; ++n) {
        const QString name = QString("mnucom%1").arg(n);
        QAction* a = com->addAction(QString("COM%1(&%1)").arg(n));
        a->setObjectName(name);
        a->setCheckable(true);
        QObject::connect(a, &QAction::triggered, &window,
                         [&window, n] { window.radio().ports().ChoosePort(n); });
        m_comActions[n] = a;
    }
    // A cable plugged in while the program runs shows up the next time the menu opens.
    QObject::connect(com, &QMenu::aboutToShow, &window,
                     [&window] { window.radio().ports().RefreshComMenu(); });

    QMenu* language = menu(nullptr, "mnuLanguage");
    item(language, "mnuChinese", [&window] { window.ChooseChinese(); });
    item(language, "mnuEnglist", [&window] { window.ChooseEnglish(); });

    QMenu* help = menu(nullptr, "mnuhelp");
    QAction* topics = item(help, "mnumainhelp", [&window] { window.OpenHelp(); });
    topics->setShortcut(QKeySequence(Qt::Key_F1));
    topics->setVisible(false);
    // The designed item stays hidden (its caption names F1 itself); this one shows the user's
    // guide in the menu, and takes F1, since a hidden item's shortcut is off.
    item(help, "mnuGuide", [&window] { window.OpenHelp(); })->setShortcut(QKeySequence(Qt::Key_F1));
    item(help, "mnuabout", [&window] { window.dialogs().ShowAboutDialog(); });
    BuildBackupMenus(file, m_programming);
    BuildChannelListMenus(file);
    BuildCompareMenu(file);
}

// The recent files, newest first; a file no longer there is shown greyed, and one item removes
// those.
void WindowMenus::FillRecentMenu(QMenu& recent) {
    MainWindow& window = m_window;
    recent.clear();
    const QStringList files = window.planFiles().recentFiles();
    std::vector<std::string> paths;
    for (const QString& file : files) {
        paths.push_back(file.toStdString());
    }
    const std::vector<std::string> labels = RecentFileLabels(paths);
    bool missing = false;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString& file = files[i];
        QAction* entry = recent.addAction(QString("&%1 %2").arg(i + 1).arg(
            QString::fromStdString(labels[static_cast<std::size_t>(i)])));
        entry->setObjectName(QString("mnuRecent%1").arg(i + 1));
        entry->setToolTip(file);
        entry->setEnabled(QFileInfo::exists(file));
        missing = missing || !entry->isEnabled();
        QObject::connect(entry, &QAction::triggered, &window,
                         [&window, file] { window.planFiles().OpenRecent(file); });
    }
    if (files.isEmpty()) {
        recent.addAction(window.Text(kNoRecentFilesText))->setEnabled(false);
    }
    recent.addSeparator();
    QAction* forget = recent.addAction(window.Text(kRemoveMissingFilesText));
    forget->setObjectName("mnuRemoveMissing");
    forget->setEnabled(missing);
    QObject::connect(forget, &QAction::triggered, &window,
                     [&window] { window.planFiles().ForgetMissingFiles(); });
}

void WindowMenus::BuildToolbar() {
    MainWindow& window = m_window;
    m_toolbar = window.addToolBar("Toolbar1");
    m_toolbar->setObjectName("Toolbar1");
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->toggleViewAction()->setEnabled(false);  // nothing may hide it
    // The buttons by number 1-7, as the tooltips address them; each carries its key as data and
    // in its object name ("Toolbar1_new"). The fourth is a separator.
    const std::pair<const char*, std::function<void()>> buttons[] = {
        {"new", [&window] { window.planFiles().NewPlan(); }},
        {"open", [&window] { window.planFiles().OpenPlan(); }},
        {"save", [&window] { window.planFiles().SavePlan(); }},
        {nullptr, nullptr},
        {"read", [&window] { window.radio().ReadRadio(); }},
        {"write", [&window] { window.radio().WriteRadio(); }},
        {"PowerLock", [&window] { window.dialogs().PowerLockButtonClicked(); }},
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
            QObject::connect(a, &QAction::triggered, &window, command);
        }
        m_toolbarByIndex[++index] = a;
    }
    m_powerLockButton = m_toolbarByIndex[7];
    m_readButton = m_toolbarByIndex[5];
    m_writeButton = m_toolbarByIndex[6];
    m_powerLockButton->setVisible(false);
}

// "Open backup" beside Open, and "Verify after write" at the end of the Programming menu.
void WindowMenus::BuildBackupMenus(QMenu* file, QMenu* programming) {
    MainWindow& window = m_window;
    auto* open = new QAction(&window);
    open->setObjectName("mnuOpenBackup");
    QObject::connect(open, &QAction::triggered, &window,
                     [&window] { window.planFiles().OpenBackup(); });
    file->insertAction(window.findChild<QAction*>("mnuAssave"), open);

    m_verify = new QAction(&window);
    m_verify->setObjectName("mnuVerify");
    m_verify->setCheckable(true);
    m_verify->setChecked(window.userSettings().value(kVerifyAfterWriteKey, false).toBool());
    QObject::connect(m_verify, &QAction::triggered, &window,
                     [&window](bool checked) { window.radio().SetVerifyAfterWrite(checked); });
    programming->addSeparator();
    programming->addAction(m_verify);
}

void WindowMenus::BuildChannelListMenus(QMenu* file) {
    MainWindow& window = m_window;
    // Beside Save, before the report commands: the plan in another form.
    QAction* print = window.findChild<QAction*>("mnuprint");
    for (const auto& [name, run] : {std::pair<const char*, void (PlanFileController::*)()>{
                                        "mnuImportCsv", &PlanFileController::ImportCsv},
                                    std::pair<const char*, void (PlanFileController::*)()>{
                                        "mnuExportCsv", &PlanFileController::ExportCsv}}) {
        auto* action = new QAction(&window);
        action->setObjectName(name);
        QObject::connect(action, &QAction::triggered, &window,
                         [&window, run = run] { (window.planFiles().*run)(); });
        file->insertAction(print, action);
    }
    file->insertSeparator(print)->setObjectName("mnuLineCsv");
}

void WindowMenus::BuildCompareMenu(QMenu* file) {
    MainWindow& window = m_window;
    auto* compare = new QAction(&window);
    compare->setObjectName("mnuCompare");
    QObject::connect(compare, &QAction::triggered, &window,
                     [&window] { window.planFiles().CompareWithFile(); });
    file->insertAction(window.findChild<QAction*>("mnuprint"), compare);
}

QAction* WindowMenus::toolbarButton(int index) const {
    const auto found = m_toolbarByIndex.find(index);
    return found != m_toolbarByIndex.end() ? found->second : nullptr;
}

void WindowMenus::SetCommandsEnabled(bool enabled) {
    m_toolbar->setEnabled(enabled);
    m_programming->setEnabled(enabled);
    m_programming->menuAction()->setEnabled(enabled);
    m_readButton->setEnabled(enabled);
    m_writeButton->setEnabled(enabled);
    for (const char* name : {"mnureadFre", "mnuwriteFre", "mnuNew", "mnuOpen", "mnuOpenBackup",
                             "mnuAssave", "mnuImportCsv"}) {
        m_window.findChild<QAction*>(name)->setEnabled(enabled);
    }
    // A new port, plan or language in the middle would cut the radio off without its end frame.
    for (const char* name : {"mnucom", "mnuLanguage"}) {
        auto* menu = m_window.findChild<QMenu*>(name);
        menu->setEnabled(enabled);
        menu->menuAction()->setEnabled(enabled);
    }
}

}  // namespace m742
