#pragma once

#include "core/store/ErrorReporter.h"

#include <cstdio>
#include <cstdlib>

namespace scorvane::bench {

// A file error in a benchmark is a broken set-up: it is printed and the run ends.
class AbortingReporter : public ErrorReporter
{
public:
    Choice reportFileError(const FileError& error) override
    {
        std::fprintf(stderr, "file error %d: %s\n", error.code, qPrintable(error.systemText));
        return Choice::EndProgram;
    }
    [[noreturn]] void endProgram() override { std::abort(); }
};

} // namespace scorvane::bench
