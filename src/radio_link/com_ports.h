// Which device each of the eight port numbers COM1 to COM8 stands for.
//
// On Windows COMn is the port of that name. On Linux the serial devices are listed in a fixed
// order -- /dev/ttyUSB*, then /dev/ttyACM*, then /dev/ttyS*, each by number -- and COMn is
// the n-th of them, so a USB programming cable is usually COM1. The environment variable
// M742_COMn (for example M742_COM1=/dev/pts/3) points COMn at any device instead.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Those of COM1 to COM8 whose device is there, in order.
std::vector<ComPort> PresentComPorts();

// 3 for "COM3" or "com3" (1-8); nothing for any other text.
std::optional<int> ComPortNumber(std::string_view name);

}  // namespace m742
