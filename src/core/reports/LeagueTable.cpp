#include "core/reports/LeagueTable.h"

#include "core/text/Blanks.h"
#include "core/text/TextCodec.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <utility>

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

// A name field as the table compares it: blanks trimmed, letters folded, zero-padded to 32
// bytes held in four words, so that two names compare and hash as four numbers.
struct NameKey
{
    std::array<std::uint64_t, 4> words{};

    static NameKey of(const char* bytes, std::size_t size)
    {
        std::size_t begin = 0;
        std::size_t end = size;
        while (begin < end && bytes[begin] == ' ')
            ++begin;
        while (end > begin && bytes[end - 1] == ' ')
            --end;
        std::array<unsigned char, 32> folded{};
        for (std::size_t k = begin; k < end && k - begin < folded.size(); ++k)
            folded[k - begin] = FoldTable[static_cast<unsigned char>(bytes[k])];
        NameKey key;
        std::memcpy(key.words.data(), folded.data(), folded.size());
        return key;
    }

    // The same for a 25-byte opponent field, eight bytes at a time: plain ASCII names that do
    // not start with a blank (nearly all) are trimmed and folded without a byte loop.
    static NameKey ofField(const char* field)
    {
        constexpr std::size_t FieldSize = 25;
        if constexpr (std::endian::native != std::endian::little)
            return of(field, FieldSize);
        constexpr std::uint64_t High = 0x8080808080808080ULL;
        constexpr std::uint64_t Low = 0x7F7F7F7F7F7F7F7FULL;
        constexpr std::uint64_t Blanks = 0x2020202020202020ULL;
        constexpr auto bytesOf = [](std::uint64_t c) { return c * 0x0101010101010101ULL; };
        NameKey key;
        std::memcpy(key.words.data(), field, 24);
        key.words[3] = (Blanks << 8) | static_cast<unsigned char>(field[24]);
        const std::uint64_t any = key.words[0] | key.words[1] | key.words[2] | key.words[3];
        if ((any & High) != 0 || field[0] == ' ')
            return of(field, FieldSize);
        std::size_t length = 0; // up to the last byte that is not a blank
        for (std::size_t k = 0; k < key.words.size(); ++k) {
            std::uint64_t& word = key.words[k];
            const std::uint64_t other = word ^ Blanks;
            const std::uint64_t notBlank = (((other & Low) + Low) | other) & High;
            if (notBlank != 0)
                length = k * 8 + static_cast<std::size_t>(63 - std::countl_zero(notBlank)) / 8 + 1;
            // Capitals to small letters: the bytes from 'A' to 'Z' gain 0x20.
            const std::uint64_t fromA = word + bytesOf(0x80 - 'A');
            const std::uint64_t pastZ = word + bytesOf(0x80 - 'Z' - 1);
            word |= ((fromA & ~pastZ) & High) >> 2;
        }
        for (std::size_t k = 0; k < key.words.size(); ++k) {
            const std::size_t start = k * 8;
            if (length <= start)
                key.words[k] = 0;
            else if (length < start + 8)
                key.words[k] &= (std::uint64_t{1} << (8 * (length - start))) - 1;
        }
        return key;
    }

    // The top `bits` bits of one product of all four words: the top bits of a product depend on
    // every byte of the words, so names that differ only in their last letters spread too.
    std::uint64_t hash(int bits) const
    {
        const std::uint64_t mixed = words[0] ^ std::rotl(words[1], 21) ^ std::rotl(words[2], 42)
            ^ std::rotl(words[3], 11);
        return (mixed * 0x9E3779B97F4A7C15ULL) >> (64 - bits);
    }

    bool operator==(const NameKey& other) const
    {
        return ((words[0] ^ other.words[0]) | (words[1] ^ other.words[1])
                   | (words[2] ^ other.words[2]) | (words[3] ^ other.words[3]))
            == 0;
    }
};

// The chosen teams by name, blanks trimmed and in any letter case, looked up straight from an
// opponent field's bytes so that no text is made per game.
class TeamNameIndex
{
public:
    explicit TeamNameIndex(const std::vector<LeagueTeam>& teams)
    {
        bits_ = 4;
        while ((std::size_t{1} << bits_) < teams.size() * 4)
            ++bits_;
        slots_.assign(std::size_t{1} << bits_, Slot{});
        for (std::size_t i = 0; i < teams.size(); ++i) {
            const QByteArray bytes = TextCodec::encode(trimBlanks(teams[i].teamName)).left(25);
            const NameKey key
                = NameKey::of(bytes.constData(), static_cast<std::size_t>(bytes.size()));
            Slot& slot = slotOf(key);
            if (slot.team < 0) // the first of two teams of one name is the one found
                slot = Slot{key, static_cast<int>(i)};
        }
    }

