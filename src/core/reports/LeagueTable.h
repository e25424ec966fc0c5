#pragma once

#include "core/reports/GameFileReader.h"
#include "core/reports/LeagueRules.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace scorvane {

// One chosen team of the league table.
struct LeagueTeam
{
    int slot = 0;
    QString teamName; // as the team list holds it
};

// One chosen team's counted games, in record order, for the league table.
struct LeagueTeamGames
{
    int slot = 0;
    QString teamName; // as the team list holds it
    std::vector<LeagueGame> games;
};

// The counted games of the team at `index`, valid until the next call; nullptr stops the
// counting (the caller knows why and drops the table).
using LeagueGamesOf = std::function<const std::vector<GameRecordView>*(std::size_t index)>;

// One team's line of the league table.
struct LeagueRow
{
    int slot = 0;
    QString teamName;
    int played = 0;
    int won = 0;
    int tied = 0;
    int lost = 0;
    int goalsFor = 0;
    int goalsAgainst = 0;
    int goalDifference = 0; // capped per game when the rules cap it
    int awayGoals = 0;
    int pointsDeducted = 0;
    int points = 0; // after the deduction
    int position = 0;
    bool sharesPosition = false; // level on every rule with a team next to it ("3=")
    // The rule that placed the team below the one above it; empty for the first team and for a
    // team level on every rule with the one above.
    std::optional<TieBreaker> decidedBy;
    bool levelWithAbove = false;
};

// A game between two chosen teams that both recorded with different scores; it is not counted.
struct RecordDisagreement
{
    int firstSlot = 0; // the lower slot
    int secondSlot = 0;
    QString date; // "MMDDYY"
    int firstFor = 0;
    int firstAgainst = 0;
    int secondFor = 0;
    int secondAgainst = 0;
};

// The chosen teams ranked by the rules. A game against another chosen team (its opponent name
// matches that team's name, blanks trimmed, any letter case) counts once for both teams, whether
// one or both of them recorded it; two records of the same game are told by their date.
class LeagueTable
{
public:
    LeagueTable() = default;
    // `teams` in team-list order, which also orders teams level on every rule.
    LeagueTable(const std::vector<LeagueTeamGames>& teams, LeagueRules rules);
    // The same, asking for each team's games in turn, so that only one team's are held at once.
    LeagueTable(
        const std::vector<LeagueTeam>& teams, LeagueRules rules, const LeagueGamesOf& gamesOf);

    const std::vector<LeagueRow>& rows() const { return rows_; }
    const std::vector<RecordDisagreement>& disagreements() const { return disagreements_; }
    const LeagueRules& rules() const { return rules_; }

private:
    LeagueRules rules_;
    std::vector<LeagueRow> rows_;
    std::vector<RecordDisagreement> disagreements_;
};

} // namespace scorvane
