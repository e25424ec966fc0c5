// Standings: counts, streaks, the leader by wins minus losses, the exchange sort, games behind,
// the Ties column, and the printout compared whole, read from each team's game file. The window's
// grid and the selection it hands over are checked through the windows.
#include "TeamReportSupport.h"

#include "core/reports/StandingsReport.h"
#include "core/reports/TeamReportText.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// A team's games from a string of results: "W" 1-0, "L" 0-1, "T" 1-1.
TeamGames team(int slot, const char* results)
{
    TeamGames games{slot, fitWidth(QStringLiteral("Team ") + QString::number(slot), 25), {}};
    for (const char* r = results; *r != '\0'; ++r) {
        const qint16 f = *r == 'L' ? 0 : 1;
        const qint16 a = *r == 'W' ? 0 : 1;
        games.games.push_back(GameResult{1, '1', f, a});
    }
    return games;
}

QStringList order(const StandingsReport& report)
{
    QStringList slots;
    for (const StandingsLine& line : report.standings())
        slots << QString::number(line.slot);
    return slots;
}

} // namespace

TEST(Standings, OrderByPctThenWinsMinusLossesAndGamesBehindTheLeader)
{
    const struct
    {
        const char* name;
        std::vector<TeamGames> teams;
        QStringList order;
        QStringList gamesBehind; // in the order above
    } cases[] = {
        {"5-1 leads 4-2 by one game", {team(2, "WWLWLW"), team(5, "WLWWWW")}, texts({"5", "2"}),
            texts({"   ___", "   1.0"})},
        {"equal Pct: wins minus losses", {team(1, "WWWL"), team(2, "WWWWWWLL")}, texts({"2", "1"}),
            texts({"   ___", "   1.0"})},
        {"still equal: team-list order", {team(4, "WL"), team(3, "LW"), team(9, "WL")},
            texts({"4", "3", "9"}), texts({"   ___", "   ___", "   ___"})},
        {"co-leaders both show underscores", {team(1, "WWLL"), team(2, "WL"), team(3, "LLL")},
            texts({"1", "2", "3"}), texts({"   ___", "   ___", "   1.5"})},
        // 2-5 has the better Pct and ranks first; 1-3 has the best wins minus losses and leads,
        // so no team is a negative number of games behind.
        {"all losing", {team(1, "WLLL"), team(2, "LLLL"), team(3, "WWLLLLL")},
            texts({"3", "1", "2"}), texts({"    .5", "   ___", "   1.0"})},
    };
    for (const auto& c : cases) {
        const StandingsReport report(c.teams);
        EXPECT_EQ(order(report), c.order) << c.name;
        QStringList behind;
        for (const StandingsLine& line : report.standings())
            behind << report.teamLine(line).right(6);
        EXPECT_EQ(behind, c.gamesBehind) << c.name;
        EXPECT_FALSE(report.hasTies()) << c.name;
    }
}

TEST(Standings, OneTieBringsTheTiesColumnEverywhere)
{
    const StandingsReport report({team(1, "WWW"), team(2, "WT")});
    EXPECT_TRUE(report.hasTies());
    EXPECT_EQ(report.dashLine(), QString(75, u'-'));
    EXPECT_EQ(report.headingLine(),
        QStringLiteral(
            "Team                       Won  Lost  Ties    Pct   Streak   GF    GA    GB"));
    EXPECT_EQ(report.teamLine(report.standings()[0]),
        QStringLiteral(
            "Team 1                       3     0     0  1.000    Won 3    3     0   ___"));
    EXPECT_EQ(report.teamLine(report.standings()[1]),
        QStringLiteral(
            "Team 2                       1     0     1   .750        -    2     1   1.0"));
}

TEST(Standings, ComputedFromEachGameFileAndPrintedWhole)
{
    TeamReportFolder f;
    f.teamNames[2] = fitWidth(QStringLiteral("Lakeside"), 25);
    f.teamNames[5] = fitWidth(QStringLiteral("Harbor FC"), 25);
    auto games = [](std::initializer_list<std::pair<int, int>> scores) {
        QByteArray bytes;
        int number = 0;
        for (const auto& [goalsFor, goalsAgainst] : scores)
            bytes
                += GameBytes{.number = ++number, .goalsFor = goalsFor, .goalsAgainst = goalsAgainst}
                       .bytes();
        return bytes;
    };
    f.writeGames(2, games({{1, 0}, {1, 0}, {1, 0}, {1, 0}, {0, 2}, {1, 3}}));
    f.writeGames(5, games({{2, 0}, {0, 1}, {3, 1}, {1, 0}, {2, 1}, {4, 2}}));
    // Slot 9 has no game file: no games.
    const StandingsResult result
        = computeStandings(f.state.settings.dataFolder, {2, 5, 9}, f.teamNames, ReportSelection{});
    ASSERT_FALSE(result.fault);
    ASSERT_TRUE(result.report.print(f.engine, printChoices("Team Standings")));
    EXPECT_TRUE(samePrintout(f.printed(),
        fileOf({"", "Team Standings", "",
            "Team                       Won  Lost    Pct   Streak   GF    GA    GB",
            "---------------------------------------------------------------------",
            "Harbor FC                    5     1   .833    Won 4   12     5   ___",
            "Lakeside                     4     2   .667   Lost 2    5     5   1.0",
            "Team 9                       0     0   .000        -    0     0   2.0", "\f"})));
}

TEST(Standings, PrintoutStartsANewPageWithTheHeadingWhenFull)
{
    TeamReportFolder f;
    std::vector<TeamGames> teams;
    for (int slot = 1; slot <= 20; ++slot)
        teams.push_back(team(slot, "W"));
    const StandingsReport report(teams);
    ASSERT_TRUE(report.print(f.engine, printChoices("Team Standings", 21, 2)));
    const QList<QByteArray> pages = f.printed().split('\f');
    ASSERT_EQ(pages.size(), 5); // 16 + 4 teams per copy, two copies
    EXPECT_EQ(pages[0].count("\r\n"), 21);
    EXPECT_TRUE(pages[1].startsWith("\r\n\r\nTeam Standings\r\n\r\nTeam "));
    EXPECT_EQ(pages[1].count("\r\n"), 1 + 5 + 4);
    EXPECT_EQ(pages[2], QByteArray("\r\n") + pages[0]);
}

TEST(Standings, ExportHoldsRawValues)
{
    const ExportTable table = StandingsReport({team(2, "WWLWLW"), team(5, "WLWWWW"), team(7, "")})
                                  .exportTable(QStringLiteral("Team Standings"));
    EXPECT_EQ(table.headings, texts({"Team", "Won", "Lost", "Pct", "Streak", "GF", "GA", "GB"}));
    ASSERT_EQ(table.rows.size(), 3);
    EXPECT_EQ(table.rows[0].cells, texts({"Team 5", "5", "1", "0.833", "Won 4", "5", "1", "0.0"}));
    EXPECT_EQ(table.rows[2].cells, texts({"Team 7", "0", "0", "0.000", "", "0", "0", "2.0"}));
    EXPECT_FALSE(table.numericColumns.contains(4));
}
