// The main window's menu bar and toolbar, built once with every item named as in the original
// program; each item runs its command on the window or on one of its controllers. While the
// radio talks, the commands that would cut it off are greyed here.
#pragma once

#include <map>

class QAction;
class QMenu;
class QToolBar;

namespace m742 {

class MainWindow;

class WindowMenus {
public:
    // Builds the menus, then the toolbar, on `window`.
    explicit WindowMenus(MainWindow& window);

    // The "Com Port" menu's items by number 1-8.
    const std::map<int, QAction*>& comItems() const { return m_comActions; }
    // "Verify after write" in the Programming menu.
    QAction& verifyItem() const { return *m_verify; }
    // "Lock" in the Settings menu.
    QAction& lockItem() const { return *m_lock; }
    // The toolbar's "PowerLock" button, shown while the power levels are unlocked.
    QAction& powerLockButton() const { return *m_powerLockButton; }
    // The toolbar's button by number 1-7, as the tooltips address them; the fourth is a
    // separator.
    QAction* toolbarButton(int index) const;
    // Off from an exchange's start until its end: the toolbar, the Programming menu and the
    // items that would replace the plan, the port or the language.
    void SetCommandsEnabled(bool enabled);

private:
    void BuildMenus();
    void BuildToolbar();
    void BuildBackupMenus(QMenu* file, QMenu* programming);
    void BuildChannelListMenus(QMenu* file);
    void BuildCompareMenu(QMenu* file);
    void FillRecentMenu(QMenu& recent);

    MainWindow& m_window;
    std::map<int, QAction*> m_toolbarByIndex;  // by button number 1-7
    QAction* m_readButton = nullptr;
    QAction* m_writeButton = nullptr;
    QAction* m_powerLockButton = nullptr;  // shown while the power levels are unlocked
    std::map<int, QAction*> m_comActions;  // mnucom1..mnucom8
    QToolBar* m_toolbar = nullptr;
    QMenu* m_programming = nullptr;  // mnupro
    QAction* m_lock = nullptr;       // mnulock
    QAction* m_verify = nullptr;     // mnuVerify
};

}  // namespace m742
