#include "radio_link/com_ports.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "radio_data/file_names.h"
#include "texts/message_text.h"
#include "texts/port_texts.h"

namespace m742 {

#ifndef _WIN32
namespace {

// Devices of one family ("ttyUSB") ordered by their number: ttyS2 before ttyS10.
std::vector<std::string> Family(const std::string& prefix) {
    std::vector<std::pair<long, std::string>> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/dev", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        const std::string digits = name.substr(prefix.size());
        if (!std::all_of(digits.begin(), digits.end(),
                         [](unsigned char c) { return std::isdigit(c) != 0; })) {
            continue;
        }
        found.emplace_back(std::stol(digits), entry.path().string());
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> devices;
    for (auto& [number, path] : found) {
        devices.push_back(std::move(path));
    }
    return devices;
}

}  // namespace
#endif

std::vector<std::string> SerialDevices() {
#ifdef _WIN32
    return {};
#else
    std::vector<std::string> devices;
    for (const char* prefix : {"ttyUSB", "ttyACM", "ttyS"}) {
        const auto family = Family(prefix);
        devices.insert(devices.end(), family.begin(), family.end());
    }
    return devices;
#endif
}

std::string ComPortDevice(int number) {
    if (number < 1 || number > kComPortCount) {
        return {};
    }
    const std::string variable = "M742_COM" + std::to_string(number);
    if (const char* mapped = std::getenv(variable.c_str()); mapped != nullptr && *mapped != '\0') {
        return mapped;
    }
#ifdef _WIN32
    return "COM" + std::to_string(number);
#else
    const auto devices = SerialDevices();
    return static_cast<std::size_t>(number) <= devices.size()
               ? devices[static_cast<std::size_t>(number - 1)]
               : std::string();
#endif
}

bool DeviceExists(const std::string& device) {
#ifdef _WIN32
    // "COM3", "\\.\COM3": a name in the system's device space.
    const std::string name = device.starts_with("\\\\.\\") ? device.substr(4) : device;
    if (name.find_first_of("/\\") == std::string::npos) {
        std::array<wchar_t, 512> target{};
        if (QueryDosDeviceW(FilePath(name).c_str(), target.data(),
                            static_cast<DWORD>(target.size())) != 0) {
            return true;
        }
        // A port the system did not register (Wine's links to other devices): there when it
        // opens, or is held by another program.
        const HANDLE port =
            CreateFileW(FilePath("\\\\.\\" + name).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                        nullptr, OPEN_EXISTING, 0, nullptr);
        if (port == INVALID_HANDLE_VALUE) {
            return GetLastError() == ERROR_ACCESS_DENIED;
        }
        CloseHandle(port);
        return true;
    }
#endif
    std::error_code ec;
    return std::filesystem::exists(FilePath(device), ec);
}

std::vector<ComPort> PresentComPorts() {
    std::vector<ComPort> present;
    for (int number = 1; number <= kComPortCount; ++number) {
        std::string device = ComPortDevice(number);
        if (!device.empty() && DeviceExists(device)) {
            present.push_back({number, std::move(device)});
        }
    }
    return present;
}

std::optional<int> ComPortNumber(std::string_view name) {
    if (name.size() != 4 || std::toupper(static_cast<unsigned char>(name[0])) != 'C' ||
        std::toupper(static_cast<unsigned char>(name[1])) != 'O' ||
        std::toupper(static_cast<unsigned char>(name[2])) != 'M' || name[3] < '1' ||
        name[3] > '0' + kComPortCount) {
        return std::nullopt;
    }
    return name[3] - '0';
}

std::string UsbId(const PortDescription& port) {
    if (!port.vendorId || !port.productId) {
        return {};
    }
    char text[10];
    std::snprintf(text, sizeof text, "%04x:%04x", unsigned{*port.vendorId},
                  unsigned{*port.productId});
    return text;
}

namespace {

// At most `limit` bytes of UTF-8 text, cut before a whole character and marked with "…".
std::string Shortened(const std::string& text, std::size_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) {
        --end;
    }
    return text.substr(0, end) + "…";
}

}  // namespace

Message ComMenuCaption(int number, std::string_view device, bool present,
                       const PortDescription& port) {
    const std::string n = std::to_string(number);
    std::string caption = "COM" + n + "(&" + n + ")  ";
    if (device.empty()) {
        return {&kComMenuNoDevice, {caption}};
    }
    caption += device;
    if (!present) {
        return {&kComMenuNoDevice, {caption + " "}};
    }
    constexpr std::size_t kLongestDescription = 40;
    std::string about = Shortened(port.description, kLongestDescription);
    if (const std::string id = UsbId(port); !id.empty()) {
        about += (about.empty() ? "" : " ") + ("(" + id + ")");
    }
    return {&kAsItStands, {about.empty() ? caption : caption + " — " + about}};
}

}  // namespace m742
