#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
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
