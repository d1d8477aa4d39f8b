// A read and a write against the simulated radio at the true wire speed (9600 baud 8N1, no
// added latency). Each wall time is compared with the time the wire itself needs for every
// byte of the exchange in both directions: the exchange should add almost nothing to it.
#include <chrono>
#include <cstdio>
#include <thread>

#include "cli/radio_session.h"
#include "radio_sim/radio_sim.h"

namespace {

struct Figure {
    double wall;
    double wire;
    bool ok;
};

Figure Measure(m742::ExchangeMode mode) {
    m742::sim::Options options;
    for (std::size_t i = 16; i < options.memory.size(); ++i) {
        options.memory[i] = static_cast<std::uint8_t>(i * 7);
    }
    m742::sim::RadioSim radio(options);
    m742::cli::SessionRequest request;
    request.mode = mode;
    request.port = radio.Start();
    request.powerUnlocked = true;
    request.writeImage = options.memory;
    request.quiet = true;

    const auto start = std::chrono::steady_clock::now();
    const auto result = m742::cli::RunSession(request);
    const auto end = std::chrono::steady_clock::now();
    for (int wait = 0; wait < 100 && radio.EndFrames() == 0; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const double wire = static_cast<double>(radio.BytesMoved()) * 10.0 / 9600.0;
    return {std::chrono::duration<double>(end - start).count(), wire,
            result.outcome == m742::ExchangeOutcome::kCompleted};
}

}  // namespace

int main() {
    int failures = 0;
    for (const auto mode : {m742::ExchangeMode::kRead, m742::ExchangeMode::kWrite}) {
        const Figure f = Measure(mode);
        std::printf("%-5s wall %.3f s   wire bound %.3f s   ratio %.3f%s\n",
                    mode == m742::ExchangeMode::kRead ? "read" : "write", f.wall, f.wire,
                    f.wall / f.wire, f.ok ? "" : "   (exchange failed)");
        failures += f.ok ? 0 : 1;
    }
    return failures;
}
