#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace scorvane {

// The Compute window's explicit list of one team's games: one line per active game, and which
// entries are marked. An entry's index is its game number − 1, as the game numbers of the
// active games run 1, 2, 3 … in record order.
struct ExplicitGameList
{
    QStringList lines;
    std::vector<bool> selected; // by entry index
    int selectedCount() const;
};

// Reads the team's games file: "  7   09/15/02  Rovers ...   3 - 1  " lines for the active
// games and their marks ("2" = marked).
ExplicitGameList readExplicitList(const QString& gamesPath, QString* error = nullptr);

class DataFiles;

// Stores the list's marks in the open team's games and statistics files as one change: every
// active record's mark becomes "2" when the entry of its game number is selected, else "1". Only
// the records whose mark changes are written; every other byte stays as it was, and a file with
// no changed mark is not rewritten. With several teams nothing is written. False when a write
// error was cancelled: then neither file changed.
bool storeExplicitList(DataFiles& files, int teamCount, const std::vector<bool>& selected);

} // namespace scorvane
