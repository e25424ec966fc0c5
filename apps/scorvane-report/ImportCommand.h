#pragma once

#include <QStringList>

#include <cstdio>

namespace scorvane {

// "scorvane-report import roster|games --team N FILE": reads a spreadsheet saved as CSV into a
// team's roster or games, prints the preview (every row as it will be stored, beside its
// problems) on `out` and writes everything at once. When any row has a problem, or a conflict
// with the team's players or games is left unresolved, nothing is written and the exit code is 1
// unless --skip-problems leaves such rows out. Exit codes: 0 written (or a clean --dry-run),
// 1 problems, or data that cannot be read or written, 2 bad arguments.
int runImportCommand(const QStringList& arguments, std::FILE* out, std::FILE* err);

QString importUsage();

} // namespace scorvane
