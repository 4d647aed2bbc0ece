#pragma once

#include "NotingReporter.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <map>
#include <string>
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
