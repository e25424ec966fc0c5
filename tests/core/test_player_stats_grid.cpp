// The report window's grid as cells: headings, the totals row, widths, the team column and the
// marker row across it, the empty report and the buttons; the Compute window's boxes. One
// player's games are checked through the windows.
#include "TestSupport.h"

#include "core/entry/Categories.h"
#include "core/reports/ComputeChoices.h"
#include "core/reports/PlayerStatsGrid.h"
#include "core/reports/PlayerStatsTable.h"
#include "core/reports/StatsSort.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// A table with players of the given names and games; GS = games, SOG = 2 × games, QS% from them.
PlayerStatsTable table(const std::vector<std::pair<QString, int>>& players)
{
    PlayerStatsTable t;
    for (const auto& [name, games] : players) {
        PlayerStatsRow row;
        row.team = 1;
        row.name = name;
        row.games = games;
        row.totals[StatGS] = games;
        row.totals[StatSOG] = 2 * games;
        row.percentages[PctQS] = 50.0F;
        t.rows.push_back(row);
        t.displayOrder.push_back(t.rowCount());
        t.rows.front().games += games;
        t.rows.front().totals[StatGS] += games;
        t.rows.front().totals[StatSOG] += 2 * games;
        t.maxNameLength = std::max(t.maxNameLength, static_cast<int>(name.size()));
    }
    t.rows.front().percentages[PctQS] = 50.0F;
    t.sortedOrder = t.displayOrder;
    return t;
}

PlayerReportLayout reportLayout(QList<int> columns = {1, 7, 4, 8})
{
    PlayerReportLayout l;
    l.columns = columns;
    l.teamShortNames[1] = QStringLiteral("Rovers    ");
    l.teamShortNames[2] = QStringLiteral("Owls      ");
    return l;
}

QStringList headings(const PlayerStatsGrid& grid)
{
    QStringList h;
    for (const StatsGridColumn& c : grid.columns)
        h << c.heading;
    return h;
}

} // namespace

TEST(PlayerStatsGrid, HeadingsTotalsAndPlayerRowsOfOneTeam)
{
    PlayerStatsTable t = table({{QStringLiteral("Ann Lee"), 3}, {QStringLiteral("Bo Kim"), 12}});
    const PlayerStatsGrid grid = playerStatsGrid(t, reportLayout({1, 7, 4, 0, 45, 8}));
    // Blank codes above 37 show nothing; the slot list ends nowhere in particular.
    EXPECT_EQ(headings(grid), texts({"2 Player(s)", "G", "GS", "SOG", "QS%"}));
    EXPECT_EQ(grid.fixedColumns, 1);
    ASSERT_EQ(grid.rows.size(), 3U);
    // Totals without the number's blank, players with it, percentages with one decimal.
    EXPECT_EQ(grid.rows[0], texts({"Totals:", "15", "15", "30", "50.0"}));
    EXPECT_EQ(grid.rows[2], texts({"Bo Kim", " 12", " 12", " 24", "50.0"}));
    EXPECT_EQ(grid.markerRow, -1);
    // Widths from the totals' lengths (2 characters 350, 4 characters 450) and, for the names, 110
    // a character of the longest name, 10 at least.
    EXPECT_EQ(std::tuple(grid.columns[1].width, grid.columns[4].width, grid.columns[0].width),
        std::tuple(350, 450, 1100));
    EXPECT_EQ(
        playerStatsGrid(table({{QString(17, u'x'), 1}}), reportLayout()).columns[0].width, 1870);
}

