#include "core/reports/LeagueTable.h"

#include "core/text/Blanks.h"
#include "core/text/TextCodec.h"

#include <algorithm>
#include <cstdint>
#include <functional>

namespace scorvane {

namespace {

// Windows-1252 letters folded to lower case, for names compared in any letter case.
constexpr unsigned char foldedByte(unsigned char b)
{
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
        return static_cast<unsigned char>(b + 0x20);
    if (b == 0x8A || b == 0x8C || b == 0x8E)
        return static_cast<unsigned char>(b + 0x10);
    return b == 0x9F ? 0xFF : b;
}

constexpr std::array<unsigned char, 256> FoldTable = [] {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[static_cast<std::size_t>(b)] = foldedByte(static_cast<unsigned char>(b));
    return table;
}();

// The chosen teams by name, blanks trimmed and in any letter case, looked up straight from an
// opponent field's bytes so that no text is made per game: a hash of the folded bytes finds the
// candidates, the bytes confirm.
class TeamNameIndex
{
public:
    explicit TeamNameIndex(const std::vector<LeagueTeamGames>& teams)
    {
        for (std::size_t i = 0; i < teams.size(); ++i) {
            QByteArray bytes = TextCodec::encode(trimBlanks(teams[i].teamName)).left(25);
            for (char& b : bytes)
                b = static_cast<char>(FoldTable[static_cast<unsigned char>(b)]);
            names_.push_back({hashOf(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                static_cast<int>(i), bytes});
        }
        // By hash, and the first of two teams of one name first.
        std::stable_sort(names_.begin(), names_.end(),
            [](const Name& x, const Name& y) { return x.hash < y.hash; });
    }

    // The first team of that name, or -1.
    int find(const std::array<char, 25>& field) const
    {
        std::size_t begin = 0;
        std::size_t end = field.size();
        while (begin < end && field[begin] == ' ')
            ++begin;
        while (end > begin && field[end - 1] == ' ')
            --end;
        std::array<char, 25> folded{};
        const std::size_t length = end - begin;
        for (std::size_t k = 0; k < length; ++k)
            folded[k] = static_cast<char>(FoldTable[static_cast<unsigned char>(field[begin + k])]);
        const std::uint64_t hash = hashOf(folded.data(), length);
        auto at = std::lower_bound(names_.begin(), names_.end(), hash,
            [](const Name& name, std::uint64_t h) { return name.hash < h; });
        for (; at != names_.end() && at->hash == hash; ++at) {
            if (static_cast<std::size_t>(at->folded.size()) == length
                && std::equal(folded.begin(), folded.begin() + static_cast<std::ptrdiff_t>(length),
                    at->folded.constData()))
                return at->team;
        }
        return -1;
    }

private:
    static std::uint64_t hashOf(const char* bytes, std::size_t length)
    {
        std::uint64_t hash = 1469598103934665603ULL; // FNV-1a
        for (std::size_t k = 0; k < length; ++k)
            hash = (hash ^ static_cast<unsigned char>(bytes[k])) * 1099511628211ULL;
        return hash;
    }

    struct Name
    {
        std::uint64_t hash = 0;
        int team = 0;
        QByteArray folded;
    };
    std::vector<Name> names_;
};

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

Match matchFrom(int team, int opponent, const LeagueGame& game)
{
    return Match{team, opponent, game.goalsFor, game.goalsAgainst, game.homeGame == '2'};
}

// Pairs the games `i` recorded against `j` with those `j` recorded against `i` by their date,
// in record order; a pair that agrees is one match, a pair that disagrees none.
void pairGames(int i, int j, const std::vector<const LeagueGame*>& ofFirst,
    const std::vector<const LeagueGame*>& ofSecond, std::vector<Match>& matches,
    std::vector<std::pair<const LeagueGame*, const LeagueGame*>>& disagreeing,
    std::vector<char>& used)
{
    used.assign(ofSecond.size(), 0);
    for (const LeagueGame* game : ofFirst) {
        std::size_t k = 0;
        while (k < ofSecond.size() && (used[k] || ofSecond[k]->date != game->date))
            ++k;
        if (k == ofSecond.size()) {
            matches.push_back(matchFrom(i, j, *game));
            continue;
        }
        used[k] = 1;
        const LeagueGame& other = *ofSecond[k];
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
        , rules_(rules)
        , placeInGroup_(rows.size(), -1)
    {
        for (const Match& m : matches) {
            if (m.second >= 0)
                betweenTeams_.push_back(m);
        }
    }

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
        for (std::size_t k = 0; k < group.size(); ++k)
            placeInGroup_[static_cast<std::size_t>(group[k])] = static_cast<int>(k);
        const auto place = [&](int team) { return placeInGroup_[static_cast<std::size_t>(team)]; };
        const auto add = [&](int at, const Side& side) {
            long long& value = values[static_cast<std::size_t>(at)];
            if (rule == TieBreaker::HeadToHeadPoints)
                value += pointsFor(side, rules_);
            else if (rule == TieBreaker::HeadToHeadGoalDifference)
                value += cappedDifference(side, rules_.goalDifferenceCap);
            else
                value += side.goalsFor;
        };
        for (const Match& m : betweenTeams_) {
            const int first = place(m.first);
            const int second = place(m.second);
            if (first < 0 || second < 0)
                continue;
            add(first, Side{m.firstGoals, m.secondGoals, m.firstAway});
            add(second, Side{m.secondGoals, m.firstGoals, !m.firstAway});
        }
        for (int team : group)
            placeInGroup_[static_cast<std::size_t>(team)] = -1;
        return values;
    }

    std::vector<LeagueRow>& rows_;
    const LeagueRules& rules_;
    std::vector<Match> betweenTeams_;       // the matches of two teams of the table
    mutable std::vector<int> placeInGroup_; // by team, its place in the group ranked; -1 outside
};

} // namespace

LeagueTable::LeagueTable(const std::vector<LeagueTeamGames>& teams, LeagueRules rules)
    : rules_(std::move(rules))
{
    const int count = static_cast<int>(teams.size());
    const TeamNameIndex teamByName(teams);
    std::vector<Match> matches;
    std::size_t gameCount = 0;
    for (const LeagueTeamGames& team : teams)
        gameCount += team.games.size();
    matches.reserve(gameCount);
    // against[i * count + j]: the games team i recorded against team j.
    std::vector<std::vector<const LeagueGame*>> against(
        static_cast<std::size_t>(count) * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        for (const LeagueGame& game : teams[static_cast<std::size_t>(i)].games) {
            const int found = teamByName.find(game.opponent);
            if (found < 0 || found == i)
                matches.push_back(matchFrom(i, -1, game));
            else
                against[static_cast<std::size_t>(i * count + found)].push_back(&game);
        }
    }
    std::vector<std::pair<const LeagueGame*, const LeagueGame*>> disagreeing;
    std::vector<char> used; // scratch of the pairing, kept for every pair
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            const std::size_t ij = static_cast<std::size_t>(i * count + j);
            const std::size_t ji = static_cast<std::size_t>(j * count + i);
            const std::size_t before = disagreeing.size();
            pairGames(i, j, against[ij], against[ji], matches, disagreeing, used);
            for (std::size_t k = before; k < disagreeing.size(); ++k) {
                const auto [first, second] = disagreeing[k];
                disagreements_.push_back(RecordDisagreement{teams[static_cast<std::size_t>(i)].slot,
                    teams[static_cast<std::size_t>(j)].slot,
                    QString::fromLatin1(first->date.data(), 6), first->goalsFor,
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
