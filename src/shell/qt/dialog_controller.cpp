#include "shell/qt/dialog_controller.h"

#include <QAction>
#include <QLayout>
#include <utility>

#include "shell/qt/dialogs.h"
#include "shell/qt/main_window.h"

namespace m742 {

DialogController::DialogController(MainWindow& window, EditorDocument& document,
                                   PowerLock::Clock clock, QAction& powerLockButton)
    : m_window(window),
      m_document(document),
      m_powerLockButton(powerLockButton),
      m_powerLock(std::move(clock)) {}

DialogController::~DialogController() = default;

void DialogController::CreateDialogs() {
    if (m_sideKeys) {
        return;
    }
    // Owned by the main window: above it, centred on it, without a taskbar entry of their own.
    m_sideKeys = std::make_unique<SideKeyDialog>(m_document, &m_window);
    m_dtmf = std::make_unique<DtmfDialog>(m_document, &m_window);
    m_power = std::make_unique<PowerDialog>(
        m_document, [this](int label) { PowerMaxLabelClicked(label); }, &m_window);
    m_about = std::make_unique<AboutDialog>(&m_window);
    m_power->SetUnlocked(m_powerLock.PowerUnlock() == 1);
}

// Modal over the main window; the dialog hides itself when it is done.
void DialogController::ShowDialog(QDialog& dialog) {
    dialog.setWindowModality(Qt::ApplicationModal);
    // Its size for the texts it has now: the layout first drops the minimum of earlier texts.
    dialog.layout()->activate();
    dialog.adjustSize();
    dialog.move(m_window.geometry().center() - dialog.rect().center());
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void DialogController::ShowSideKeyDialog() {
    ShowDialog(*m_sideKeys);
}

void DialogController::ShowDtmfDialog() {
    ShowDialog(*m_dtmf);
}

void DialogController::ShowPowerDialog() {
    ShowDialog(*m_power);
}

void DialogController::ShowAboutDialog() {
    ShowDialog(*m_about);
}

void DialogController::PowerMaxLabelClicked(int label) {
    const bool unlocked =
        label == 8 ? m_powerLock.LowMaxLabelClick() : m_powerLock.HighMaxLabelClick();
    if (unlocked) {
        m_power->SetUnlocked(true);
        m_powerLockButton.setVisible(true);
    }
}

void DialogController::PowerLockButtonClicked() {
    if (m_powerLock.PowerLockClick()) {
        m_power->SetUnlocked(false);
        m_powerLockButton.setVisible(false);
    }
}

}  // namespace m742
