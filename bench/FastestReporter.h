#pragma once

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

// Notes each benchmark's fastest run by function name, for the ratio tables
// printed after the runs; the runs themselves are printed when asked.
class FastestReporter : public benchmark::ConsoleReporter {
public:
    explicit FastestReporter(bool printRuns) : printRuns_(printRuns) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        if (printRuns_) ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == kFastest)
                times[run.run_name.function_name] = {run.GetAdjustedRealTime(),
                                                     run.GetAdjustedCPUTime()};
    }

    std::map<std::string, TFastestTime> times;

private:
    bool printRuns_;
};
