#pragma once

#include "core/state/MemoryReuse.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace scorvane::bench {

// Prints as usual and keeps each benchmark's real time, so a benchmark can close with the ratio
// of a measurement to its physical baseline from the same run.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> realTime; // by function name, then "/" and any arguments

    static std::string nameOf(const Run& run)
    {
        const auto& name = run.run_name;
        return name.args.empty() ? name.function_name : name.function_name + "/" + name.args;
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                realTime[nameOf(run)] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

// A benchmark and the words its ratio line names it with.
struct Ratio
{
    const char* benchmark;
    const char* label;
};

// The whole of a benchmark program's main: runs the benchmarks asked for, then prints each
// measurement's real time as a ratio of the baseline's from the same run, against the goal
// (at most 2 unless the benchmark says otherwise).
inline int runWithRatios(int argc, char** argv, const Ratio& baseline,
    std::initializer_list<Ratio> measured, double goal = 2.0)
{
    keepFreedMemoryForReuse(); // as the programs run
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto base = reporter.realTime.find(baseline.benchmark);
    if (base == reporter.realTime.end() || base->second <= 0)
        return 0;
    for (const Ratio& m : measured) {
        const auto it = reporter.realTime.find(m.benchmark);
        if (it == reporter.realTime.end())
            continue;
        const double ratio = it->second / base->second;
        std::printf("%s / %s: %.2f (goal: at most %.2f) %s\n", m.label, baseline.label, ratio, goal,
            ratio <= goal ? "met" : "NOT MET");
    }
    return 0;
}

} // namespace scorvane::bench
