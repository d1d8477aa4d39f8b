#include "radio_link/port_selection.h"

#include <utility>

#include "radio_data/status.h"

namespace m742 {

PortSelection::PortSelection(SerialControl& port, MessageFunction showMessage)
    : m_port(port), m_showMessage(std::move(showMessage)) {}

void PortSelection::mnucom(int number, std::int16_t languageFlag) {
    if (number < 1 || number > 8) {
        return;
    }
    if (!m_checked[static_cast<std::size_t>(number)]) {
        m_checked.fill(false);
    }
    m_port.SetPortOpen(false);
    m_port.SetPortNumber(number);
    m_port.SetPortOpen(true);
    if (!m_port.PortOpen()) {
        m_showMessage(
            PortInUseMessage(number, m_port.LastOpenError(), m_port.DeviceName(), languageFlag), 64,
            "");
        return;
    }
    m_checked[static_cast<std::size_t>(number)] = true;
    m_portNumber = static_cast<std::int16_t>(number);
}

void PortSelection::OpenCom() {
    m_port.SetPortOpen(false);
    m_port.SetPortNumber(m_portNumber);
    m_port.SetPortOpen(true);
}

void PortSelection::CheckComMenu(int number) {
    if (number >= 1 && number <= 8) {
        m_checked[static_cast<std::size_t>(number)] = true;
    }
}

bool PortSelection::Checked(int number) const {
    return number >= 1 && number <= 8 && m_checked[static_cast<std::size_t>(number)];
}

std::string PermissionHint(OpenError error, std::string_view device, std::int16_t languageFlag) {
    if (error != OpenError::kPermissionDenied) {
        return {};
    }
    const std::string name(device);
    return LanguageOf(languageFlag) == Lang::English
               ? "You may not open " + name +
                     ". Add your user to the \"dialout\" group (sudo usermod -aG dialout "
                     "$USER), then log out and in again."
               : "没有打开 " + name +
                     " 的权限。请把当前用户加入 dialout 组（sudo usermod -aG dialout "
                     "$USER），然后重新登录。";
}

std::string PortInUseMessage(int number, OpenError error, std::string_view device,
                             std::int16_t languageFlag) {
    const std::string n = std::to_string(number);
    std::string message =
        LanguageOf(languageFlag) == Lang::English
            ? "Serial port " + n +
                  " have been other programs use, please choose other serial or turn off its "
                  "program."
            : "串行端口" + n + "已被其它程序使用，请选择其它串口或关掉其程序.";
    const std::string hint = PermissionHint(error, device, languageFlag);
    if (!hint.empty()) {
        message += "\n\n" + hint;
    }
    return message;
}

}  // namespace m742
