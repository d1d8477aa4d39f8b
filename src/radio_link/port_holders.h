// Programs of the system that take serial devices for themselves: ModemManager probes every new
// USB serial device for a modem, and brltty claims the common USB serial chips for braille
// displays. Either keeps the programming cable from the radio.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace m742 {

struct PortHolder {
    int pid = 0;
    std::string program;  // "ModemManager" or "brltty"
    // True when the process's open files show the device; false when they could not be looked
    // at (another user's process), so that it only may hold it.
    bool seen = false;
};

// The running ModemManager and brltty processes that hold `device` or may hold it, looked up in
// `proc` (the /proc file system). A process whose open files can be read and do not include
// the device is left out.
std::vector<PortHolder> SystemPortHolders(const std::string& device,
                                          const std::filesystem::path& proc = "/proc");

}  // namespace m742
