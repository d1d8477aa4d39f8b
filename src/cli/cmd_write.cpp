// m742-cli write --port PORT [--unlock-power] IN.dat: a data file into the radio.
#include "cli/commands.h"
#include "cli/radio_session.h"
#include "radio_data/data_file.h"

namespace m742::cli {

namespace {

constexpr std::string_view kOperands[] = {"IN.dat"};
constexpr Option kOptions[] = {
    kPortOption,
    {"--unlock-power", "", "also write 3F0h-3FFh: voice prompts and the two power levels"},
};

int RunWrite(const Invocation& invocation) {
    const auto port = PortOf(invocation, "write");
    if (!port) {
        return kFailed;
    }
    const auto image = ReadDataFile(invocation.operands[0], invocation.lang);
    if (!image.ok()) {
        PrintError(image.status().message);
        return kFailed;
    }
    SessionRequest request;
    request.mode = 'W';
    request.port = *port;
    request.languageFlag = invocation.languageFlag();
    request.powerUnlock = invocation.has("--unlock-power") ? 1 : 0;
    request.writeImage = image.value();
    switch (RunSession(request).outcome) {
        case ExchangeOutcome::kCompleted:
            return kDone;
        case ExchangeOutcome::kEncodeRefused:
            return kRefused;
        default:
            return kCommunication;
    }
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
    "Exit status: 0 written; 1 the image was refused; 2 IN.dat missing, short or\n"
    "unreadable, or bad usage; 3 the port could not be opened or the radio did not answer.\n",
    RunWrite,
};

}  // namespace m742::cli
