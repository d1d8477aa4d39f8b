#include "radio_link/port_selection.h"

#include <sys/stat.h>

#include <filesystem>
#include <utility>

#include "radio_data/file_names.h"
#include "radio_data/status.h"
#include "texts/backup_texts.h"
#include "texts/message_style.h"
#include "texts/message_text.h"
#include "texts/port_texts.h"
#include "texts/punctuation.h"

namespace m742 {

PortSelection::PortSelection(SerialControl& port, MessageFunction showMessage)
    : m_port(port), m_showMessage(std::move(showMessage)) {}

void PortSelection::ChoosePort(int number) {
    if (number < 1 || number > 8) {
        return;
    }
    if (!m_checked[static_cast<std::size_t>(number)]) {
        m_checked.fill(false);
    }
    m_port.SetPortOpen(false);
    m_port.SetPortNumber(number);
    m_port.SetPortOpen(true);
    if (!m_port.PortOpen()) {
        m_showMessage(
            ComPortMessage(number, m_port.LastOpenError(), m_port.DeviceName(), PresentComPorts()),
            kStyleNotice, "");
        return;
    }
    m_checked[static_cast<std::size_t>(number)] = true;
    m_portNumber = static_cast<std::int16_t>(number);
}

void PortSelection::OpenCom() {
    m_port.SetPortOpen(false);
    m_port.SetPortNumber(m_portNumber);
    m_port.SetPortOpen(true);
}

void PortSelection::CheckComMenu(int number) {
    if (number >= 1 && number <= kComPortCount) {
        m_checked[static_cast<std::size_t>(number)] = true;
    }
}

bool PortSelection::Checked(int number) const {
    return number >= 1 && number <= kComPortCount && m_checked[static_cast<std::size_t>(number)];
}

namespace {

bool IsComNumber(int number) {
    return number >= 1 && number <= kComPortCount;
}

// "COM1 = /dev/ttyUSB0, COM2 = /dev/ttyS0", leaving out `except`; empty when none is left.
std::vector<MessagePart> Mapping(const std::vector<ComPort>& present, int except) {
    std::vector<MessagePart> parts;
    for (const ComPort& port : present) {
        if (port.number != except) {
            std::string com = "COM" + std::to_string(port.number);
            if (port.device != com) {  // Windows: COMn is the device itself
                com += " = " + port.device;
            }
            if (!parts.empty()) {
                parts.emplace_back(&kComma);
            }
            parts.emplace_back(std::move(com));
        }
    }
    return parts;
}

// "COM1 (/dev/ttyUSB0)", or the device alone when it was named directly.
MessagePart PortLabel(int number, std::string_view device) {
    if (!IsComNumber(number)) {
        return std::string(device);
    }
    std::string com = "COM" + std::to_string(number);
    if (device.empty() || device == com) {  // Windows: COMn is the device itself
        return com;
    }
    return Inner(Concatenated({std::move(com), Inner({&kInParentheses, {std::string(device)}})}));
}

Message NotFound(int number, std::string_view device, const std::vector<ComPort>& present) {
    const std::string name(device);
    const std::string com = "COM" + std::to_string(number);
    Message text;
    if (!IsComNumber(number)) {
        text = {&kNoSerialDevice, {name}};
    } else if (name.empty() || name == com) {  // Windows: COMn is the device itself
        text = {&kNothingConnectedAs, {com}};
    } else {
        text = {&kNothingConnectedAsDevice, {com, name}};
    }
    std::vector<MessagePart> others = Mapping(present, number);
    return Concatenated(
        {Inner(std::move(text)),
         others.empty() ? MessagePart(&kNoOtherSerialDevice)
                        : Inner({&kOtherSerialDevices, {Inner(Concatenated(std::move(others)))}})});
}

// What the name given as a port is instead.
Message NotSerial(MessagePart port, const std::string& name) {
    const Bilingual* what = &kIsOtherDevice;
#ifdef _WIN32
    // Windows: the name is UTF-8 here and UTF-16 to the system.
    std::error_code ec;
    const auto status = std::filesystem::status(FilePath(name), ec);
    if (std::filesystem::is_regular_file(status)) {
        what = &kIsRegularFile;
    } else if (std::filesystem::is_directory(status)) {
        what = &kIsFolder;
    } else if (std::filesystem::is_fifo(status)) {
        what = &kIsPipe;
    }
#else
    struct stat status {};
    if (::stat(name.c_str(), &status) == 0) {
        if (S_ISREG(status.st_mode)) {
            what = &kIsRegularFile;
        } else if (S_ISDIR(status.st_mode)) {
            what = &kIsFolder;
        } else if (S_ISFIFO(status.st_mode)) {
            what = &kIsPipe;
        }
    }
#endif
    return {&kNotSerialPort, {std::move(port), what}};
}

}  // namespace

Message OpenFailureCause(OpenError error, int number, std::string_view device,
                         const std::vector<ComPort>& present) {
    const std::string name(device);
    switch (error) {
        case OpenError::kNotFound:
            // No number chosen yet: the message to choose one says it all.
            return IsComNumber(number) || !name.empty() ? NotFound(number, name, present)
                                                        : Message();
        case OpenError::kPermissionDenied:
            return {&kPortPermissionDenied, {PortLabel(number, name)}};
        case OpenError::kBusy: {
            Message note = PortHolderNote(number, name, SystemPortHolders(name)).text;
            if (note.empty() && !IsComNumber(number)) {
                note = {&kDeviceBusy, {name}};
            }
            return note;
        }
        case OpenError::kNotSerial:
            return NotSerial(PortLabel(number, name), name);
        default:
            return {};
    }
}

HolderNote PortHolderNote(int number, std::string_view device,
                          const std::vector<PortHolder>& holders) {
    const PortHolder* shown = nullptr;
    for (const PortHolder& holder : holders) {
        if (shown == nullptr || (holder.seen && !shown->seen)) {
            shown = &holder;
        }
    }
    if (shown == nullptr) {
        return {};
    }
    const std::string pid = std::to_string(shown->pid);
    if (!shown->seen) {
        return {{&kMayHoldPort, {shown->program, pid}}, false};
    }
    const Bilingual* pattern = shown->program == "brltty" ? &kHeldByBrltty : &kHeldByModemManager;
    return {{pattern, {PortLabel(number, device), pid}}, true};
}

Message ComPortMessage(int number, OpenError error, std::string_view device,
                       const std::vector<ComPort>& present) {
    HolderNote holder;
    if (error == OpenError::kBusy) {
        holder = PortHolderNote(number, device, SystemPortHolders(std::string(device)));
        if (holder.seen) {
            return holder.text;
        }
    } else if (Message cause = OpenFailureCause(error, number, device, present); !cause.empty()) {
        return cause;
    }
    Message busy{&kSerialPortInUse, {std::to_string(number)}};
    if (holder.text.empty()) {
        return busy;
    }
    return Concatenated({Inner(std::move(busy)), "\n\n", Inner(std::move(holder.text))});
}

}  // namespace m742
