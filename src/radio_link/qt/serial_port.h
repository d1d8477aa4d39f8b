// The serial port on Qt: a QSerialPort behind the radio link's SerialControl.
#pragma once

#include <QSerialPort>
#include <functional>
#include <string>

#include "radio_link/port.h"

namespace m742 {

class QtSerialControl : public SerialControl {
public:
    QtSerialControl();

    void SetPortNumber(int number) override;
    void SetPortOpen(bool open) override;
    bool PortOpen() const override;
    OpenError LastOpenError() const override { return m_lastError; }
    std::string DeviceName() const override { return m_device; }
    bool Output(std::span<const std::uint8_t> bytes) override;

    // Uses this device whatever port number is set (a device named on the command line).
    void SetFixedDevice(std::string device);

    // Everything that arrived, each time something arrives.
    std::function<void(std::span<const std::uint8_t>)> onReceived;
    // The port failed while open (the device went away): told once per opening.
    std::function<void()> onLost;

private:
    void OnError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    std::string m_device;
    bool m_fixed = false;
    bool m_opening = false;
    bool m_lostReported = false;
    OpenError m_lastError = OpenError::kNone;
};

}  // namespace m742
