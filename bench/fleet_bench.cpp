// Writing several simulated radios at once against writing one, at the true wire speed
// (9600 baud 8N1): each radio has its own line, so four should take hardly longer than one.
// Prints each case's time per write of the fleet and, at the end, the ratio of four to one;
// fails when it is above the target.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

#include "cli/radio_session.h"
#include "radio_sim/radio_sim.h"

namespace {

struct Total {
    double seconds = 0;
    int writes = 0;
};
std::map<int, Total> g_totals;  // by the number of radios

constexpr double kTargetRatio = 1.15;

void BM_WriteFleet(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    m742::sim::Options options;
    for (std::size_t i = 16; i < options.memory.size(); ++i) {
        options.memory[i] = static_cast<std::uint8_t>(i * 7);
    }
    for (auto _ : state) {
        std::vector<std::unique_ptr<m742::sim::RadioSim>> radios;
        std::vector<m742::cli::SessionRequest> requests;
        for (std::size_t r = 0; r < count; ++r) {
            radios.push_back(std::make_unique<m742::sim::RadioSim>(options));
            m742::cli::SessionRequest request;
            request.mode = m742::ExchangeMode::kWrite;
            request.port = radios.back()->Start();
            request.writeImage = options.memory;
            request.quiet = true;
            request.label = request.port;
            requests.push_back(std::move(request));
        }
        const auto start = std::chrono::steady_clock::now();
        const auto results = m742::cli::RunSessions(requests);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        for (const auto& result : results) {
            if (result.outcome != m742::ExchangeOutcome::kCompleted) {
                state.SkipWithError("a write failed");
                return;
            }
        }
        g_totals[static_cast<int>(count)].seconds += seconds;
        ++g_totals[static_cast<int>(count)].writes;
    }
}

BENCHMARK(BM_WriteFleet)
    ->Arg(1)
    ->Arg(4)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const Total& one = g_totals[1];
    const Total& four = g_totals[4];
    if (one.writes == 0 || four.writes == 0) {
        std::printf("fleet: the ratio needs both the write of 1 radio and of 4\n");
        return 1;
    }
    const double single = one.seconds / one.writes;
    const double fleet = four.seconds / four.writes;
    std::printf("fleet: 1 radio %.3f s, 4 radios %.3f s, ratio %.3f (target: at most %.2f)\n",
                single, fleet, fleet / single, kTargetRatio);
    return fleet / single <= kTargetRatio ? 0 : 1;
}
