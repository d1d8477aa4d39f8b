// The "Com Port" menu: which of COM1 to COM8 the exchanges use, and opening it afresh.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "radio_link/port.h"

namespace m742 {

// Shows a message the way the window does (style 64: information icon and OK).
using MessageFunction =
    std::function<int(std::string_view text, int style, std::string_view title)>;

class PortSelection {
public:
    PortSelection(SerialControl& port, MessageFunction showMessage);

    // Choosing menu entry N (1-8): tries to open COMN at once, so that a port held elsewhere
    // is reported when it is chosen. The port is left open.
    void mnucom(int number, std::int16_t languageFlag);

    // Closes the port and opens the stored port number again; errors are left for the caller
    // to find through PortOpen().
    void OpenCom();

    // Ticks the entry of `number` when it is 1-8; never unticks the others.
    void CheckComMenu(int number);

    bool Checked(int number) const;
    std::int16_t PortNumber() const { return m_portNumber; }
    void SetPortNumber(std::int16_t number) { m_portNumber = number; }

private:
    SerialControl& m_port;
    MessageFunction m_showMessage;
    std::int16_t m_portNumber = 0;    // 0 when none was ever chosen
    std::array<bool, 9> m_checked{};  // the ticks of mnucom1..mnucom8 at 1..8
};

// The message for a port that would not open: the one for a port held by another program,
// followed, when the system refused permission, by what to do about it.
std::string PortInUseMessage(int number, OpenError error, std::string_view device,
                             std::int16_t languageFlag);

// What to do when the system refused permission to open `device`; empty for other errors.
std::string PermissionHint(OpenError error, std::string_view device, std::int16_t languageFlag);

}  // namespace m742