    // The first team named in a 25-byte opponent field, or -1.
    int find(const char* field) const { return slotOf(NameKey::ofField(field)).team; }

private:
    struct Slot
    {
        NameKey key;
        int team = -1;
    };

    // The slot holding `key`, or the empty one where it would go (open addressing).
    const Slot& slotOf(const NameKey& key) const
    {
        const std::size_t mask = slots_.size() - 1;
        std::size_t at = static_cast<std::size_t>(key.hash(bits_));
        while (slots_[at].team >= 0 && !(slots_[at].key == key))
            at = (at + 1) & mask;
        return slots_[at];
    }
    Slot& slotOf(const NameKey& key) { return const_cast<Slot&>(std::as_const(*this).slotOf(key)); }

    std::vector<Slot> slots_; // at most a quarter full, so every probe ends at an empty slot
    int bits_ = 0;            // 2 to the bits_ slots
};

// A team's record of a game against a team of the table read after it, held until that team's
// own records are read and the two records of one game are paired.
struct WaitingRecord
{
    std::array<char, 6> date{};
    std::uint8_t team = 0;  // the index of the team that recorded it
    std::uint8_t marks = 0; // Away, Paired
    qint16 goalsFor = 0;
    qint16 goalsAgainst = 0;

    static constexpr std::uint8_t Away = 1;
    static constexpr std::uint8_t Paired = 2; // the later team's record of the game was found
    bool away() const { return (marks & Away) != 0; }
    bool paired() const { return (marks & Paired) != 0; }
};
static_assert(sizeof(WaitingRecord) == 12);

bool sameDate(const std::array<char, 6>& a, const char* b)
{
    return std::memcmp(a.data(), b, a.size()) == 0;
}

// The counted games between two teams of the table summed from each side, for head-to-head:
// "low" is the team earlier in the list. The later team's goal difference is the negated one.
struct PairTally
{
    int pointsLow = 0;
    int pointsHigh = 0;
    int differenceLow = 0; // capped per game when the rules cap it
    int goalsLow = 0;
    int goalsHigh = 0;
};

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

// Counts the games of the chosen teams into their rows once each, team by team. A game against
// an outside team counts at once; so does one against a team read before, paired with that
// team's record of it if there is one. A record against a team still to be read waits for it:
// only those are held, and each team's are let go once its own games are in.
class GameCounter
{
public:
    GameCounter(const std::vector<LeagueTeam>& teams, std::vector<LeagueRow>& rows,
        const LeagueRules& rules)
        : teams_(teams)
        , teamByName_(teams)
        , rows_(rows)
        , rules_(rules)
        , count_(teams.size())
        , waitingFor_(count_)
        , firstFrom_(count_ + 1, 0)
        , tallies_(count_ < 2 ? 0 : count_ * (count_ - 1) / 2)
    { }

    // Takes team `j`'s games (teams in order).
    void addTeam(std::size_t j, const std::vector<GameRecordView>& games)
    {
        std::vector<WaitingRecord>& waiting = waitingFor_[j];
        // The earlier teams' records against j stand team by team, as they were read.
        std::fill(firstFrom_.begin(), firstFrom_.end(), 0);
        for (const WaitingRecord& record : waiting)
            ++firstFrom_[record.team + std::size_t{1}];
        for (std::size_t i = 1; i <= j; ++i)
            firstFrom_[i] += firstFrom_[i - 1];
        for (const GameRecordView& game : games) {
            const int found = teamByName_.find(game.opponent());
            if (found < 0 || static_cast<std::size_t>(found) == j) {
                countGame(j, -1, Side{game.goalsFor(), game.goalsAgainst(), game.away()});
                continue;
            }
            const auto other = static_cast<std::size_t>(found);
            if (other > j) {
                WaitingRecord record{{}, static_cast<std::uint8_t>(j),
                    game.away() ? WaitingRecord::Away : std::uint8_t{0}, game.goalsFor(),
                    game.goalsAgainst()};
                std::memcpy(record.date.data(), game.date(), record.date.size());
                waitingFor_[other].push_back(record);
            } else {
                pairWithEarlier(other, j, game, waiting);
            }
        }
        for (const WaitingRecord& record : waiting) {
            if (!record.paired())
                countGame(record.team, static_cast<int>(j),
                    Side{record.goalsFor, record.goalsAgainst, record.away()});
        }
        std::vector<WaitingRecord>().swap(waiting); // its room serves the teams still to come
    }

