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
    const QString wanted = QFileInfo(QString::fromStdString(device)).canonicalFilePath();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (info.systemLocation() != QString::fromStdString(device) &&
            (wanted.isEmpty() || info.systemLocation() != wanted)) {
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
