// Backup copies of radio images: every read keeps what the radio held, every write from the
// window keeps what it was about to send. Both go to one folder, as data files whose names say
// when and what:
//
//   M-742-YYYYMMDD-HHMMSS.DAT          read from a radio
//   M-742-YYYYMMDD-HHMMSS-write.DAT    about to be written to a radio
//   M-742-YYYYMMDD-HHMMSS-COM2.DAT     read from the radio on COM2, one of several read at once
//
// A second copy within the same second takes a number after the time ("-2", "-3", ...),
// counted over both kinds, so the names alone put the copies in order.
#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "radio_data/atomic_file.h"
#include "radio_data/image.h"
#include "radio_data/status.h"

namespace m742 {

enum class BackupKind {
    kRead,         // what a read brought from the radio
    kBeforeWrite,  // what a write was about to send
};

struct BackupEntry {
    std::filesystem::path path;
    std::string stamp;  // "YYYYMMDD-HHMMSS"
    int sequence = 1;   // 1 for the first copy of its second
    BackupKind kind = BackupKind::kRead;
    std::string port;  // the port a read of several radios named ("COM2"), or nothing
    // RX frequencies of the first channels in use; empty when the file could not be read.
    std::vector<std::string> firstChannels;
    bool readable = false;

    std::string date() const;  // "YYYY-MM-DD"
    std::string time() const;  // "HH:MM:SS"
};

// $XDG_DATA_HOME/m742/backups, or ~/.local/share/m742/backups; %APPDATA%\m742\backups on
// Windows.
std::filesystem::path DefaultBackupFolder();

// "YYYYMMDD-HHMMSS" of a local time.
std::string BackupStamp(const std::tm& local);
// The stamp of this moment.
std::string BackupStampNow();

// The file name of a copy; `sequence` 1 gives no number. `port` ("COM2", "/dev/ttyUSB0"), when
// given, ends the name, reduced to letters, digits and "-" ("COM2", "ttyUSB0").
std::string BackupFileName(std::string_view stamp, BackupKind kind, int sequence,
                           std::string_view port = {});

// The stamp, number and kind a backup's file name holds; nothing for any other name.
std::optional<BackupEntry> ParseBackupName(std::string_view name);

struct KeptBackup {
    std::filesystem::path path;  // the copy, or where it would have gone
    Reason reason;               // none when it was kept; else why not
    bool ok() const { return !reason.has_value(); }
};

// Writes `image` as a data file into `folder` (made when missing), atomically, under the
// first free name for `stamp`.
KeptBackup KeepBackup(const std::filesystem::path& folder, const RadioImage& image, BackupKind kind,
                      std::string_view stamp, std::string_view port = {});

// The copies in `folder`, newest first, each with its first channels. Other files are left
// out; a missing folder has none.
std::vector<BackupEntry> ListBackups(const std::filesystem::path& folder,
                                     std::size_t channelsShown = 3);

// The RX frequency texts of the first `count` memory channels in use, in channel order.
std::vector<std::string> FirstChannelsInUse(const RadioImage& image, std::size_t count);

}  // namespace m742