    // After the last team: the games whose two records disagree, by the two teams in list order,
    // then in the earlier team's record order.
    std::vector<RecordDisagreement> disagreements()
    {
        std::sort(disputed_.begin(), disputed_.end(), [](const Disputed& a, const Disputed& b) {
            return std::tie(a.first, a.second, a.position)
                < std::tie(b.first, b.second, b.position);
        });
        std::vector<RecordDisagreement> found;
        found.reserve(disputed_.size());
        for (const Disputed& d : disputed_)
            found.push_back(d.disagreement);
        return found;
    }

    // The counted games between teams `a` and `b`.
    const PairTally& tally(std::size_t a, std::size_t b) const { return tallies_[pairIndex(a, b)]; }

private:
    struct Disputed
    {
        std::size_t first = 0;
        std::size_t second = 0;
        std::size_t position = 0; // of the earlier team's record among its waiting ones
        RecordDisagreement disagreement;
    };

    static std::size_t pairIndex(std::size_t a, std::size_t b)
    {
        const auto [low, high] = std::minmax(a, b);
        return high * (high - 1) / 2 + low;
    }

    // Pairs `j`'s record of a game against the earlier team `i` with the first of i's records
    // against j of the same date not paired yet: records of one date pair up in record order.
    // A pair that agrees is one game, counted as the earlier team recorded it; a pair that
    // disagrees is none; a record without its twin counts as it stands.
    void pairWithEarlier(std::size_t i, std::size_t j, const GameRecordView& game,
        std::vector<WaitingRecord>& waiting)
    {
        for (std::size_t k = firstFrom_[i]; k < firstFrom_[i + 1]; ++k) {
            WaitingRecord& earlier = waiting[k];
            if (earlier.paired() || !sameDate(earlier.date, game.date()))
                continue;
            earlier.marks |= WaitingRecord::Paired;
            if (game.goalsFor() != earlier.goalsAgainst
                || game.goalsAgainst() != earlier.goalsFor) {
                disputed_.push_back(Disputed{i, j, k,
                    RecordDisagreement{teams_[i].slot, teams_[j].slot,
                        QString::fromLatin1(earlier.date.data(), 6), earlier.goalsFor,
                        earlier.goalsAgainst, game.goalsFor(), game.goalsAgainst()}});
            } else {
                countGame(i, static_cast<int>(j),
                    Side{earlier.goalsFor, earlier.goalsAgainst, earlier.away()});
            }
            return;
        }
        countGame(j, static_cast<int>(i), Side{game.goalsFor(), game.goalsAgainst(), game.away()});
    }

    // Counts a game recorded by `team` for it and for `opponent` (a team of the table, or -1).
    void countGame(std::size_t team, int opponent, const Side& side)
    {
        addToRow(rows_[team], side, rules_);
        if (opponent < 0)
            return;
        const auto other = static_cast<std::size_t>(opponent);
        const Side theirs{side.goalsAgainst, side.goalsFor, !side.away};
        addToRow(rows_[other], theirs, rules_);
        const bool low = team < other;
        const Side& lowSide = low ? side : theirs;
        const Side& highSide = low ? theirs : side;
        PairTally& pair = tallies_[pairIndex(team, other)];
        pair.pointsLow += pointsFor(lowSide, rules_);
        pair.pointsHigh += pointsFor(highSide, rules_);
        pair.differenceLow += cappedDifference(lowSide, rules_.goalDifferenceCap);
        pair.goalsLow += lowSide.goalsFor;
        pair.goalsHigh += highSide.goalsFor;
    }

    const std::vector<LeagueTeam>& teams_;
    TeamNameIndex teamByName_;
    std::vector<LeagueRow>& rows_;
    const LeagueRules& rules_;
    std::size_t count_;
    std::vector<std::vector<WaitingRecord>> waitingFor_; // by the team they wait for
    std::vector<std::uint32_t> firstFrom_; // scratch: where each earlier team's waiting ones start
    std::vector<PairTally> tallies_;       // by pair: (1,0), (2,0), (2,1), (3,0), ...
    std::vector<Disputed> disputed_;
};

