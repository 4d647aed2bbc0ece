#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Keeps each run's real time per iteration by name, for the ratio tables the
// benchmarks print after their runs.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs)
            if (!run.error_occurred) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    // The time of `measured` over the time of `reference`; 0 when either did not run.
    double Ratio(const std::string& measured, const std::string& reference) const {
        const auto a = times_.find(measured);
        const auto b = times_.find(reference);
        if (a == times_.end() || b == times_.end()) return 0;
        return a->second / b->second;
    }

private:
    std::map<std::string, double> times_;
};

// Registers each (name, body) to run `repeats` times, timed in real milliseconds.
template <std::size_t N>
void RegisterRepeated(const std::pair<const char*, void (*)(benchmark::State&)> (&benchmarks)[N],
                      int repeats) {
    for (const auto& [name, body] : benchmarks)
        benchmark::RegisterBenchmark(name, body)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(repeats);
}

// Runs the registered benchmarks into `reporter`.
inline void RunRegistered(int& argc, char** argv, RatioReporter& reporter) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}

// The name a benchmark registered by RegisterRepeated reports under.
inline std::string RepeatedName(const std::string& name, int repeats) {
    return name + "/iterations:" + std::to_string(repeats) + "/real_time";
}
