#include "radio_link/qt/port_info.h"

#include <QFileInfo>
#include <QSerialPortInfo>

#include "radio_link/qt/serial_port.h"

namespace m742 {

PortDescription DescribePort(const std::string& device) {
    PortDescription port;
    if (device.empty()) {
        return port;
    }
    // A link such as /dev/serial/by-id/... stands for the device it points at.
    const QString name = QString::fromStdString(device);
    const QString wanted = QFileInfo(name).canonicalFilePath();
    const auto matches = [&name, &wanted](const QSerialPortInfo& info) {
        const QString location = info.systemLocation();
        if (location == name || (!wanted.isEmpty() && location == wanted)) {
            return true;
        }
#ifdef _WIN32
        // Windows lists "\\.\COM3" named "COM3": the port is known by its name.
        return info.portName().compare(name, Qt::CaseInsensitive) == 0;
#else
        return false;
#endif
    };
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (!matches(info)) {
            continue;
        }
        port.description = info.description().toStdString();
        port.manufacturer = info.manufacturer().toStdString();
        port.serialNumber = info.serialNumber().toStdString();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            port.vendorId = info.vendorIdentifier();
            port.productId = info.productIdentifier();
        }
        break;
    }
    return port;
}

OpenError ProbePort(const std::string& device) {
    QtSerialControl port;
    port.SetFixedDevice(device);
    port.SetPortOpen(true);
    const OpenError error = port.PortOpen() ? OpenError::kNone : port.LastOpenError();
    port.SetPortOpen(false);
    return error;
}

}  // namespace m742
