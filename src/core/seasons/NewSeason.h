#pragma once

#include <QString>

namespace scorvane {

struct AppState;

// The year span of the data folder's game dates, "2025-2026", or one year "2025"; the current
// year when no game has a date.
QString defaultSeasonName(const QString& dataFolder);

enum class NewSeasonOutcome {
    Started,     // the ended season is archived and the data folder holds the new one
    BadName,     // `problem` says why
    NameTaken,   // an archive of that name exists and holds another season
    ViewingOld,  // an archived season is open: only the current season can be ended
    NotVerified, // the copy did not match the data folder: nothing was removed
    Cancelled,   // a write error was cancelled: the data folder is as it was
};

struct NewSeasonResult
{
    NewSeasonOutcome outcome = NewSeasonOutcome::Cancelled;
    QString problem;
    QString archiveFolder;
};

// Ends the current season under `name` and starts the next one.
//
// 1. Every non-empty data file is copied into a hidden working folder in the seasons folder by
//    the back-up copy (written whole or not at all).
// 2. The copy is verified: each file byte for byte, and the integrity check must list the same
//    problems for both folders. Then the season record is written and the working folder is
//    renamed to the season's name: the archive appears complete or not at all.
// 3. One change of the data folder (with its journal) removes every team's games and results;
//    the team list, rosters and contacts stay as they are.
//
// A stop at any moment leaves the old season whole in the data folder (with or without its
// finished archive) or the new season started beside a complete archive. Running it again with
// the same name after a stop between 2 and 3 finishes step 3 on the archive already made.
NewSeasonResult startNewSeason(AppState& state, const QString& name);

} // namespace scorvane
