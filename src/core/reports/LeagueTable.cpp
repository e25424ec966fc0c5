#include "core/reports/LeagueTable.h"

#include "core/text/Blanks.h"

#include <QHash>

#include <algorithm>
#include <functional>

namespace scorvane {

namespace {

// One game as the table counts it: `first` (a team's index) against `second` (another team's
// index, or -1 for an opponent outside the table).
struct Match
{
    int first = 0;
    int second = -1;
    int firstGoals = 0;
    int secondGoals = 0;
    bool firstAway = false;
};

struct GameOf
{
    int team = 0;
    const GameRecord* game = nullptr;
};

Match matchFrom(int team, int opponent, const GameRecord& game)
{
    return Match{team, opponent, game.goalsFor, game.goalsAgainst, game.homeGame == '2'};
}

// Pairs the games `i` recorded against `j` with those `j` recorded against `i` by their date,
// in record order; a pair that agrees is one match, a pair that disagrees none.
void pairGames(int i, int j, const std::vector<const GameRecord*>& ofFirst,
    const std::vector<const GameRecord*>& ofSecond, std::vector<Match>& matches,
    std::vector<std::pair<const GameRecord*, const GameRecord*>>& disagreeing)
{
    std::vector<bool> used(ofSecond.size(), false);
    for (const GameRecord* game : ofFirst) {
        std::size_t k = 0;
        while (k < ofSecond.size() && (used[k] || ofSecond[k]->gameDate != game->gameDate))
            ++k;
        if (k == ofSecond.size()) {
            matches.push_back(matchFrom(i, j, *game));
            continue;
        }
        used[k] = true;
        const GameRecord& other = *ofSecond[k];
        if (other.goalsFor == game->goalsAgainst && other.goalsAgainst == game->goalsFor)
            matches.push_back(matchFrom(i, j, *game));
        else
            disagreeing.emplace_back(game, &other);
    }
    for (std::size_t k = 0; k < ofSecond.size(); ++k) {
        if (!used[k])
            matches.push_back(matchFrom(j, i, *ofSecond[k]));
    }
}

// What one team gains from a match, from its own side.
struct Side
{
    int goalsFor = 0;
    int goalsAgainst = 0;
    bool away = false;
};

int cappedDifference(const Side& side, int cap)
{
    const int difference = side.goalsFor - side.goalsAgainst;
    return cap > 0 ? std::clamp(difference, -cap, cap) : difference;
}

int pointsFor(const Side& side, const LeagueRules& rules)
{
    if (side.goalsFor > side.goalsAgainst)
        return rules.pointsForWin;
    return side.goalsFor < side.goalsAgainst ? rules.pointsForLoss : rules.pointsForTie;
}

void addToRow(LeagueRow& row, const Side& side, const LeagueRules& rules)
{
    ++row.played;
    if (side.goalsFor > side.goalsAgainst)
        ++row.won;
    else if (side.goalsFor < side.goalsAgainst)
        ++row.lost;
    else
        ++row.tied;
    row.goalsFor += side.goalsFor;
    row.goalsAgainst += side.goalsAgainst;
    row.goalDifference += cappedDifference(side, rules.goalDifferenceCap);
    if (side.away)
        row.awayGoals += side.goalsFor;
    row.points += pointsFor(side, rules);
}

// Ranks teams level so far, rule by rule, splitting them wherever a rule tells them apart.
class Ranking
{
public:
    Ranking(
        std::vector<LeagueRow>& rows, const std::vector<Match>& matches, const LeagueRules& rules)
        : rows_(rows)
        , matches_(matches)
        , rules_(rules)
    { }

    // The indices of `group` in their final order.
    std::vector<int> order(std::vector<int> group, std::size_t ruleIndex)
    {
        if (group.size() < 2)
            return group;
        if (ruleIndex == rules_.tieBreakers.size()) {
            for (std::size_t k = 1; k < group.size(); ++k)
                rows_[static_cast<std::size_t>(group[k])].levelWithAbove = true;
            return group; // team-list order
        }
        const TieBreaker rule = rules_.tieBreakers[ruleIndex];
        const std::vector<long long> values = valuesOf(group, rule);
        std::vector<std::size_t> byValue(group.size());
        for (std::size_t k = 0; k < byValue.size(); ++k)
            byValue[k] = k;
        std::stable_sort(byValue.begin(), byValue.end(),
            [&](std::size_t a, std::size_t b) { return values[a] > values[b]; });
        std::vector<int> ordered;
        for (std::size_t start = 0; start < byValue.size();) {
            std::size_t end = start + 1;
            while (end < byValue.size() && values[byValue[end]] == values[byValue[start]])
                ++end;
            std::vector<int> level;
            for (std::size_t k = start; k < end; ++k)
                level.push_back(group[byValue[k]]);
            const std::vector<int> inner = order(level, ruleIndex + 1);
            // The rule separates whichever team heads the lower group once it is ranked.
            if (start > 0)
                rows_[static_cast<std::size_t>(inner.front())].decidedBy = rule;
            ordered.insert(ordered.end(), inner.begin(), inner.end());
            start = end;
        }
        return ordered;
    }

private:
    std::vector<long long> valuesOf(const std::vector<int>& group, TieBreaker rule) const
    {
        const auto own = [&](const std::function<long long(const LeagueRow&)>& value) {
            std::vector<long long> values;
            for (int team : group)
                values.push_back(value(rows_[static_cast<std::size_t>(team)]));
            return values;
        };
        switch (rule) {
        case TieBreaker::Points:
            return own([](const LeagueRow& r) { return r.points; });
        case TieBreaker::GoalDifference:
            return own([](const LeagueRow& r) { return r.goalDifference; });
        case TieBreaker::GoalsFor:
            return own([](const LeagueRow& r) { return r.goalsFor; });
        case TieBreaker::FewestGoalsAgainst:
            return own([](const LeagueRow& r) { return -r.goalsAgainst; });
        case TieBreaker::Wins:
            return own([](const LeagueRow& r) { return r.won; });
        case TieBreaker::AwayGoals:
            return own([](const LeagueRow& r) { return r.awayGoals; });
        case TieBreaker::FewestGamesPlayed:
            return own([](const LeagueRow& r) { return -r.played; });
        case TieBreaker::HeadToHeadPoints:
        case TieBreaker::HeadToHeadGoalDifference:
        case TieBreaker::HeadToHeadGoalsFor:
            break;
        }
        return headToHead(group, rule);
    }

