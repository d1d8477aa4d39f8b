// m742-cli read --port PORT [--password TEXT] OUT.dat: the radio's memory into a data file.
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "cli/radio_session.h"
#include "radio_data/data_file.h"

namespace m742::cli {

namespace {

constexpr std::string_view kOperands[] = {"OUT.dat"};
constexpr Option kOptions[] = {
    kPortOption,
    {"--password", "TEXT", "the radio's programming password (default: none)"},
    {"--backup-dir", "DIR", "where the backup copy goes (default: see below)"},
    {"--no-backup", "", "keep no backup copy"},
};

// $XDG_DATA_HOME/m742/backups, or ~/.local/share/m742/backups.
std::filesystem::path DefaultBackupFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data == '/') {
        return std::filesystem::path(data) / "m742" / "backups";
    }
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : ".") / ".local" / "share" / "m742" /
           "backups";
}

// Keeps a dated copy of every image read, so that no radio's programming is ever lost.
void KeepBackup(const Invocation& invocation, const RadioImage& image) {
    if (invocation.has("--no-backup")) {
        return;
    }
    const std::filesystem::path folder =
        invocation.has("--backup-dir")
            ? std::filesystem::path(invocation.options.at("--backup-dir"))
            : DefaultBackupFolder();
    const std::time_t now = std::time(nullptr);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    std::filesystem::path path = folder / ("M-742-" + std::string(stamp) + ".DAT");
    for (int n = 2; std::filesystem::exists(path, ec); ++n) {
        path = folder / ("M-742-" + std::string(stamp) + "-" + std::to_string(n) + ".DAT");
    }
    const Status saved = WriteDataFile(path, image, invocation.lang);
    if (saved.ok()) {
        std::cout << (invocation.lang == Lang::English ? "Backup copy: " : "备份：")
                  << path.string() << std::endl;
    } else {
        PrintError(saved.message);  // the read itself succeeded
    }
}

int RunRead(const Invocation& invocation) {
    const auto port = PortOf(invocation, "read");
    if (!port) {
        return kFailed;
    }
    SessionRequest request;
    request.mode = 'R';
    request.port = *port;
    request.languageFlag = invocation.languageFlag();
    if (invocation.has("--password")) {
        request.password = invocation.options.at("--password");
    }
    const SessionResult result = RunSession(request);
    switch (result.outcome) {
        case ExchangeOutcome::kCompleted:
            break;
        case ExchangeOutcome::kPasswordRefused:
            PrintError(invocation.lang == Lang::English ? "The password is invalid!"
                                                        : "口令不对！");
            return kRefused;
        default:
            return kCommunication;
    }
    // Only a whole image that passed the password check gets here.
    const Status saved = WriteDataFile(invocation.operands[0], *result.image, invocation.lang);
    if (!saved.ok()) {
        PrintError(saved.message);
        KeepBackup(invocation, *result.image);
        return kFailed;
    }
    KeepBackup(invocation, *result.image);
    return kDone;
}

}  // namespace

const Command kReadCommand{
    "read",
    "read a radio's memory over the programming cable into a data file",
    kOptions,
    kOperands,
    "Reads the whole memory of the radio on PORT and saves it to OUT.dat (1074 bytes), byte\n"
    "for byte as the radio holds it. OUT.dat is written only after all 128 blocks arrived\n"
    "and the password matched, and then atomically.\n"
    "\n"
    "Every successful read also keeps a dated copy (M-742-YYYYMMDD-HHMMSS.DAT) in the backup\n"
    "folder: $XDG_DATA_HOME/m742/backups, or ~/.local/share/m742/backups.\n"
    "\n"
    "PORT is COM1..COM8 or a device path. On Linux COMn is the n-th serial device of\n"
    "/dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* (in this order, by number); the environment\n"
    "variable M742_COMn=/dev/... points COMn at any device.\n"
    "\n"
    "Exit status: 0 read and saved; 1 the password is invalid; 2 OUT.dat could not be\n"
    "written or bad usage; 3 the port could not be opened or the radio did not answer.\n",
    RunRead,
};

}  // namespace m742::cli