TEST(PlayerStatsGrid, SeveralTeamsAddTheTeamColumnAndTheMarkerRowSpansIt)
{
    PlayerStatsTable t = table({{QStringLiteral("A"), 5}, {QStringLiteral("B"), 2},
        {QStringLiteral("C"), 3}, {QStringLiteral("D"), 1}});
    t.rows[2].team = 2;
    PlayerReportLayout l = reportLayout({1});
    l.severalTeams = true;
    l.minimum = splitByMinimum(t, MinimumKind::GamesPlayed, 3);
    const PlayerStatsGrid grid = playerStatsGrid(t, l);
    EXPECT_EQ(headings(grid), texts({"4 Player(s)", "Team", "G"}));
    EXPECT_EQ(grid.fixedColumns, 2);
    EXPECT_EQ(grid.columns[1].width, 1000);
    ASSERT_EQ(grid.rows.size(), 6U); // totals, two players, the marker, two players
    EXPECT_EQ(grid.rows[0][1], QString());
    EXPECT_EQ(grid.rows[1], texts({"A", "Rovers", " 5"}));
    EXPECT_EQ(grid.markerRow, 3);
    EXPECT_EQ(grid.rows[3], texts({"*  3 Games *", " ", "----------"}));
    EXPECT_EQ(grid.rows[4].mid(0, 2) + grid.rows[5].mid(0, 1), texts({"B", "Owls", "D"}));
}

TEST(ComputeChoices, OkOrdersTheRangeAndTakesTypesAndPlayerFilters)
{
    ReportSelection before;
    before.minimumValue = 4;
    ComputeForm form = computeFormOf(before, true);
    EXPECT_EQ(form.fromText + u'-' + form.toText, QStringLiteral("1-999"));
    form.fromText = QStringLiteral("25");
    form.toText = QStringLiteral("3");
    form.typeTicked[2] = false;
    form.playerNumberText = QStringLiteral("7");
    form.playerNameText = QStringLiteral("  Ann LEE");
    const ComputeOutcome outcome = applyComputeForm(before, form);
    ASSERT_FALSE(outcome.problem);
    const ReportSelection& chosen = outcome.selection; // the minimum is not the window's to change
    EXPECT_EQ(std::tuple(chosen.fromGame, chosen.toGame, chosen.playerNumber,
                  chosen.playerName.toStdString(), chosen.minimumValue),
        std::tuple(3, 25, 7, "ann lee", 4));
    EXPECT_FALSE(chosen.allTypesCounted || chosen.typeIsCounted(3));

    // Without the player boxes the filters come back empty whatever the selection held.
    before.playerNumber = 9;
    before.playerName = QStringLiteral("bo");
    const ComputeForm hidden = computeFormOf(before, false);
    EXPECT_EQ(applyComputeForm(before, hidden).selection.playerNumber, 0);
    EXPECT_TRUE(applyComputeForm(before, hidden).selection.playerName.isEmpty());
}

TEST(PlayerStatsGrid, NothingCountedShowsOneRowAndHidesTheButtonsThatNeedRows)
{
    const PlayerStatsGrid team = playerStatsGrid(PlayerStatsTable{}, reportLayout({}));
    EXPECT_EQ(headings(team), (QStringList{QStringLiteral("0 Player(s)"), QString()}));
    ASSERT_EQ(team.rows.size(), 1U);
    EXPECT_EQ(team.rows[0][0], QStringLiteral("No Players"));
    EXPECT_EQ(team.totalsRow, -1);
    PlayerReportLayout one = reportLayout();
    one.individual = true;
    EXPECT_EQ(playerStatsGrid(PlayerStatsTable{}, one).rows[0][0], QStringLiteral("No Games"));

    const PlayerReportButtons none = playerReportButtons(false, false, false);
    EXPECT_FALSE(
        none.print || none.sort || none.format || none.minimum || none.player || none.team);
    const PlayerReportButtons noGames = playerReportButtons(false, true, false);
    EXPECT_TRUE(noGames.player && noGames.team);
    EXPECT_FALSE(noGames.print || noGames.format);
    const PlayerReportButtons teams = playerReportButtons(true, false, true);
    EXPECT_TRUE(teams.print && teams.format && teams.sort && teams.minimum);
    EXPECT_FALSE(teams.player || teams.team);
    const PlayerReportButtons games = playerReportButtons(true, true, false);
    EXPECT_TRUE(games.team && games.player && games.print);
    EXPECT_FALSE(games.sort || games.minimum);
}
