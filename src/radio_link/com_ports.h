// Which device each of the eight port numbers COM1 to COM8 stands for.
//
// On Windows COMn is the port of that name. On Linux the serial devices are listed in a fixed
// order -- /dev/ttyUSB*, then /dev/ttyACM*, then /dev/ttyS*, each by number -- and COMn is
// the n-th of them, so a USB programming cable is usually COM1. The environment variable
// M742_COMn (for example M742_COM1=/dev/pts/3) points COMn at any device instead.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "radio_data/status.h"

namespace m742 {

inline constexpr int kComPortCount = 8;

// The serial devices of this machine in the order above (Linux; empty elsewhere).
std::vector<std::string> SerialDevices();

// The device of COMn (1-8), or the empty text when there is none.
std::string ComPortDevice(int number);

// A port number that has a device behind it, and the device.
struct ComPort {
    int number = 0;
    std::string device;
};

// Whether the system has the device: a COM port that Windows knows or that opens, a file that
// Linux has.
bool DeviceExists(const std::string& device);

// Those of COM1 to COM8 whose device is there, in order.
std::vector<ComPort> PresentComPorts();

// 3 for "COM3" or "com3" (1-8); nothing for any other text.
std::optional<int> ComPortNumber(std::string_view name);

// What the system tells about a device: a USB adapter's name and numbers. All empty for a
// device it knows nothing of (a built-in port, a pseudo-terminal).
struct PortDescription {
    std::string description;  // "USB-Serial"
    std::string manufacturer;
    std::string serialNumber;
    std::optional<std::uint16_t> vendorId;
    std::optional<std::uint16_t> productId;
};

// "1a86:7523", or the empty text when the system gave no USB numbers.
std::string UsbId(const PortDescription& port);

// The "Com Port" menu's entry of COMn: "COM1(&1)  /dev/ttyUSB0 — USB-Serial (1a86:7523)";
// "COM3(&3)  (none)" for a number with no device, the device and "(none)" for a device that is
// not there. A long description is cut short so that the menu fits the screen.
Message ComMenuCaption(int number, std::string_view device, bool present,
                       const PortDescription& port);

}  // namespace m742
