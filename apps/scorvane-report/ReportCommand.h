#pragma once

#include <QStringList>

#include <cstdio>

namespace scorvane {

// The command-line report tool: reads the arguments, loads a copy of the data (the data folder
// itself is never written), prints the report through the output engine to `out` or to the
// file named with -o. Returns the exit code: 0 done, 1 data or output that cannot be read or
// written, 2 bad arguments. Messages are one line on `err`; --help prints the usage on `out`.
int runReportCommand(const QStringList& arguments, std::FILE* out, std::FILE* err);

// The usage text `--help` prints: the kinds, every option and its default.
QString reportUsage();

} // namespace scorvane
