// One read or write exchange with a radio, run from the command line: the radio link's state
// machine on a Qt event loop with the real serial port.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "radio_data/image.h"
#include "radio_link/exchange.h"

namespace m742::cli {

struct SessionRequest {
    char mode = 'R';   // 'R' read, 'W' write
    std::string port;  // COM1..COM8 or a device path
    std::int16_t languageFlag = 1;
    std::string password;                  // the password box, for a read
    int powerUnlock = 0;                   // 1: a write includes 3F0h-3FFh
    std::optional<RadioImage> writeImage;  // for a write
    bool quiet = false;                    // no status texts or progress, messages only
};

struct SessionResult {
    ExchangeOutcome outcome = ExchangeOutcome::kNone;
    std::optional<RadioImage> image;  // what a completed read brought
    std::string successText;          // a completed read's status text, held back for the
                                      // caller to print once the image is saved
};

// The option both radio commands need.
inline constexpr Option kPortOption{"--port", "PORT",
                                    "COM1..COM8 or a device path such as /dev/ttyUSB0 (required)"};

// The port named on the command line; says so on stderr when there is none.
std::optional<std::string> PortOf(const Invocation& invocation, std::string_view command);

// Runs the exchange to its end: completion, refusal or the watchdog. Progress and status go
// to the terminal, messages to stderr.
SessionResult RunSession(const SessionRequest& request);

}  // namespace m742::cli