// Ranks teams level so far, rule by rule, splitting them wherever a rule tells them apart.
class Ranking
{
public:
    // `games`: the counted games, for head-to-head.
    Ranking(std::vector<LeagueRow>& rows, const GameCounter& games, const LeagueRules& rules)
        : rows_(rows)
        , rules_(rules)
        , games_(games)
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
        const auto own = [&](long long (*value)(const LeagueRow&)) {
            std::vector<long long> values;
            values.reserve(group.size());
            for (int team : group)
                values.push_back(value(rows_[static_cast<std::size_t>(team)]));
            return values;
        };
        switch (rule) {
        case TieBreaker::Points:
            return own([](const LeagueRow& r) -> long long { return r.points; });
        case TieBreaker::GoalDifference:
            return own([](const LeagueRow& r) -> long long { return r.goalDifference; });
        case TieBreaker::GoalsFor:
            return own([](const LeagueRow& r) -> long long { return r.goalsFor; });
        case TieBreaker::FewestGoalsAgainst:
            return own([](const LeagueRow& r) -> long long { return -r.goalsAgainst; });
        case TieBreaker::Wins:
            return own([](const LeagueRow& r) -> long long { return r.won; });
        case TieBreaker::AwayGoals:
            return own([](const LeagueRow& r) -> long long { return r.awayGoals; });
        case TieBreaker::FewestGamesPlayed:
            return own([](const LeagueRow& r) -> long long { return -r.played; });
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
        for (std::size_t k = 0; k < group.size(); ++k) {
            const auto team = static_cast<std::size_t>(group[k]);
            for (int otherTeam : group) {
                const auto other = static_cast<std::size_t>(otherTeam);
                if (other == team)
                    continue;
                const PairTally& pair = games_.tally(team, other);
                const bool low = team < other;
                if (rule == TieBreaker::HeadToHeadPoints)
                    values[k] += low ? pair.pointsLow : pair.pointsHigh;
                else if (rule == TieBreaker::HeadToHeadGoalDifference)
                    values[k] += low ? pair.differenceLow : -pair.differenceLow;
                else
                    values[k] += low ? pair.goalsLow : pair.goalsHigh;
            }
        }
        return values;
    }

    std::vector<LeagueRow>& rows_;
    const LeagueRules& rules_;
    const GameCounter& games_;
};

} // namespace

LeagueTable::LeagueTable(const std::vector<LeagueTeamGames>& teams, LeagueRules rules)
{
    std::vector<LeagueTeam> named;
    QByteArrayList records; // each team's games laid out as records, read where they lie
    for (const LeagueTeamGames& team : teams) {
        named.push_back(LeagueTeam{team.slot, team.teamName});
        QByteArray& bytes = records.emplace_back();
        for (const LeagueGame& game : team.games)
            bytes += GameRecordView::bytesOf(game);
    }
    std::vector<GameRecordView> games;
    *this = LeagueTable(named, std::move(rules), [&](std::size_t index) {
        games.clear();
        const QByteArray& bytes = records[static_cast<qsizetype>(index)];
        for (qsizetype at = 0; at < bytes.size(); at += GameRecord::Length)
            games.emplace_back(bytes.constData() + at);
        return &games;
    });
}

LeagueTable::LeagueTable(
    const std::vector<LeagueTeam>& teams, LeagueRules rules, const LeagueGamesOf& gamesOf)
    : rules_(std::move(rules))
{
    // Team indices are kept in one byte: there are at most 100 teams.
    Q_ASSERT(teams.size() <= 255);
    const int count = static_cast<int>(teams.size());
    for (const LeagueTeam& team : teams) {
        LeagueRow row;
        row.slot = team.slot;
        row.teamName = team.teamName;
        row.pointsDeducted = rules_.pointsDeducted(team.slot);
        row.points = -row.pointsDeducted;
        rows_.push_back(row);
    }
    GameCounter counter(teams, rows_, rules_);
    for (std::size_t i = 0; i < teams.size(); ++i) {
        const std::vector<GameRecordView>* games = gamesOf(i);
        if (games == nullptr)
            return;
        counter.addTeam(i, *games);
    }
    disagreements_ = counter.disagreements();

    std::vector<int> all(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        all[static_cast<std::size_t>(i)] = i;
    const std::vector<int> order = Ranking(rows_, counter, rules_).order(all, 0);
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
