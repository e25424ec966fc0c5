#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace scorvane {

// Which report a menu command opened; the print dialog and the command-line tool follow it.
enum class ReportKind { PlayerStatistics, GameScores, Record, Standings, Roster, LeagueTable };

// What the report's minimum counts: games played or shots on goal.
enum class MinimumKind { GamesPlayed, ShotsOnGoal };

// The games and players a report counts. Every report menu command starts from a fresh value;
// the Compute window changes it, and the game test reads it.
struct ReportSelection
{
    ReportKind kind = ReportKind::PlayerStatistics;
    int fromGame = 1;
    int toGame = 999;
    std::array<bool, 7> typeCounted{true, true, true, true, true, true, true}; // game types 1-7
    bool allTypesCounted = true;
    bool onlySelectedGames = false; // count only the games marked in the explicit list
    int playerNumber = 0;           // 0: any player
    QString playerName;             // lower-cased, left-trimmed; empty: any player
    bool individual = false;        // one player's games, game by game
    int individualPlayer = 0;
    MinimumKind minimumKind = MinimumKind::GamesPlayed;
    int minimumValue = 0;
    // Player statistics over seasons: the current season plus these archived ones, a player
    // being the same name (any case) in the same team slot.
    bool career = false;
    QStringList careerSeasons;

    bool typeIsCounted(int gameType) const { return typeCounted.at(gameType - 1); }
};

} // namespace scorvane
