#include "core/reports/LeagueRules.h"

#include <QStringList>

#include <algorithm>

namespace scorvane {

namespace {

struct TieBreakerNames
{
    TieBreaker rule;
    const char* name;
    const char* shortName;
    const char* key;
};

constexpr std::array<TieBreakerNames, 10> Names{{
    {TieBreaker::Points, "points", "points", "points"},
    {TieBreaker::GoalDifference, "goal difference", "goal difference", "goal-difference"},
    {TieBreaker::GoalsFor, "goals for", "goals for", "goals-for"},
    {TieBreaker::FewestGoalsAgainst, "fewest goals against", "fewest against",
        "fewest-goals-against"},
    {TieBreaker::Wins, "wins", "wins", "wins"},
    {TieBreaker::HeadToHeadPoints, "head-to-head points", "h2h points", "head-to-head-points"},
    {TieBreaker::HeadToHeadGoalDifference, "head-to-head goal difference", "h2h goal diff.",
        "head-to-head-goal-difference"},
    {TieBreaker::HeadToHeadGoalsFor, "head-to-head goals for", "h2h goals for",
        "head-to-head-goals-for"},
    {TieBreaker::AwayGoals, "away goals", "away goals", "away-goals"},
    {TieBreaker::FewestGamesPlayed, "fewest games played", "fewest games", "fewest-games-played"},
}};

const TieBreakerNames& namesOf(TieBreaker rule)
{
    return *std::find_if(
        Names.begin(), Names.end(), [rule](const TieBreakerNames& n) { return n.rule == rule; });
}

} // namespace

const std::array<TieBreaker, 10>& allTieBreakers()
{
    static const std::array<TieBreaker, 10> all = [] {
        std::array<TieBreaker, 10> rules{};
        std::transform(Names.begin(), Names.end(), rules.begin(),
            [](const TieBreakerNames& n) { return n.rule; });
        return rules;
    }();
    return all;
}

QString tieBreakerName(TieBreaker rule)
{
    return QString::fromLatin1(namesOf(rule).name);
}

QString tieBreakerShortName(TieBreaker rule)
{
    return QString::fromLatin1(namesOf(rule).shortName);
}

QString tieBreakerKey(TieBreaker rule)
{
    return QString::fromLatin1(namesOf(rule).key);
}

std::optional<TieBreaker> tieBreakerFromKey(const QString& key)
{
    for (const TieBreakerNames& n : Names) {
        if (key == QLatin1StringView(n.key))
            return n.rule;
    }
    return std::nullopt;
}

int LeagueRules::pointsDeducted(int slot) const
{
    int total = 0;
    for (const PointsDeduction& d : deductions) {
        if (d.slot == slot)
            total += d.points;
    }
    return total;
}

std::vector<LeagueRules> leaguePresets()
{
    LeagueRules standard;
    LeagueRules headToHead;
    headToHead.name = QStringLiteral("Head-to-head first");
    headToHead.tieBreakers
        = {TieBreaker::Points, TieBreaker::HeadToHeadPoints, TieBreaker::HeadToHeadGoalDifference,
            TieBreaker::HeadToHeadGoalsFor, TieBreaker::GoalDifference, TieBreaker::GoalsFor};
    LeagueRules youth;
    youth.name = QStringLiteral("Youth: capped goal difference");
    youth.goalDifferenceCap = 3;
    return {standard, headToHead, youth};
}

std::optional<RulesProblem> rulesProblem(const LeagueRules& rules)
{
    const QString pointsTitle = QStringLiteral("Points Invalid");
    if (rules.name.trimmed().isEmpty())
        return RulesProblem{
            QStringLiteral("Rule Set Name Invalid"), QStringLiteral("The rule set needs a name")};
    if (rules.pointsForWin < 0 || rules.pointsForTie < 0 || rules.pointsForLoss < 0)
        return RulesProblem{pointsTitle, QStringLiteral("Points cannot be negative")};
    if (rules.pointsForWin > 99 || rules.pointsForTie > 99 || rules.pointsForLoss > 99)
        return RulesProblem{pointsTitle, QStringLiteral("Points must be 0 to 99")};
    if (rules.goalDifferenceCap < 0 || rules.goalDifferenceCap > 99)
        return RulesProblem{QStringLiteral("Goal Difference Cap Invalid"),
            QStringLiteral("Must be 0 (no cap) to 99")};
    if (rules.tieBreakers.empty())
        return RulesProblem{QStringLiteral("Rules Invalid"),
            QStringLiteral("Choose at least one rule to rank the teams by")};
    for (auto rule = rules.tieBreakers.begin(); rule != rules.tieBreakers.end(); ++rule) {
        if (std::find(rules.tieBreakers.begin(), rule, *rule) != rule)
            return RulesProblem{QStringLiteral("Rules Invalid"),
                QStringLiteral("\"%1\" is in the list twice").arg(tieBreakerName(*rule))};
    }
    for (const PointsDeduction& d : rules.deductions) {
        if (d.slot < 1 || d.slot > 100)
            return RulesProblem{QStringLiteral("Deduction Invalid"),
                QStringLiteral("Team slot %1 is outside 1 to 100").arg(d.slot)};
        if (d.points < 1 || d.points > 999)
            return RulesProblem{QStringLiteral("Deduction Invalid"),
                QStringLiteral("Points deducted must be 1 to 999")};
        if (d.reason.trimmed().isEmpty())
            return RulesProblem{QStringLiteral("Deduction Invalid"),
                QStringLiteral("Every deduction needs a reason")};
    }
    return std::nullopt;
}

QString rulesSummary(const LeagueRules& rules)
{
    QStringList order;
    for (TieBreaker rule : rules.tieBreakers)
        order << tieBreakerName(rule);
    QString text = QStringLiteral("%1 for a win, %2 for a tie, %3 for a loss; ranked by %4")
                       .arg(rules.pointsForWin)
                       .arg(rules.pointsForTie)
                       .arg(rules.pointsForLoss)
                       .arg(order.join(QStringLiteral(", ")));
    if (rules.goalDifferenceCap > 0)
        text += QStringLiteral("; goal difference counts at most %1 a game")
                    .arg(rules.goalDifferenceCap);
    return text + u'.';
}

} // namespace scorvane
