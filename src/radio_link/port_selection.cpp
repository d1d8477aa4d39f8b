#include "radio_link/port_selection.h"

#include <sys/stat.h>

#include <filesystem>
#include <utility>

#include "radio_data/file_names.h"
#include "radio_data/status.h"
#include "texts/backup_texts.h"
#include "texts/message_style.h"
#include "texts/port_texts.h"
#include "texts/punctuation.h"

namespace m742 {

PortSelection::PortSelection(SerialControl& port, MessageFunction showMessage)
    : m_port(port), m_showMessage(std::move(showMessage)) {}

void PortSelection::ChoosePort(int number, std::int16_t languageFlag) {
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
        m_showMessage(ComPortMessage(number, m_port.LastOpenError(), m_port.DeviceName(),
                                     PresentComPorts(), languageFlag),
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

// "COM1 = /dev/ttyUSB0, COM2 = /dev/ttyS0", leaving out `except`.
std::string Mapping(const std::vector<ComPort>& present, int except, std::string_view separator) {
    std::string text;
    for (const ComPort& port : present) {
        if (port.number != except) {
            const std::string com = "COM" + std::to_string(port.number);
            text += (text.empty() ? "" : std::string(separator)) + com;
            if (port.device != com) {  // Windows: COMn is the device itself
                text += " = " + port.device;
            }
        }
    }
    return text;
}

// "COM1 (/dev/ttyUSB0)", or the device alone when it was named directly.
std::string PortLabel(int number, std::string_view device, bool english) {
    if (!IsComNumber(number)) {
        return std::string(device);
    }
    std::string com = "COM" + std::to_string(number);
    if (device.empty() || device == com) {  // Windows: COMn is the device itself
        return com;
    }
    return com + FillText(kInParentheses.in(english ? Lang::English : Lang::Chinese), {device});
}

std::string NotFound(int number, std::string_view device, const std::vector<ComPort>& present,
                     bool english) {
    const std::string name(device);
    const std::string com = "COM" + std::to_string(number);
    const Lang lang = english ? Lang::English : Lang::Chinese;
    std::string text;
    if (!IsComNumber(number)) {
        text = FillText(kNoSerialDevice.in(lang), {name});
    } else if (name.empty() || name == com) {  // Windows: COMn is the device itself
        text = FillText(kNothingConnectedAs.in(lang), {com});
    } else {
        text = FillText(kNothingConnectedAsDevice.in(lang), {com, name});
    }
    const std::string others = Mapping(present, number, kComma.in(lang));
    text += others.empty() ? std::string(kNoOtherSerialDevice.in(lang))
                           : FillText(kOtherSerialDevices.in(lang), {others});
    return text;
}

// What the name given as a port is instead.
std::string NotSerial(const std::string& port, const std::string& name, Lang lang) {
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
    return FillText(kNotSerialPort.in(lang), {port, what->in(lang)});
}

}  // namespace

std::string OpenFailureCause(OpenError error, int number, std::string_view device,
                             const std::vector<ComPort>& present, std::int16_t languageFlag) {
    const bool english = LanguageOf(languageFlag) == Lang::English;
    const std::string name(device);
    switch (error) {
        case OpenError::kNotFound:
            // No number chosen yet: the message to choose one says it all.
            return IsComNumber(number) || !name.empty() ? NotFound(number, name, present, english)
                                                        : std::string();
        case OpenError::kPermissionDenied: {
            const std::string port = PortLabel(number, name, english);
            return FillText(kPortPermissionDenied.in(english ? Lang::English : Lang::Chinese),
                            {port});
        }
        case OpenError::kBusy: {
            std::string note =
                PortHolderNote(number, name, SystemPortHolders(name), languageFlag).text;
            if (note.empty() && !IsComNumber(number)) {
                note = FillText(kDeviceBusy.in(LanguageOf(languageFlag)), {name});
            }
            return note;
        }
        case OpenError::kNotSerial:
            return NotSerial(PortLabel(number, name, english), name, LanguageOf(languageFlag));
        default:
            return {};
    }
}

HolderNote PortHolderNote(int number, std::string_view device,
                          const std::vector<PortHolder>& holders, std::int16_t languageFlag) {
    const Lang lang = LanguageOf(languageFlag);
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
        return {FillText(kMayHoldPort.in(lang), {shown->program, pid}), false};
    }
    const Bilingual& pattern = shown->program == "brltty" ? kHeldByBrltty : kHeldByModemManager;
    return {FillText(pattern.in(lang), {PortLabel(number, device, lang == Lang::English), pid}),
            true};
}

std::string ComPortMessage(int number, OpenError error, std::string_view device,
                           const std::vector<ComPort>& present, std::int16_t languageFlag) {
    HolderNote holder;
    if (error == OpenError::kBusy) {
        holder =
            PortHolderNote(number, device, SystemPortHolders(std::string(device)), languageFlag);
        if (holder.seen) {
            return holder.text;
        }
    } else if (std::string cause = OpenFailureCause(error, number, device, present, languageFlag);
               !cause.empty()) {
        return cause;
    }
    const std::string n = std::to_string(number);
    std::string busy = FillText(kSerialPortInUse.in(LanguageOf(languageFlag)), {n});
    if (!holder.text.empty()) {
        busy += "\n\n" + holder.text;
    }
    return busy;
}

}  // namespace m742
