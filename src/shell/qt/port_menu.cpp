#include "shell/qt/port_menu.h"

#include <QAction>
#include <string>

#include "radio_link/com_ports.h"
#include "radio_link/qt/port_info.h"
#include "shell/qt/main_window.h"
#include "shell/qt/window_menus.h"
#include "texts/message_text.h"

namespace m742 {

PortMenu::PortMenu(MainWindow& window)
    : m_window(window),
      m_selection(m_port, [this](const Message& text, int style, std::string_view title) {
          return m_window.ShowMessage(text, style, title);
      }) {}

void PortMenu::ChoosePort(int number) {
    m_selection.ChoosePort(number);
    TickComMenu();
}

void PortMenu::SetPortNumber(std::int16_t number) {
    m_selection.SetPortNumber(number);
}

void PortMenu::CheckComMenu(std::int16_t number) {
    m_selection.CheckComMenu(number);
    TickComMenu();
}

void PortMenu::TickComMenu() {
    for (const auto& [n, action] : m_window.menus().comItems()) {
        action->setChecked(m_selection.Checked(n));
    }
}

void PortMenu::RefreshComMenu() {
    const Lang lang = m_window.language();
    for (const auto& [n, action] : m_window.menus().comItems()) {
        const std::string device = ComPortDevice(n);
        const bool present = !device.empty() && DeviceExists(device);
        const PortDescription port = present ? DescribePort(device) : PortDescription{};
        action->setText(
            QString::fromStdString(Worded(ComMenuCaption(n, device, present, port), lang)));
        // A ticked entry stays choosable, so that choosing it again says what became of it.
        action->setEnabled(present || action->isChecked());
    }
}

void PortMenu::ClosePort() {
    m_port.SetPortOpen(false);
}

}  // namespace m742
