#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace scorvane::bench {

// Prints as usual and keeps each benchmark's real time, so a benchmark can close with the ratio
// of a measurement to its physical baseline from the same run.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> realTime;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                realTime[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace scorvane::bench
