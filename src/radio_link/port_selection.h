// The "Com Port" menu: which of COM1 to COM8 the exchanges use, and opening it afresh.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "radio_data/status.h"
#include "radio_link/com_ports.h"
#include "radio_link/port.h"
#include "radio_link/port_holders.h"

namespace m742 {

// Shows a message the way the window does (style 64: information icon and OK).
using MessageFunction = std::function<int(const Message& text, int style, std::string_view title)>;

class PortSelection {
public:
    PortSelection(SerialControl& port, MessageFunction showMessage);

    // Choosing menu entry N (1-8): tries to open COMN at once, so that a port held elsewhere
    // is reported when it is chosen. The port is left open.
    void ChoosePort(int number);

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

// Why the port of `number` (COM1-COM8; 0 for a device named directly) would not open, when the
// system told more than that it is busy: no device behind the number (with the numbers that
// have one), no such device, a device the user may not open, or ModemManager or brltty holding
// it (found in /proc). Empty otherwise.
Message OpenFailureCause(OpenError error, int number, std::string_view device,
                         const std::vector<ComPort>& present);

// What to say of ModemManager or brltty holding the port of `number` (0 for a device named
// directly): that it holds it (`seen`), that it is running and may hold it, or nothing.
struct HolderNote {
    Message text;
    bool seen = false;
};
HolderNote PortHolderNote(int number, std::string_view device,
                          const std::vector<PortHolder>& holders);

// The message of menu entry `number` when its port would not open: the cause when one is known,
// else the text for a port held by another program.
Message ComPortMessage(int number, OpenError error, std::string_view device,
                       const std::vector<ComPort>& present);

}  // namespace m742
