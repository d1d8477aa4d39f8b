// The serial port on Qt behind the radio link's SerialControl: a QSerialPort on Linux; on Windows
// the port's handle with a reader thread (serial_port_windows.cpp says why).
#pragma once

#include <functional>
#include <string>
#ifdef _WIN32
#include <QObject>
#include <atomic>
#include <memory>
#include <thread>
#else
#include <QSerialPort>
#endif

#include "radio_link/com_ports.h"
#include "radio_link/port.h"

namespace m742 {

class QtSerialControl : public SerialControl {
public:
    QtSerialControl();
    ~QtSerialControl() override;
    QtSerialControl(const QtSerialControl&) = delete;
    QtSerialControl& operator=(const QtSerialControl&) = delete;

    void SetPortNumber(int number) override {
        if (!m_fixed) {
            m_device = ComPortDevice(number);
        }
    }
    void SetPortOpen(bool open) override;
    bool PortOpen() const override;
    OpenError LastOpenError() const override { return m_lastError; }
    std::string DeviceName() const override { return m_device; }
    bool Output(std::span<const std::uint8_t> bytes) override;

    // Uses this device whatever port number is set (a device named on the command line).
    void SetFixedDevice(std::string device) {
        m_device = std::move(device);
        m_fixed = true;
    }

    // Everything that arrived, each time something arrives.
    std::function<void(std::span<const std::uint8_t>)> onReceived;
    // The port failed while open (the device went away): told once per opening.
    std::function<void()> onLost;

private:
#ifdef _WIN32
    void Close();
    void ReadUntilStopped(void* handle, unsigned opening);
    void ReportLost(unsigned opening);

    void* m_handle = nullptr;  // the open port's HANDLE, or nothing
    unsigned m_opening = 0;    // counts the openings: late news of an earlier one is dropped
    std::atomic<bool> m_stop{false};
    std::thread m_reader;
    QObject m_receiver;  // delivers the reader's news on the port's own thread
#else
    void OnError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    bool m_opening = false;
#endif
    std::string m_device;
    bool m_fixed = false;
    bool m_lostReported = false;
    OpenError m_lastError = OpenError::kNone;
};

}  // namespace m742
