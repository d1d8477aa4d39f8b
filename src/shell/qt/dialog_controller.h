// The settings dialogs and About, for the main window: made once the window stands, each shown
// modal over it; and the power lock, whose gestures on the power dialog unlock its sliders and
// show the toolbar's "PowerLock" button, which locks them again.
#pragma once

#include <memory>

#include "shell/power_lock.h"

class QAction;
class QDialog;

namespace m742 {

class AboutDialog;
class DtmfDialog;
class EditorDocument;
class MainWindow;
class PowerDialog;
class SideKeyDialog;

class DialogController {
public:
    DialogController(MainWindow& window, EditorDocument& document, PowerLock::Clock clock,
                     QAction& powerLockButton);
    ~DialogController();

    // Makes the dialogs: once, after the window's start-up plan is in place.
    void CreateDialogs();

    void ShowSideKeyDialog();
    void ShowDtmfDialog();
    void ShowPowerDialog();
    void ShowAboutDialog();
    // The toolbar's "PowerLock" button: two clicks within a second lock the power levels.
    void PowerLockButtonClicked();

    // Once CreateDialogs has made them.
    SideKeyDialog& sideKeyDialog() const { return *m_sideKeys; }
    DtmfDialog& dtmfDialog() const { return *m_dtmf; }
    PowerDialog& powerDialog() const { return *m_power; }
    AboutDialog& aboutDialog() const { return *m_about; }
    const PowerLock& powerLock() const { return m_powerLock; }

private:
    void ShowDialog(QDialog& dialog);
    // A click on the "Hight" label of the power dialog's frame `label` (8 low, else high).
    void PowerMaxLabelClicked(int label);

    MainWindow& m_window;
    EditorDocument& m_document;
    QAction& m_powerLockButton;
    PowerLock m_powerLock;
    std::unique_ptr<SideKeyDialog> m_sideKeys;  // object name "Form5"
    std::unique_ptr<DtmfDialog> m_dtmf;         // object name "Form2"
    std::unique_ptr<PowerDialog> m_power;       // object name "Form3"
    std::unique_ptr<AboutDialog> m_about;       // object name "frmAbout"
};

}  // namespace m742
