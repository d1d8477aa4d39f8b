#include "radio_link/qt/serial_port.h"

#include <QFileInfo>

#include "radio_link/com_ports.h"

namespace m742 {

QtSerialControl::QtSerialControl() {
    QObject::connect(&m_port, &QSerialPort::readyRead, &m_port, [this] {
        const QByteArray bytes = m_port.readAll();
        if (onReceived && !bytes.isEmpty()) {
            onReceived({reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                        static_cast<std::size_t>(bytes.size())});
        }
    });
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError error) { OnError(error); });
}

void QtSerialControl::SetPortNumber(int number) {
    if (!m_fixed) {
        m_device = ComPortDevice(number);
    }
}

void QtSerialControl::SetFixedDevice(std::string device) {
    m_device = std::move(device);
    m_fixed = true;
}

void QtSerialControl::SetPortOpen(bool open) {
    if (!open) {
        if (m_port.isOpen()) {
            m_port.close();
        }
        return;
    }
    if (m_port.isOpen()) {
        return;
    }
    m_lastError = OpenError::kNone;
    if (m_device.empty()) {
        m_lastError = OpenError::kNotFound;
        return;
    }
    m_port.setPortName(QString::fromStdString(m_device));
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_opening = true;
    const bool opened = m_port.open(QIODevice::ReadWrite);
    m_opening = false;
    if (!opened) {
        switch (m_port.error()) {
            case QSerialPort::DeviceNotFoundError:
            // An input/output error on opening: the device file is there but nothing answers
            // behind it (a serial port the computer does not have).
            case QSerialPort::ResourceError:
                m_lastError = OpenError::kNotFound;
                break;
            case QSerialPort::PermissionError: {
                // Qt says "permission" both for a device the user may not open and for one
                // another program has locked; the file's access rights tell them apart.
                const QFileInfo file(QString::fromStdString(m_device));
                m_lastError = file.isReadable() && file.isWritable() ? OpenError::kBusy
                                                                     : OpenError::kPermissionDenied;
                break;
            }
            default:
                m_lastError = OpenError::kOther;
                break;
        }
        return;
    }
    m_lostReported = false;
    m_port.clear();  // nothing from before this exchange
}

bool QtSerialControl::PortOpen() const {
    return m_port.isOpen();
}

bool QtSerialControl::Output(std::span<const std::uint8_t> bytes) {
    if (!m_port.isOpen()) {
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (m_port.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        return false;
    }
    // Out now: the end frame is followed at once by closing the port.
    m_port.flush();
    return m_port.isOpen() && m_port.error() == QSerialPort::NoError;
}

void QtSerialControl::OnError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || m_opening) {
        return;
    }
    m_port.clearError();
    if (!m_port.isOpen() || m_lostReported) {
        return;
    }
    m_lostReported = true;
    if (onLost) {
        onLost();
    }
}

}  // namespace m742