    // The rule's figure from the games among the group's teams alone.
    std::vector<long long> headToHead(const std::vector<int>& group, TieBreaker rule) const
    {
        std::vector<long long> values(group.size(), 0);
        const auto place = [&](int team) {
            const auto found = std::find(group.begin(), group.end(), team);
            return found == group.end() ? -1 : static_cast<int>(found - group.begin());
        };
        const auto add = [&](int at, const Side& side) {
            long long& value = values[static_cast<std::size_t>(at)];
            if (rule == TieBreaker::HeadToHeadPoints)
                value += pointsFor(side, rules_);
            else if (rule == TieBreaker::HeadToHeadGoalDifference)
                value += cappedDifference(side, rules_.goalDifferenceCap);
            else
                value += side.goalsFor;
        };
        for (const Match& m : matches_) {
            const int first = place(m.first);
            const int second = m.second < 0 ? -1 : place(m.second);
            if (first < 0 || second < 0)
                continue;
            add(first, Side{m.firstGoals, m.secondGoals, m.firstAway});
            add(second, Side{m.secondGoals, m.firstGoals, !m.firstAway});
        }
        return values;
    }

    std::vector<LeagueRow>& rows_;
    const std::vector<Match>& matches_;
    const LeagueRules& rules_;
};

} // namespace

LeagueTable::LeagueTable(const std::vector<LeagueTeamGames>& teams, LeagueRules rules)
    : rules_(std::move(rules))
{
    const int count = static_cast<int>(teams.size());
    QHash<QString, int> teamByName;
    for (int i = count - 1; i >= 0; --i) // the first of two teams of one name wins
        teamByName.insert(trimBlanks(teams[static_cast<std::size_t>(i)].teamName).toLower(), i);

    std::vector<Match> matches;
    // against[i * count + j]: the games team i recorded against team j.
    std::vector<std::vector<const GameRecord*>> against(
        static_cast<std::size_t>(count) * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        for (const GameRecord& game : teams[static_cast<std::size_t>(i)].games) {
            const auto found = teamByName.constFind(trimBlanks(game.opponent).toLower());
            if (found == teamByName.cend() || *found == i)
                matches.push_back(matchFrom(i, -1, game));
            else
                against[static_cast<std::size_t>(i * count + *found)].push_back(&game);
        }
    }
    std::vector<std::pair<const GameRecord*, const GameRecord*>> disagreeing;
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            const std::size_t ij = static_cast<std::size_t>(i * count + j);
            const std::size_t ji = static_cast<std::size_t>(j * count + i);
            const std::size_t before = disagreeing.size();
            pairGames(i, j, against[ij], against[ji], matches, disagreeing);
            for (std::size_t k = before; k < disagreeing.size(); ++k) {
                const auto [first, second] = disagreeing[k];
                disagreements_.push_back(RecordDisagreement{teams[static_cast<std::size_t>(i)].slot,
                    teams[static_cast<std::size_t>(j)].slot, first->gameDate, first->goalsFor,
                    first->goalsAgainst, second->goalsFor, second->goalsAgainst});
            }
        }
    }

    for (const LeagueTeamGames& team : teams) {
        LeagueRow row;
        row.slot = team.slot;
        row.teamName = team.teamName;
        row.pointsDeducted = rules_.pointsDeducted(team.slot);
        row.points = -row.pointsDeducted;
        rows_.push_back(row);
    }
    for (const Match& m : matches) {
        addToRow(rows_[static_cast<std::size_t>(m.first)],
            Side{m.firstGoals, m.secondGoals, m.firstAway}, rules_);
        if (m.second >= 0)
            addToRow(rows_[static_cast<std::size_t>(m.second)],
                Side{m.secondGoals, m.firstGoals, !m.firstAway}, rules_);
    }

    std::vector<int> all(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        all[static_cast<std::size_t>(i)] = i;
    const std::vector<int> order = Ranking(rows_, matches, rules_).order(all, 0);
    std::vector<LeagueRow> ranked;
    ranked.reserve(rows_.size());
    for (int team : order)
        ranked.push_back(rows_[static_cast<std::size_t>(team)]);
    for (std::size_t k = 0; k < ranked.size(); ++k) {
        LeagueRow& row = ranked[k];
        row.position = row.levelWithAbove ? ranked[k - 1].position : static_cast<int>(k) + 1;
        if (row.levelWithAbove) {
            row.decidedBy.reset();
            row.sharesPosition = true;
            ranked[k - 1].sharesPosition = true;
        }
    }
    rows_ = std::move(ranked);
}

} // namespace scorvane
