#pragma once

#include <benchmark/benchmark.h>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A console reporter that notes one value for each run it keeps, by the
// benchmark's function name, for the tables printed after the runs; the runs
// themselves are printed when asked.
template <class Value> class NotingReporter : public benchmark::ConsoleReporter {
public:
    using Pick = std::function<std::optional<Value>(const Run&)>;

    NotingReporter(bool printRuns, Pick pick) : printRuns_(printRuns), pick_(std::move(pick)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        if (printRuns_) ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (auto value = pick_(run)) noted[run.run_name.function_name] = *value;
    }

    std::map<std::string, Value> noted;

private:
    bool printRuns_;
    Pick pick_;
};
