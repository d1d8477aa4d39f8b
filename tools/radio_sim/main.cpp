// m742-radio-sim: a simulated M-742 on a pseudo-terminal, for trying the tool without a radio.
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "radio_data/data_file.h"
#include "radio_sim/radio_sim.h"
#include "texts/message_text.h"

namespace {

constexpr const char* kUsage = R"(Usage: m742-radio-sim [OPTIONS]

Opens a pseudo-terminal, prints its device path on the first line of standard output and
answers the M-742 programming protocol on it until interrupted (Ctrl+C). Point the tool at
the printed device (m742-cli read --port /dev/pts/N ..., or M742_COM1=/dev/pts/N).

Options:
  --image FILE.dat     start with this memory (default: every byte FFh, an erased radio)
  --save FILE.dat      store the memory there after each write exchange (atomically)
  --password TEXT      the radio's password (bytes 000h-00Fh)
  --no-pacing          answer at once instead of at 9600 baud (about 1.04 ms a byte)
  --latency-ms N       wait N ms before each reply (default 0)
  --fault FAULT        misbehave: silent | no-handshake-reply | bad-identify | split-bytes |
                       bad-ack@BLOCK | no-reply@BLOCK | hangup@BLOCK | garbage@BLOCK |
                       corrupt-write@BLOCK | flood-16 | flood-noise
                       (BLOCK is a block address: 0x3B0, 3B0h or 944; a flood sends 16h
                       or random bytes at the line speed from the handshake to the end
                       frame, and answers nothing; corrupt-write acknowledges the block
                       but keeps its first byte with the lowest bit flipped)
  --help               show this text
)";

volatile std::sig_atomic_t g_stop = 0;

int Fail(const std::string& message) {
    std::cerr << "m742-radio-sim: " << message << "\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    m742::sim::Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--no-pacing") {
            options.pacing = false;
        } else if (arg == "--image" && hasValue) {
            const auto image = m742::ReadDataFile(argv[++i]);
            if (!image.ok()) {
                return Fail(m742::Worded(image.status().message, m742::Lang::English));
            }
            options.memory = image.value();
        } else if (arg == "--save" && hasValue) {
            options.saveTo = argv[++i];
        } else if (arg == "--password" && hasValue) {
            options.password = argv[++i];
        } else if (arg == "--latency-ms" && hasValue) {
            char* end = nullptr;
            const long ms = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || ms < 0 || ms > 60000) {
                return Fail(std::string("--latency-ms takes 0 to 60000, not ") + argv[i]);
            }
            options.latencyMs = static_cast<int>(ms);
        } else if (arg == "--fault" && hasValue) {
            const auto fault = m742::sim::ParseFault(argv[++i]);
            if (!fault) {
                return Fail(std::string("unknown fault \"") + argv[i] + "\" (see --help)");
            }
            options.fault = *fault;
        } else {
            return Fail("unknown or incomplete option " + std::string(arg) + " (see --help)");
        }
    }

    m742::sim::RadioSim radio(options);
    std::string error;
    const std::string device = radio.Start(&error);
    if (device.empty()) {
        return Fail("cannot open a pseudo-terminal: " + error);
    }
    std::cout << device << std::endl;

    std::signal(SIGINT, [](int) { g_stop = 1; });
    std::signal(SIGTERM, [](int) { g_stop = 1; });
    while (g_stop == 0) {
        pause();
    }
    radio.Stop();
    return 0;
}
