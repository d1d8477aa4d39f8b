// What the system says about a serial device, and whether it opens now.
#pragma once

#include <string>

#include "radio_link/com_ports.h"
#include "radio_link/port.h"

namespace m742 {

// The system's description of `device` (QSerialPortInfo); all empty when it lists no such port.
PortDescription DescribePort(const std::string& device);

// Opens `device` as an exchange does and closes it again: OpenError::kNone when it opened.
OpenError ProbePort(const std::string& device);

}  // namespace m742
