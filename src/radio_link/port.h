// The serial port as the radio link sees it. The Qt transport implements it for real ports;
// tests implement it with a fake.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace m742 {

// Why the last attempt to open the port failed.
enum class OpenError {
    kNone,
    kNotFound,          // no such device
    kPermissionDenied,  // the user may not open the device (on Linux: not in "dialout")
    kBusy,              // another program holds the port
    kNotSerial,         // the name is a file, a folder or a device that is no serial port
    kOther,
};

class SerialControl {
public:
    virtual ~SerialControl() = default;

    // COM1 to COM8. Takes effect at the next opening.
    virtual void SetPortNumber(int number) = 0;
    // Opens or closes the port at 9600 baud, 8 data bits, no parity, 1 stop bit, no flow
    // control. Failures are not reported here: PortOpen() and LastOpenError() tell.
    virtual void SetPortOpen(bool open) = 0;
    virtual bool PortOpen() const = 0;
    virtual OpenError LastOpenError() const = 0;
    // The device the port number stands for, for messages ("/dev/ttyUSB0").
    virtual std::string DeviceName() const = 0;
    // Sends one transmission in a single write; false when it could not be sent.
    virtual bool Output(std::span<const std::uint8_t> bytes) = 0;
};

}  // namespace m742
