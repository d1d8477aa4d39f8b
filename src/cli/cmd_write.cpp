// m742-cli write --port PORT... [--unlock-power] [--verify] IN.dat: a data file into radios.
#include <algorithm>
#include <iostream>

#include "cli/commands.h"
#include "cli/radio_session.h"
#include "radio_data/data_file.h"
#include "radio_data/file_names.h"
#include "texts/backup_texts.h"
#include "texts/fleet_texts.h"
#include "texts/message_text.h"

namespace m742::cli {

namespace {

constexpr std::string_view kOperands[] = {"IN.dat"};
constexpr Option kOptions[] = {
    kPortOption,
    {"--unlock-power", "", "also write 3F0h-3FFh: voice prompts and the two power levels"},
    {"--verify", "", "read the radio back after the write and compare what was written"},
};

std::string Labelled(const SessionRequest& request, std::string_view message) {
    return request.label.empty() ? std::string(message)
                                 : request.label + ": " + std::string(message);
}

// What the verify found, on stdout when the radio holds the plan (a single radio) and as
// failures on stderr otherwise: the count, then each difference on its own line.
void ReportVerify(const SessionRequest& request, const SessionResult& result, Lang lang) {
    if (!request.verify || result.outcome != ExchangeOutcome::kCompleted) {
        return;
    }
    if (result.notVerified) {
        PrintError(Labelled(request, kVerifyNotDone.in(lang)));
        return;
    }
    if (result.differences.empty()) {
        if (request.label.empty()) {
            std::cout << kVerifyPassed.in(lang) << std::endl;
        }
        return;
    }
    PrintError(Labelled(request, FillText(kVerifyDifferences.in(lang),
                                          {std::to_string(result.differences.size())})));
    for (const std::string& difference : result.differences) {
        PrintError(Labelled(request, difference));
    }
}

std::string ResultText(const SessionRequest& request, const SessionResult& result, Lang lang) {
    switch (result.outcome) {
        case ExchangeOutcome::kCompleted:
            if (!request.verify) {
                return std::string(kFleetWritten.in(lang));
            }
            if (result.notVerified) {
                return std::string(kFleetNotVerified.in(lang));
            }
            return result.differences.empty()
                       ? std::string(kFleetVerified.in(lang))
                       : FillText(kFleetDifferences.in(lang),
                                  {std::to_string(result.differences.size())});
        case ExchangeOutcome::kPortNotOpen:
            return std::string(kFleetPortNotOpen.in(lang));
        case ExchangeOutcome::kEncodeRefused:
            return std::string(kFleetRefused.in(lang));
        default:
            return std::string(result.partlyWritten ? kFleetPartlyWritten.in(lang)
                                                    : kFleetNotWritten.in(lang));
    }
}

int RunWrite(const Invocation& invocation) {
    const auto ports = PortsOf(invocation, "write");
    if (!ports) {
        return kFailed;
    }
    const auto image = ReadDataFile(FilePath(invocation.operands[0]));
    if (!image.ok()) {
        PrintError(Worded(image.status().message, invocation.lang));
        return kFailed;
    }
    // Several radios at once: their messages name their port, and each gets one line at the
    // end instead of the progress and status texts.
    const bool fleet = ports->size() > 1;
    SessionRequest common;
    common.mode = ExchangeMode::kWrite;
    common.languageFlag = invocation.languageFlag();
    common.powerUnlocked = invocation.has("--unlock-power");
    common.writeImage = image.value();
    common.verify = invocation.has("--verify");
    const std::vector<SessionRequest> requests = RequestsFor(common, *ports);
    const std::vector<SessionResult> results = RunSessions(requests);
    int status = kDone;
    int written = 0;
    for (std::size_t i = 0; i < results.size(); ++i) {
        ReportVerify(requests[i], results[i], invocation.lang);
        const int radioStatus = ExitStatusOf(results[i]);
        status = std::max(status, radioStatus);
        written += radioStatus == kDone ? 1 : 0;
    }
    if (fleet) {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < results.size(); ++i) {
            texts.push_back(ResultText(requests[i], results[i], invocation.lang));
        }
        PrintFleetLines(*ports, texts, results, kFleetWriteSummary.in(invocation.lang), written,
                        invocation.lang);
    }
    return status;
}

}  // namespace

const Command kWriteCommand{
    "write",
    "write a data file into a radio over the programming cable",
    kOptions,
    kOperands,
    "Writes the image of IN.dat into the radio on PORT, as the program's \"Write Frequency\"\n"
    "does: addresses 000h-20Fh (password, memory and debug channels) and 3B0h-3CFh (ANI and\n"
    "function settings). 210h-3AFh and 3D0h-3EFh are never written. 3F0h-3FFh (voice\n"
    "prompts and the calibrated TX power levels) are written only with --unlock-power;\n"
    "otherwise the radio keeps its own. The password bytes written are those of the file.\n"
    "\n"
    "PORT is COM1..COM8 or a device path (see m742-cli read --help).\n"
    "\n"
    "--port may be given several times: the radios are written at once, each on its own port\n"
    "and its own exchange. Each radio then gets one line on stdout (port, result, seconds)\n"
    "and a summary follows; messages on stderr start with the port.\n"
    "\n"
    "With --verify each radio is read back after its write (with the password of IN.dat)\n"
    "and the written ranges compared; every difference is a line on stderr naming the\n"
    "channel, setting or address.\n"
    "\n"
    "A write that stops after blocks have gone out leaves the radio holding a partly\n"
    "written plan: write it again.\n"
    "\n"
    "IN.dat must be a data file: 1074 bytes with the program's header. A JSON plan, a CSV\n"
    "list or any other file is refused before a port is opened (make a data file of it with\n"
    "encode or import-csv first).\n"
    "\n"
    "Exit status: 0 written; 1 the image was refused; 2 IN.dat missing, not a data file or\n"
    "unreadable, or bad usage; 3 the port could not be opened, the radio did not answer, or\n"
    "it could not be read back; 4 the read-back differs. With several ports: 0 only when\n"
    "every radio was written, else the highest status of any radio.\n",
    RunWrite,
};

}  // namespace m742::cli
