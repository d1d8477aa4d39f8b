// Read and write exchanges with radios, run from the command line: the radio link's state
// machine on a Qt event loop with the real serial port. Several radios run at once on the same
// loop, each on its own port with its own exchange and timers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "radio_data/image.h"
#include "radio_link/exchange.h"

namespace m742::cli {

struct SessionRequest {
    ExchangeMode mode = ExchangeMode::kRead;
    std::string port;  // COM1..COM8 or a device path
    std::int16_t languageFlag = 1;
    std::string password;                  // the password box, for a read
    bool powerUnlocked = false;            // a write includes 3F0h-3FFh
    std::optional<RadioImage> writeImage;  // for a write
    bool quiet = false;                    // no status texts or progress, messages only
    bool verify = false;                   // a completed write is read back and compared
    std::string label;                     // put before each message ("COM2"), or nothing
};

struct SessionResult {
    ExchangeOutcome outcome = ExchangeOutcome::kNone;
    std::optional<RadioImage> image;  // what a completed read brought
    std::string successText;          // a completed read's status text, held back for the
                                      // caller to print once the image is saved
    bool partlyWritten = false;       // a write that stopped after blocks had gone out
    // With verify, after a completed write: the differences of the read-back, one a line
    // (none when the radio holds the plan), or that the radio could not be read back.
    std::vector<std::string> differences;
    bool notVerified = false;
    double seconds = 0;  // from the start of the exchange to the end of the last one
};

// The option both radio commands need.
#ifdef _WIN32
inline constexpr Option kPortOption{"--port", "PORT",
                                    "COM1..COM8 or another port such as COM12 (required)"};
#else
inline constexpr Option kPortOption{"--port", "PORT",
                                    "COM1..COM8 or a device path such as /dev/ttyUSB0 (required)"};
#endif

// The ports named on the command line (--port may be given several times), in order; says
// so on stderr when there is none, when one is not a port, or when one is named twice.
std::optional<std::vector<std::string>> PortsOf(const Invocation& invocation,
                                                std::string_view command);

// Runs the exchange to its end: completion, refusal or the watchdog. Progress and status go
// to the terminal, messages to stderr.
SessionResult RunSession(const SessionRequest& request);

// Runs all exchanges at once and returns when every one has ended; the results in the order
// of the requests.
std::vector<SessionResult> RunSessions(const std::vector<SessionRequest>& requests);

// The exit status of one radio's exchange: kDone, kRefused, kCommunication, or
// kVerifyFailed when the read-back differs.
int ExitStatusOf(const SessionResult& result);

// One request per port, each `common` on its port. With several ports each is quiet and its
// messages start with its port: the fleet lines at the end tell the results.
std::vector<SessionRequest> RequestsFor(const SessionRequest& common,
                                        const std::vector<std::string>& ports);

// The fleet's report on stdout: one line per radio (its port, `texts[i]`, its seconds), then
// `summary` filled with the radios that succeeded and all of them.
void PrintFleetLines(const std::vector<std::string>& ports, const std::vector<std::string>& texts,
                     const std::vector<SessionResult>& results, std::string_view summary,
                     int succeeded, Lang lang);

}  // namespace m742::cli
