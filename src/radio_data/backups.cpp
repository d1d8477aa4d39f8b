#include "radio_data/backups.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <system_error>

#include "radio_data/atomic_file.h"
#include "radio_data/data_file.h"
#include "radio_data/file_names.h"
#include "radio_data/layout.h"
#include "radio_data/tones.h"

namespace m742 {

namespace {

constexpr std::string_view kPrefix = "M-742-";
constexpr std::string_view kWriteSuffix = "-write";
constexpr std::string_view kExtension = ".DAT";
constexpr std::size_t kStampLength = 15;  // YYYYMMDD-HHMMSS

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

// Whether a file name's last part names a port: a letter first, a digit last ("COM2",
// "ttyUSB0", "pts-3"), so that it never reads as a number or as a word such as "write".
bool IsPortTag(std::string_view tag) {
    return !tag.empty() && std::isalpha(static_cast<unsigned char>(tag.front())) != 0 &&
           std::isdigit(static_cast<unsigned char>(tag.back())) != 0;
}

// A port as a file name's last part: "/dev/ttyUSB0" -> "ttyUSB0", "/dev/pts/3" -> "pts-3";
// letters, digits and "-" only. A port whose name cannot be told that way is left out.
std::string PortTag(std::string_view port) {
    if (port.starts_with("/dev/")) {
        port.remove_prefix(5);
    }
    std::string tag;
    for (const char c : port) {
        tag += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '-';
    }
    return IsPortTag(tag) ? tag : std::string();
}

}  // namespace

std::string BackupEntry::date() const {
    return stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2);
}

std::string BackupEntry::time() const {
    return stamp.substr(9, 2) + ":" + stamp.substr(11, 2) + ":" + stamp.substr(13, 2);
}

std::filesystem::path DefaultBackupFolder() {
#ifdef _WIN32
    if (const auto data = EnvironmentPath("APPDATA"); data.is_absolute()) {
        return data / "m742" / "backups";
    }
    return std::filesystem::path("m742") / "backups";
#else
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data == '/') {
        return std::filesystem::path(data) / "m742" / "backups";
    }
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : ".") / ".local" / "share" / "m742" /
           "backups";
#endif
}

std::string BackupStamp(const std::tm& local) {
    char stamp[32] = "00000000-000000";  // a time the library cannot format still names a copy
    if (std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local) != kStampLength) {
        return "00000000-000000";
    }
    return stamp;
}

std::string BackupStampNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    const bool known = localtime_s(&local, &now) == 0;
#else
    const bool known = localtime_r(&now, &local) != nullptr;
#endif
    return known ? BackupStamp(local) : "00000000-000000";
}

std::string BackupFileName(std::string_view stamp, BackupKind kind, int sequence,
                           std::string_view port) {
    std::string name = std::string(kPrefix) + std::string(stamp);
    if (sequence > 1) {
        name += "-" + std::to_string(sequence);
    }
    if (kind == BackupKind::kBeforeWrite) {
        name += kWriteSuffix;
    }
    if (const std::string tag = PortTag(port); !tag.empty()) {
        name += "-" + tag;
    }
    return name + std::string(kExtension);
}

std::optional<BackupEntry> ParseBackupName(std::string_view name) {
    if (name.size() < kPrefix.size() + kStampLength + kExtension.size() ||
        !name.starts_with(kPrefix) ||
        !SameIgnoringCase(name.substr(name.size() - kExtension.size()), kExtension)) {
        return std::nullopt;
    }
    BackupEntry entry;
    std::string_view rest = name.substr(kPrefix.size());
    rest.remove_suffix(kExtension.size());
    entry.stamp = std::string(rest.substr(0, kStampLength));
    if (!AllDigits(rest.substr(0, 8)) || rest[8] != '-' || !AllDigits(rest.substr(9, 6))) {
        return std::nullopt;
    }
    rest.remove_prefix(kStampLength);
    // The port, the last part that starts with a letter and is not the kind.
    for (std::size_t dash = rest.find('-'); dash != std::string_view::npos;
         dash = rest.find('-', dash + 1)) {
        const std::string_view tail = rest.substr(dash + 1);
        if (IsPortTag(tail) && !tail.starts_with("write-")) {
            entry.port = std::string(tail);
            rest = rest.substr(0, dash);
            break;
        }
    }
    if (rest.ends_with(kWriteSuffix)) {
        entry.kind = BackupKind::kBeforeWrite;
        rest.remove_suffix(kWriteSuffix.size());
    }
    if (!rest.empty()) {
        // "-N" with N from 2 on, without leading zeros, so that one copy has one name.
        if (rest[0] != '-' || !AllDigits(rest.substr(1)) || rest[1] == '0' || rest.size() > 6) {
            return std::nullopt;
        }
        entry.sequence = std::stoi(std::string(rest.substr(1)));
        if (entry.sequence < 2) {
            return std::nullopt;
        }
    }
    return entry;
}

KeptBackup KeepBackup(const std::filesystem::path& folder, const RadioImage& image, BackupKind kind,
                      std::string_view stamp, std::string_view port) {
    KeptBackup kept;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        kept.path = folder / BackupFileName(stamp, kind, 1, port);
        kept.reason = ec.message();
        return kept;
    }
    // The number is shared by both kinds: a read and a write of the same second never share it.
    for (int sequence = 1;; ++sequence) {
        kept.path = folder / BackupFileName(stamp, kind, sequence, port);
        const auto other =
            folder /
            BackupFileName(stamp,
                           kind == BackupKind::kRead ? BackupKind::kBeforeWrite : BackupKind::kRead,
                           sequence, port);
        if (!std::filesystem::exists(kept.path, ec) && !std::filesystem::exists(other, ec)) {
            break;
        }
    }
    kept.reason = WriteFileAtomically(kept.path, DataFileBytes(image));
    return kept;
}

std::vector<BackupEntry> ListBackups(const std::filesystem::path& folder,
                                     std::size_t channelsShown) {
    std::vector<BackupEntry> entries;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        auto entry = ParseBackupName(it->path().filename().string());
        if (!entry || !it->is_regular_file(ec)) {
            continue;
        }
        entry->path = it->path();
        if (const auto image = ReadDataFile(entry->path); image.ok()) {
            entry->readable = true;
            entry->firstChannels = FirstChannelsInUse(image.value(), channelsShown);
        }
        entries.push_back(std::move(*entry));
    }
    std::sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
        if (a.stamp != b.stamp) {
            return a.stamp > b.stamp;
        }
        if (a.sequence != b.sequence) {
            return a.sequence > b.sequence;
        }
        return a.path > b.path;
    });
    return entries;
}

std::vector<std::string> FirstChannelsInUse(const RadioImage& image, std::size_t count) {
    std::vector<std::string> channels;
    for (int n = 1; n <= kChannelCount && channels.size() < count; ++n) {
        std::string rx = FrequencyText(image, MemoryChannelAddress(n) + kRxOffset);
        if (!rx.empty()) {
            channels.push_back(std::move(rx));
        }
    }
    return channels;
}

}  // namespace m742
