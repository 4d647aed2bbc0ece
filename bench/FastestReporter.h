#pragma once

#include "NotingReporter.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Each benchmark runs several times and its fastest run counts, which keeps
// other load on the machine out of the comparison.
inline constexpr int kRepetitions = 3;
inline const std::string kFastest = "fastest";

inline double Fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

inline benchmark::internal::Benchmark* RepeatForFastest(benchmark::internal::Benchmark* bench) {
    return bench->Repetitions(kRepetitions)->ComputeStatistics(kFastest, Fastest);
}

struct TFastestTime {
    double Real = 0;
    double Cpu = 0;
};

// Notes each benchmark's fastest run by function name.
class FastestReporter : public NotingReporter<TFastestTime> {
public:
    explicit FastestReporter(bool printRuns)
        : NotingReporter(printRuns, [](const Run& run) -> std::optional<TFastestTime> {
              if (run.run_type != Run::RT_Aggregate || run.aggregate_name != kFastest)
                  return std::nullopt;
              return TFastestTime{run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
          }) {}

    std::map<std::string, TFastestTime>& times = noted;
};

// One line of a ratio table: the fastest real time of `Ours` over that of
// `Theirs`, beside the target ratio.
struct TRatioPair {
    const char* What;
    const char* Ours;
    const char* Theirs;
    double Target;
};

inline void PrintFastestRatios(const std::vector<TRatioPair>& pairs,
                               const std::map<std::string, TFastestTime>& times) {
    std::printf("\n%-40s %9s %9s %8s %7s\n", "measure", "ours ms", "base ms", "ratio", "target");
    for (const auto& pair : pairs) {
        const auto ours = times.find(pair.Ours);
        const auto theirs = times.find(pair.Theirs);
        if (ours == times.end() || theirs == times.end()) continue;
        std::printf("%-40s %9.2f %9.2f %7.2fx %6.1fx\n", pair.What, ours->second.Real / 1000,
                    theirs->second.Real / 1000, ours->second.Real / theirs->second.Real,
                    pair.Target);
    }
}

using TNamedBenchmark = std::pair<const char*, void (*)(benchmark::State&)>;

// Runs each benchmark for its fastest run, printing the runs and then the
// ratio table of `pairs`.
inline void RunForFastestRatios(int& argc, char** argv,
                                const std::vector<TNamedBenchmark>& benchmarks,
                                const std::vector<TRatioPair>& pairs) {
    for (const auto& [name, run] : benchmarks)
        RepeatForFastest(benchmark::RegisterBenchmark(name, run)
                             ->Unit(benchmark::kMicrosecond)
                             ->ReportAggregatesOnly(true));
    benchmark::Initialize(&argc, argv);
    FastestReporter reporter(true);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintFastestRatios(pairs, reporter.times);
    benchmark::Shutdown();
}
