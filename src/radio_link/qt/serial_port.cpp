#include "radio_link/qt/serial_port.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>

namespace m742 {

namespace {

// Whether the device is a terminal, as every serial port is.
bool IsTerminal(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return true;  // nothing more to tell
    }
    const bool terminal = ::isatty(fd) != 0;
    ::close(fd);
    return terminal;
}

}  // namespace

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

QtSerialControl::~QtSerialControl() = default;

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
    // A file, a folder or a pipe is no port; opening a pipe would even wait for a writer.
    struct stat status {};
    if (::stat(m_device.c_str(), &status) == 0 && !S_ISCHR(status.st_mode)) {
        m_lastError = OpenError::kNotSerial;
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
                m_lastError = IsTerminal(m_device) ? OpenError::kOther : OpenError::kNotSerial;
                break;
        }
        return;
    }
    // A device that is no terminal (/dev/null, /dev/zero) opens, but carries no serial line.
    if (::isatty(static_cast<int>(m_port.handle())) == 0) {
        m_port.close();
        m_lastError = OpenError::kNotSerial;
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
