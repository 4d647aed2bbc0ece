#pragma once

#include "NotingReporter.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <limits>
#include <map>
#include <numeric>
#include <string>
#include <type_traits>
#include <vector>

// Measures a piece of work against a baseline by running the two in turns,
// so that whatever else loads the machine meets both alike. A round calls the
// baseline `count` times, then the work `count` times (each in a block, so
// that each finds the caches as it leaves them, as when measured alone). Both
// take the same statistic: the fastest time at each position of the round
// over all rounds (which drops the calls another process interrupted),
// averaged over the positions. Positions matter for work that cycles through
// `count` different cases, such as the frames of a transition.
namespace interleaved {

inline const std::string kRatio = "x_baseline";
inline const std::string kBaselineMicros = "baseline_us";
inline const std::string kMeasuredMicros = "measured_us";

template <class Work> double Seconds(Work& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Lowers each position's fastest time by this round's calls; gives the round's total.
template <class Work> double TimeRound(Work& work, std::vector<double>& fastest) {
    double total = 0;
    for (double& best : fastest) {
        const double seconds = Seconds(work);
        best = std::min(best, seconds);
        total += seconds;
    }
    return total;
}

inline double Mean(const std::vector<double>& values) {
    if (values.empty()) return 0;
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

// Runs one round per benchmark iteration (timed manually as the work's mean
// time per call) and leaves the ratio and both times per call, in
// microseconds, in the benchmark's counters.
template <class Measured, class Baseline>
void RunRounds(benchmark::State& state, int count, Measured&& measured, Baseline&& baseline) {
    const auto size = static_cast<std::size_t>(std::max(count, 1));
    std::vector<double> fastestMeasured(size, std::numeric_limits<double>::infinity());
    std::vector<double> fastestBaseline(size, std::numeric_limits<double>::infinity());
    for (auto _ : state) {
        TimeRound(baseline, fastestBaseline);
        state.SetIterationTime(TimeRound(measured, fastestMeasured) / static_cast<double>(size));
    }
    if (state.iterations() == 0) return;
    const double work = Mean(fastestMeasured);
    const double base = Mean(fastestBaseline);
    state.counters[kRatio] = base > 0 ? work / base : 0;
    state.counters[kMeasuredMicros] = work * 1e6;
    state.counters[kBaselineMicros] = base * 1e6;
}

inline benchmark::internal::Benchmark* Configure(benchmark::internal::Benchmark* bench,
                                                 int rounds) {
    return bench->UseManualTime()->Iterations(rounds)->Unit(benchmark::kMicrosecond);
}

struct TResult {
    double Ratio = 0;
    double MeasuredMicros = 0;
    double BaselineMicros = 0;
};

// Notes each benchmark's ratio and times by function name.
class Reporter : public NotingReporter<TResult> {
public:
    explicit Reporter(bool printRuns)
        : NotingReporter(printRuns, [](const Run& run) -> std::optional<TResult> {
              if (run.error_occurred || !run.counters.count(kRatio)) return std::nullopt;
              return TResult{run.counters.at(kRatio).value, run.counters.at(kMeasuredMicros).value,
                             run.counters.at(kBaselineMicros).value};
          }) {}

    std::map<std::string, TResult>& results = noted;
};

} // namespace interleaved
