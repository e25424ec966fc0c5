#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

#include <vector>

namespace scorvane {

// One rule the data breaks, at a file and, where there is one, a record (counting from 1).
struct IntegrityProblem
{
    QString file; // the file's own name, as found in the folder
    qint32 record = 0;
    QString text;

    // "KVPS3.DAT record 12: ..." or "KVTEAMS.DAT: ...".
    QString line() const;
};

// Reads every data file of `folder` (never writes, never creates) and lists each broken rule:
// record lengths and partial records, game numbering, results out of game order, game fields
// copied into results that differ from their game's, player numbers outside 1-99, two active
// results of one player in one game, and results of games that do not exist. Empty when clean.
// A file that cannot be read, or a named pipe or device in a data file's place, is itself a
// problem.
std::vector<IntegrityProblem> checkDataFolder(const QString& folder);

// "scorvane-report check --data DIR": prints every problem, one a line, on `out`. Returns 0 when
// the folder is clean, 1 when it breaks a rule or cannot be read, 2 for bad arguments.
int runCheckCommand(const QStringList& arguments, std::FILE* out, std::FILE* err);

} // namespace scorvane
