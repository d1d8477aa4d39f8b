// m742-cli read --port PORT... [--password TEXT] OUT.dat: radios' memory into data files.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "cli/radio_session.h"
#include "radio_data/backups.h"
#include "radio_data/data_file.h"
#include "radio_data/file_names.h"
#include "shell/panel_rules.h"
#include "texts/backup_texts.h"
#include "texts/command_texts.h"
#include "texts/fleet_texts.h"
#include "texts/message_text.h"

namespace m742::cli {

namespace {

constexpr std::string_view kOperands[] = {"OUT.dat"};
constexpr Option kOptions[] = {
    kPortOption,
    {"--password", "TEXT",
     "the radio's programming password: up to 6 digits or \".\" (default: none)"},
    {"--backup-dir", "DIR", "where the backup copy goes (default: see below)"},
    {"--no-backup", "", "keep no backup copy"},
};

// Keeps a dated copy of every image read, so that no radio's programming is ever lost. A copy
// that cannot be kept is only a warning: the read itself went to OUT.dat. Of several radios
// read at once, each copy's name and line name its port.
void KeepBackup(const Invocation& invocation, const RadioImage& image, const std::string& out,
                bool saved, const std::string& port) {
    if (invocation.has("--no-backup")) {
        return;
    }
    const std::filesystem::path folder = invocation.has("--backup-dir")
                                             ? FilePath(invocation.options.at("--backup-dir"))
                                             : DefaultBackupFolder();
    const std::string stamp = BackupStampNow();
    const KeptBackup kept = m742::KeepBackup(folder, image, BackupKind::kRead, stamp, port);
    const std::filesystem::path& path = kept.path;
    const std::string label = port.empty() ? "" : port + ": ";
    if (kept.ok()) {
        std::cout << label << FillText(kBackupKeptText.in(invocation.lang), {path.string()})
                  << std::endl;
        return;
    }
    std::string warning = FillText(kBackupNotKeptText.in(invocation.lang),
                                   {folder.string(), Worded(*kept.reason, invocation.lang)});
    if (saved) {
        warning += FillText(kImageSavedAnywayText.in(invocation.lang), {out});
    }
    PrintError(label + warning);
}

// Where the image of the radio on `port` goes when several are read: OUT-COM2.dat,
// OUT-ttyUSB0.dat, OUT-pts-3.dat.
std::string OutputFor(const std::string& out, std::string port) {
    if (port.starts_with("/dev/")) {
        port.erase(0, 5);
    }
    std::replace(port.begin(), port.end(), '/', '-');
    const std::filesystem::path path = FilePath(out);
    return (path.parent_path() / (path.stem().string() + "-" + port + path.extension().string()))
        .string();
}

int RunRead(const Invocation& invocation) {
    if (invocation.has("--no-backup") && invocation.has("--backup-dir")) {
        PrintError(
            "read: --backup-dir and --no-backup exclude each other (see m742-cli read --help)");
        return kFailed;
    }
    // The password box takes digits and "." only, six at the most: no radio has another.
    if (invocation.has("--password")) {
        const std::string& password = invocation.options.at("--password");
        if (FilterPassword(password) != password) {
            PrintError("read: --password takes at most " + std::to_string(kPasswordBoxLength) +
                       " characters, digits and \".\" only (see m742-cli read --help)");
            return kFailed;
        }
    }
    const auto ports = PortsOf(invocation, "read");
    if (!ports) {
        return kFailed;
    }
    const Lang lang = invocation.lang;
    const bool fleet = ports->size() > 1;
    std::vector<std::string> outs;
    for (const std::string& port : *ports) {
        outs.push_back(fleet ? OutputFor(invocation.operands[0], port) : invocation.operands[0]);
    }
    // A radio is read only when its memory can be kept: the outputs are checked first.
    for (const std::string& out : outs) {
        if (const Status ready = CheckDataFileSavable(FilePath(out)); !ready.ok()) {
            return ReportStatus(ready, lang);
        }
    }
    SessionRequest common;
    common.mode = ExchangeMode::kRead;
    common.languageFlag = invocation.languageFlag();
    if (invocation.has("--password")) {
        common.password = invocation.options.at("--password");
    }
    const std::vector<SessionResult> results = RunSessions(RequestsFor(common, *ports));
    int status = kDone;
    int read = 0;
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < results.size(); ++i) {
        const SessionResult& result = results[i];
        const std::string label = fleet ? (*ports)[i] + ": " : "";
        int radioStatus = ExitStatusOf(result);
        std::string text;
        if (result.outcome == ExchangeOutcome::kPasswordRefused) {
            PrintError(label + std::string(kPasswordRefusedText.in(lang)));
            text = kFleetPasswordRefused.in(lang);
        } else if (result.outcome != ExchangeOutcome::kCompleted || !result.image) {
            radioStatus = kCommunication;
            text = result.outcome == ExchangeOutcome::kPortNotOpen ? kFleetPortNotOpen.in(lang)
                                                                   : kFleetReadFailed.in(lang);
        } else if (const Status saved = WriteDataFile(FilePath(outs[i]), *result.image);
                   !saved.ok()) {
            // Only a whole image that passed the password check gets here. Success is told once
            // it is saved; should the save fail after all, the backup copy still keeps it.
            PrintError(label + Worded(saved.message, lang));
            KeepBackup(invocation, *result.image, outs[i], false, fleet ? (*ports)[i] : "");
            radioStatus = kFailed;
            text = kFleetNotSaved.in(lang);
        } else {
            if (!fleet && !result.successText.empty()) {
                std::cout << result.successText << std::endl;
            }
            KeepBackup(invocation, *result.image, outs[i], true, fleet ? (*ports)[i] : "");
            text = FillText(kFleetRead.in(lang), {outs[i]});
            ++read;
        }
        status = std::max(status, radioStatus);
        texts.push_back(text);
    }
    if (fleet) {
        PrintFleetLines(*ports, texts, results, kFleetReadSummary.in(lang), read, lang);
    }
    return status;
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
#ifdef _WIN32
    "folder: %APPDATA%\\m742\\backups. A copy that cannot\n"
#else
    "folder: $XDG_DATA_HOME/m742/backups, or ~/.local/share/m742/backups. A copy that cannot\n"
#endif
    "be kept is a warning on stderr; the read still succeeded.\n"
    "\n"
#ifdef _WIN32
    "PORT is COM1..COM8, or another port such as COM12.\n"
    "\n"
#else
    "PORT is COM1..COM8 or a device path. On Linux COMn is the n-th serial device of\n"
    "/dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* (in this order, by number); the environment\n"
    "variable M742_COMn=/dev/... points COMn at any device.\n"
    "\n"
#endif
    "--port may be given several times: the radios are read at once, each on its own port,\n"
    "into OUT-PORT.dat each (OUT-COM2.dat, OUT-ttyUSB0.dat, OUT-pts-3.dat for /dev/pts/3),\n"
    "with one line per radio on stdout and a summary.\n"
    "\n"
    "Exit status: 0 read and saved; 1 the password is invalid; 2 OUT.dat could not be\n"
    "written or bad usage; 3 the port could not be opened or the radio did not answer. With\n"
    "several ports: 0 only when every radio was read, else the highest status of any radio.\n",
    RunRead,
};

}  // namespace m742::cli
