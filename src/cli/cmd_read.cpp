// m742-cli read --port PORT [--password TEXT] OUT.dat: the radio's memory into a data file.
#include <chrono>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "cli/radio_session.h"
#include "radio_data/backups.h"
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

// Keeps a dated copy of every image read, so that no radio's programming is ever lost. A copy
// that cannot be kept is only a warning: the read itself went to OUT.dat.
void KeepBackup(const Invocation& invocation, const RadioImage& image, bool saved) {
    if (invocation.has("--no-backup")) {
        return;
    }
    const std::filesystem::path folder =
        invocation.has("--backup-dir")
            ? std::filesystem::path(invocation.options.at("--backup-dir"))
            : DefaultBackupFolder();
    const bool english = invocation.lang == Lang::English;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    const std::string stamp =
        localtime_r(&now, &local) != nullptr ? BackupStamp(local) : "00000000-000000";
    const KeptBackup kept =
        m742::KeepBackup(folder, image, BackupKind::kRead, stamp, invocation.lang);
    const std::filesystem::path& path = kept.path;
    const std::string& reason = kept.reason;
    if (reason.empty()) {
        std::cout << (english ? "Backup copy: " : "备份：") << path.string() << std::endl;
        return;
    }
    const std::string out = invocation.operands[0];
    std::string warning = english
                              ? "warning: the backup copy could not be kept in \"" +
                                    folder.string() + "\": " + reason + "."
                              : "警告：无法在“" + folder.string() + "”中保留备份：" + reason + "。";
    if (saved) {
        warning += english ? " The image read was saved to \"" + out + "\"."
                           : "读到的数据已保存到“" + out + "”。";
    }
    PrintError(warning);
}

int RunRead(const Invocation& invocation) {
    const auto port = PortOf(invocation, "read");
    if (!port) {
        return kFailed;
    }
    // A radio is read only when its memory can be kept: the output is checked first.
    const std::string& out = invocation.operands[0];
    if (const Status ready = CheckDataFileSavable(out, invocation.lang); !ready.ok()) {
        return ReportStatus(ready, invocation.lang);
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
    // Only a whole image that passed the password check gets here. Success is told once it
    // is saved; should the save fail after all, the backup copy still keeps what was read.
    const Status saved = WriteDataFile(out, *result.image, invocation.lang);
    if (!saved.ok()) {
        PrintError(saved.message);
        KeepBackup(invocation, *result.image, false);
        return kFailed;
    }
    if (!result.successText.empty()) {
        std::cout << result.successText << std::endl;
    }
    KeepBackup(invocation, *result.image, true);
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
    "OUT.dat is checked before the radio is read: when it cannot be written (a read-only\n"
    "file, a missing folder, not a regular file) the command fails at once.\n"
    "\n"
    "Every successful read also keeps a dated copy (M-742-YYYYMMDD-HHMMSS.DAT) in the backup\n"
    "folder: $XDG_DATA_HOME/m742/backups, or ~/.local/share/m742/backups. A copy that cannot\n"
    "be kept is a warning on stderr; the read still succeeded.\n"
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
