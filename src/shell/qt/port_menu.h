// The "Com Port" menu of the main window: the serial port the radio is reached through, chosen
// by number (COM1 to COM8), ticked in the menu, and each entry named by its device.
#pragma once

#include <cstdint>

#include "radio_link/port_selection.h"
#include "radio_link/qt/serial_port.h"

namespace m742 {

class MainWindow;

class PortMenu {
public:
    explicit PortMenu(MainWindow& window);

    // Opens the port of menu entry `number` at once and ticks it.
    void ChoosePort(int number);
    // Each entry of the menu names its device and what the system says about it; a number with
    // no device is greyed. Done each time the menu opens.
    void RefreshComMenu();
    // The port the preferences name: taken before the texts are applied, and ticked in the menu
    // after.
    void SetPortNumber(std::int16_t number);
    void CheckComMenu(std::int16_t number);
    void ClosePort();
    std::int16_t portNumber() const { return m_selection.PortNumber(); }

    // What the exchange talks through.
    QtSerialControl& serialPort() { return m_port; }
    PortSelection& selection() { return m_selection; }

private:
    void TickComMenu();

    MainWindow& m_window;
    QtSerialControl m_port;
    PortSelection m_selection;
};

}  // namespace m742
