#pragma once

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace scorvane {

// One way of telling apart teams that are level so far. The head-to-head rules count only the
// games among the teams still level when the rule is reached.
enum class TieBreaker {
    Points,
    GoalDifference,
    GoalsFor,
    FewestGoalsAgainst,
    Wins,
    HeadToHeadPoints,
    HeadToHeadGoalDifference,
    HeadToHeadGoalsFor,
    AwayGoals,
    FewestGamesPlayed,
};

// Every tie-breaker, in the order the rules dialog offers them.
const std::array<TieBreaker, 10>& allTieBreakers();
// "goal difference": what the table's "Decided by" column and the notes say.
QString tieBreakerName(TieBreaker rule);
// The same in at most 15 characters, for the printed line.
QString tieBreakerShortName(TieBreaker rule);
// "goal-difference": the word the rules file stores.
QString tieBreakerKey(TieBreaker rule);
std::optional<TieBreaker> tieBreakerFromKey(const QString& key);

// Points taken off one team, with the reason shown under the table.
struct PointsDeduction
{
    int slot = 0;   // the team's slot in the team list
    int points = 0; // taken off the team's points: 1 or more
    QString reason;

    bool operator==(const PointsDeduction&) const = default;
};

// How a league table ranks its teams.
struct LeagueRules
{
    QString name = QStringLiteral("Points, goal difference");
    int pointsForWin = 3;
    int pointsForTie = 1;
    int pointsForLoss = 0;
    // The most one game adds to or takes from a goal difference; 0 counts every goal.
    int goalDifferenceCap = 0;
    std::vector<TieBreaker> tieBreakers{TieBreaker::Points, TieBreaker::GoalDifference,
        TieBreaker::GoalsFor, TieBreaker::HeadToHeadPoints, TieBreaker::HeadToHeadGoalDifference,
        TieBreaker::HeadToHeadGoalsFor};
    std::vector<PointsDeduction> deductions;

    int pointsDeducted(int slot) const;
    bool operator==(const LeagueRules&) const = default;
};

// The ready-made rule sets, the default first. Their deductions are empty.
std::vector<LeagueRules> leaguePresets();

// What is wrong with a rule set, as a message box shows it.
struct RulesProblem
{
    QString title;
    QString text;
};

// The first problem of the rules in the order the dialog's fields stand; empty when they can be
// used.
std::optional<RulesProblem> rulesProblem(const LeagueRules& rules);

// "3 for a win, 1 for a tie, 0 for a loss; then points, goal difference, ...": the rules in one
// line for the notes under the table.
QString rulesSummary(const LeagueRules& rules);

} // namespace scorvane
