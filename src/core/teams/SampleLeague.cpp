#include "core/teams/SampleLeague.h"

#include "core/entry/Categories.h"
#include "core/store/GameRecord.h"
#include "core/store/PlayerInfoRecord.h"
#include "core/store/PlayerNameRecord.h"
#include "core/store/PlayerStatRecord.h"
#include "core/store/TeamList.h"
#include "core/store/TeamRecord.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <vector>

namespace scorvane {

namespace {

// A small generator of our own: the standard distributions differ between libraries, and the
// league must come out the same everywhere.
class SeededNumbers
{
public:
    explicit SeededNumbers(quint64 seed)
        : state_(seed)
    { }
    // A whole number from `low` to `high`, both included.
    int between(int low, int high)
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return low + static_cast<int>(state_ % static_cast<quint64>(high - low + 1));
    }
    bool chance(int percent) { return between(1, 100) <= percent; }

private:
    quint64 state_;
};

struct Club
{
    const char* name;
    const char* shortName;
    const char* ground;
    const char* city;
    const char* state;
    const char* zip;
};

constexpr std::array<Club, SampleLeague::TeamCount> Clubs{{
    {"Riverside Rovers", "Rovers", "Riverside Park", "Riverside", "OR", "97301"},
    {"Hillcrest United", "Hillcrest", "Hillcrest Field", "Hillcrest", "OR", "97302"},
    {"Lakeview Strikers", "Strikers", "Lakeview Commons", "Lakeview", "OR", "97303"},
    {"Oakmont Comets", "Comets", "Oakmont Stadium", "Oakmont", "OR", "97304"},
}};

constexpr std::array FirstNames{"Alex", "Sam", "Jordan", "Casey", "Riley", "Taylor", "Morgan",
    "Jamie", "Drew", "Avery", "Quinn", "Parker", "Rowan", "Emery", "Finley", "Harper", "Kai",
    "Logan", "Micah", "Noel", "Reese", "Sage", "Tatum", "Blake", "Cameron", "Dana", "Eli", "Jesse"};
constexpr std::array LastNames{"Alvarez", "Brooks", "Chen", "Dubois", "Evans", "Fischer", "Garcia",
    "Hughes", "Ivanov", "Jensen", "Kowal", "Larsen", "Moreno", "Nakamura", "Okafor", "Patel",
    "Quintero", "Rossi", "Silva", "Tanaka", "Usher", "Varga", "Walsh", "Young", "Zeller"};
constexpr std::array Streets{
    "Maple St", "Oak Ave", "Cedar Ln", "Pine Rd", "Elm Ct", "Birch Way", "Willow Dr", "Aspen Pl"};
constexpr std::array Comments{"", "", "", "Rain in the second half", "Season opener", "Senior day",
    "Played on the back field", "Comeback win", "Windy afternoon", "Two players out sick"};

constexpr int PlayersPerTeam = 15;
constexpr int Starters = 11;
constexpr int MinutesPerGame = 60;

struct Player
{
    int number = 0;
    QString name;
    bool goalkeeper = false;
};

struct Fixture
{
    int home = 0; // team index 0..3
    int away = 0;
    int homeGoals = 0;
    int awayGoals = 0;
    QString date; // MMDDYY
    char gameType = '1';
    QString comment;
};

QString seasonDate(int round)
{
    // Saturdays from 5 September 2026, one round a week.
    static constexpr std::array<int, 13> MonthDays{
        0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 9;
    int day = 5 + 7 * round;
    int year = 26;
    while (day > MonthDays[static_cast<std::size_t>(month)]) {
        day -= MonthDays[static_cast<std::size_t>(month)];
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return QStringLiteral("%1%2%3")
        .arg(month, 2, 10, QChar(u'0'))
        .arg(day, 2, 10, QChar(u'0'))
        .arg(year, 2, 10, QChar(u'0'));
}

std::vector<Player> makeRoster(SeededNumbers& numbers)
{
    std::vector<Player> roster;
    std::vector<int> used;
    while (static_cast<int>(roster.size()) < PlayersPerTeam) {
        const int number = roster.empty() ? 1 : numbers.between(2, 30);
        if (std::find(used.begin(), used.end(), number) != used.end())
            continue;
        used.push_back(number);
        const char* first = FirstNames[static_cast<std::size_t>(
            numbers.between(0, static_cast<int>(FirstNames.size()) - 1))];
        const char* last = LastNames[static_cast<std::size_t>(
            numbers.between(0, static_cast<int>(LastNames.size()) - 1))];
        roster.push_back({number,
            QStringLiteral("%1 %2").arg(QLatin1String(first), QLatin1String(last)).left(17),
            number == 1});
    }
    std::sort(roster.begin(), roster.end(),
        [](const Player& a, const Player& b) { return a.number < b.number; });
    return roster;
}

// Twenty rounds; in each, every team plays once. The three pairings of four teams take turns,
// and home and away alternate.
std::vector<Fixture> makeSeason(SeededNumbers& numbers)
{
    static constexpr std::array<std::array<int, 4>, 3> Pairings{
        {{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 1, 2}}};
    std::vector<Fixture> season;
    for (int round = 0; round < SampleLeague::GamesPerTeam; ++round) {
        const auto& pairing = Pairings[static_cast<std::size_t>(round % 3)];
        const bool swap = (round / 3) % 2 == 1;
        const char type = round >= 17 ? '4' : (round % 7 == 3 ? '3' : '1'); // playoffs at the end
        for (int match = 0; match < 2; ++match) {
            Fixture f;
            f.home = pairing[static_cast<std::size_t>(2 * match + (swap ? 1 : 0))];
            f.away = pairing[static_cast<std::size_t>(2 * match + (swap ? 0 : 1))];
            f.homeGoals = numbers.between(0, 4) + (numbers.chance(30) ? 1 : 0);
            f.awayGoals = numbers.between(0, 4);
            f.date = seasonDate(round);
            f.gameType = type;
            f.comment = QLatin1String(Comments[static_cast<std::size_t>(
                numbers.between(0, static_cast<int>(Comments.size()) - 1))]);
            season.push_back(f);
        }
    }
    return season;
}

// One player's figures in one game; `goals`, `assists` and the keeper's shots come from the
// team's share, the rest is drawn. Every figure keeps the four entry rules.
PlayerStatRecord figures(SeededNumbers& numbers, const Player& player, bool started, int goals,
    int assists, int shotsFaced, int goalsAgainst, char gameType, int gameNumber)
{
    PlayerStatRecord record;
    record.gameNumber = static_cast<qint16>(gameNumber);
    record.playerNumber = static_cast<qint16>(player.number);
    record.statGameType = gameType;
    auto& v = record.statValues;
    const int minutes = started ? MinutesPerGame - (numbers.chance(25) ? numbers.between(5, 25) : 0)
                                : numbers.between(5, 30);
    v[StatMin] = static_cast<qint16>(minutes);
    v[StatPP] = static_cast<qint16>(minutes > MinutesPerGame / 2 ? 2 : 1);
    v[StatGS] = static_cast<qint16>(goals);
    v[StatSOG] = static_cast<qint16>(goals + (player.goalkeeper ? 0 : numbers.between(0, 3)));
    v[StatSAG] = static_cast<qint16>(v[StatSOG] + (player.goalkeeper ? 0 : numbers.between(0, 2)));
    if (goals > 0 && numbers.chance(15)) {
        v[StatPKG] = 1;
        v[StatPKA] = 1;
    } else if (!player.goalkeeper && numbers.chance(5)) {
        v[StatPKA] = 1;
    }
    v[StatCKA] = static_cast<qint16>(player.goalkeeper ? 0 : numbers.between(0, 2));
    v[StatCKG]
        = static_cast<qint16>(v[StatCKA] > 0 && goals > v[StatPKG] && numbers.chance(20) ? 1 : 0);
    v[StatDK] = static_cast<qint16>(numbers.between(0, 2));
    v[StatIK] = static_cast<qint16>(numbers.between(0, 1));
    v[StatCY] = static_cast<qint16>(numbers.chance(8) ? 1 : 0);
    v[StatCR] = static_cast<qint16>(numbers.chance(1) ? 1 : 0);
    v[StatOS] = static_cast<qint16>(player.goalkeeper ? 0 : numbers.between(0, 1));
    v[StatBTI] = static_cast<qint16>(numbers.chance(10) ? 1 : 0);
    v[StatF] = static_cast<qint16>(numbers.between(0, 3));
    v[StatAst] = static_cast<qint16>(assists);
    v[StatStl] = static_cast<qint16>(numbers.between(0, 4));
    v[StatBS] = static_cast<qint16>(player.goalkeeper ? 0 : numbers.between(0, 2));
    v[StatT] = static_cast<qint16>(numbers.between(0, 5));
    if (player.goalkeeper) {
        v[StatSF] = static_cast<qint16>(shotsFaced);
        v[StatSv] = static_cast<qint16>(std::max(0, shotsFaced - goalsAgainst));
        v[StatPKF] = static_cast<qint16>(numbers.chance(10) ? 1 : 0);
        v[StatPKB] = static_cast<qint16>(v[StatPKF] > 0 && numbers.chance(40) ? 1 : 0);
    }
    return record;
}

// Shares `total` out among the field players who played, one at a time, by chance.
std::vector<int> shareOut(SeededNumbers& numbers, int total, const std::vector<std::size_t>& among)
{
    std::vector<int> share(among.size(), 0);
    for (int i = 0; i < total && !among.empty(); ++i)
        ++share[static_cast<std::size_t>(numbers.between(0, static_cast<int>(among.size()) - 1))];
    return share;
}

QByteArray teamListBytes()
{
    QByteArray bytes;
    for (int slot = 1; slot <= 100; ++slot) {
        TeamRecord record;
        if (slot <= SampleLeague::TeamCount) {
            record.teamName = QLatin1String(Clubs[static_cast<std::size_t>(slot - 1)].name);
            record.teamShortName
                = QLatin1String(Clubs[static_cast<std::size_t>(slot - 1)].shortName);
        } else {
            record.teamName = defaultTeamName(slot);
            record.teamShortName = defaultTeamName(slot);
        }
        bytes += record.encode();
    }
    return bytes;
}

} // namespace

QMap<QString, QByteArray> SampleLeague::files()
{
    SeededNumbers numbers(0x5C0A7A2E2026ULL);
    QMap<QString, QByteArray> files;
    files.insert(QStringLiteral("KVTEAMS.DAT"), teamListBytes());

    std::array<std::vector<Player>, TeamCount> rosters;
    for (int team = 0; team < TeamCount; ++team) {
        rosters[static_cast<std::size_t>(team)] = makeRoster(numbers);
        const Club& club = Clubs[static_cast<std::size_t>(team)];
        QByteArray names;
        QByteArray contacts;
        for (const Player& player : rosters[static_cast<std::size_t>(team)]) {
            PlayerNameRecord name;
            name.playerNumber = static_cast<qint16>(player.number);
            name.playerName = player.name;
            names += name.encode();
            PlayerInfoRecord info;
            info.playerNumber = static_cast<qint16>(player.number);
            info.phone
                = QStringLiteral("555-%1").arg(numbers.between(100, 9999), 4, 10, QChar(u'0'));
            info.address1 = QStringLiteral("%1 %2")
                                .arg(numbers.between(10, 999))
                                .arg(QLatin1String(Streets[static_cast<std::size_t>(
                                    numbers.between(0, static_cast<int>(Streets.size()) - 1))]));
            info.city = QLatin1String(club.city);
            info.state = QLatin1String(club.state);
            info.zip = QLatin1String(club.zip);
            info.otherInfo
                = numbers.chance(30) ? QStringLiteral("Parent pickup after practice") : QString();
            contacts += info.encode();
        }
        files.insert(QStringLiteral("KVPN%1.DAT").arg(team + 1), names);
        files.insert(QStringLiteral("KVPI%1.DAT").arg(team + 1), contacts);
    }

    std::array<QByteArray, TeamCount> games;
    std::array<QByteArray, TeamCount> results;
    std::array<int, TeamCount> played{};
    for (const Fixture& fixture : makeSeason(numbers)) {
        for (const bool home : {true, false}) {
            const int team = home ? fixture.home : fixture.away;
            const int opponent = home ? fixture.away : fixture.home;
            const int goalsFor = home ? fixture.homeGoals : fixture.awayGoals;
            const int goalsAgainst = home ? fixture.awayGoals : fixture.homeGoals;
            const int gameNumber = ++played[static_cast<std::size_t>(team)];

            GameRecord game;
            game.gameNumber = static_cast<qint16>(gameNumber);
            game.gameDate = fixture.date;
            game.gameLocation = QLatin1String(Clubs[static_cast<std::size_t>(fixture.home)].ground);
            game.opponent = QLatin1String(Clubs[static_cast<std::size_t>(opponent)].name);
            game.goalsFor = static_cast<qint16>(goalsFor);
            game.goalsAgainst = static_cast<qint16>(goalsAgainst);
            game.gameComment = fixture.comment;
            game.gameType = fixture.gameType;
            game.homeGame = home ? '1' : '2';
            games[static_cast<std::size_t>(team)] += game.encode();

            // Eleven start (the keeper always), a few come on; one sits the game out at times.
            const auto& roster = rosters[static_cast<std::size_t>(team)];
            std::vector<std::size_t> field;
            std::vector<bool> started(roster.size(), false);
            std::vector<bool> playedGame(roster.size(), false);
            for (std::size_t i = 0; i < roster.size(); ++i) {
                started[i] = i < Starters;
                playedGame[i] = started[i] || numbers.chance(70);
                if (playedGame[i] && !roster[i].goalkeeper)
                    field.push_back(i);
            }
            const std::vector<int> goals = shareOut(numbers, goalsFor, field);
            const std::vector<int> assists = shareOut(numbers, std::max(0, goalsFor - 1), field);
            const int shotsFaced = goalsAgainst + numbers.between(2, 9);
            std::size_t fieldIndex = 0;
            for (std::size_t i = 0; i < roster.size(); ++i) {
                if (!playedGame[i])
                    continue;
                const bool keeper = roster[i].goalkeeper;
                const int scored = keeper ? 0 : goals[fieldIndex];
                const int assisted = keeper ? 0 : assists[fieldIndex];
                if (!keeper)
                    ++fieldIndex;
                results[static_cast<std::size_t>(team)] += figures(numbers, roster[i], started[i],
                    scored, assisted, shotsFaced, goalsAgainst, fixture.gameType, gameNumber)
                                                               .encode();
            }
        }
    }
    for (int team = 0; team < TeamCount; ++team) {
        files.insert(
            QStringLiteral("KVGS%1.DAT").arg(team + 1), games[static_cast<std::size_t>(team)]);
        files.insert(
            QStringLiteral("KVPS%1.DAT").arg(team + 1), results[static_cast<std::size_t>(team)]);
    }
    return files;
}

bool SampleLeague::write(const QString& folder, QString* error)
{
    if (!QDir().mkpath(folder)) {
        if (error != nullptr)
            *error = QStringLiteral("The folder %1 cannot be made.").arg(folder);
        return false;
    }
    const QMap<QString, QByteArray> all = files();
    for (auto it = all.begin(); it != all.end(); ++it) {
        QSaveFile file(QDir(folder).filePath(it.key()));
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size()
            || !file.commit()) {
            if (error != nullptr)
                *error = QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
            return false;
        }
    }
    return true;
}

QString SampleLeague::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Scorvane Sample League/");
}

} // namespace scorvane
