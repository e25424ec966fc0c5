// Sorting the player rows, the split by a minimum, and the markers it leaves.
#include "core/entry/Categories.h"
#include "core/reports/PlayerStatsTable.h"
#include "core/reports/StatsSort.h"

#include <gtest/gtest.h>

using namespace scorvane;

namespace {

// A table whose player rows have the given games and one chosen figure each, in creation order.
PlayerStatsTable table(const std::vector<std::array<int, 3>>& rows) // games, k, value
{
    PlayerStatsTable t;
    for (const auto& [games, k, value] : rows) {
        PlayerStatsRow row;
        row.games = games;
        row.totals[static_cast<std::size_t>(k)] = value;
        row.name = QStringLiteral("P%1").arg(t.rowCount() + 1);
        t.rows.push_back(row);
        t.displayOrder.push_back(t.rowCount());
    }
    t.sortedOrder = t.displayOrder;
    return t;
}

std::vector<int> order(const PlayerStatsTable& t)
{
    return {t.displayOrder.begin() + 1, t.displayOrder.end()};
}

} // namespace

TEST(StatsSort, TiesGoToMoreGamesInBothDirections)
{
    // Rows 2..5: GS 5 in 3 games, GS 1, GS 5 in 4 games, GS 9.
    PlayerStatsTable t = table({{3, StatGS, 5}, {1, StatGS, 1}, {4, StatGS, 5}, {2, StatGS, 9}});
    sortPlayerRows(t, 7, SortOrder::Descending);
    EXPECT_EQ(order(t), (std::vector<int>{5, 4, 2, 3}));
    EXPECT_EQ(t.sortedOrder, t.displayOrder);
    EXPECT_EQ(t.displayOrder.front(), 1);
    sortPlayerRows(t, 7, SortOrder::Ascending);
    EXPECT_EQ(order(t), (std::vector<int>{3, 4, 2, 5}));
}

TEST(StatsSort, SortingByGamesBreaksTiesByPeriodsPlayed)
{
    PlayerStatsTable t = table({{2, StatPP, 3}, {2, StatPP, 8}, {5, StatPP, 1}});
    sortPlayerRows(t, 1, SortOrder::Descending);
    EXPECT_EQ(order(t), (std::vector<int>{4, 3, 2}));
}

TEST(StatsSort, MinimumMovesTheRowsBelowBehindTheMarker)
{
    // Sorted order: players with 5, 2, 3 and 1 games.
    PlayerStatsTable t
        = table({{5, StatSOG, 0}, {2, StatSOG, 7}, {3, StatSOG, 0}, {1, StatSOG, 9}});
    MinimumSplit split = splitByMinimum(t, MinimumKind::GamesPlayed, 3);
    EXPECT_EQ(order(t), (std::vector<int>{2, 4, 3, 5})); // 5, 3, then 2, 1
    EXPECT_EQ(QString::number(split.position) + u'|' + split.marker + u'|' + split.line,
        QStringLiteral("4|*  3 Games *|Less than 3 Games"));

    split = splitByMinimum(t, MinimumKind::ShotsOnGoal, 8);
    EXPECT_EQ(
        order(t), (std::vector<int>{5, 2, 3, 4})); // from the sorted order, not the last split
    EXPECT_EQ(QString::number(split.position) + u'|' + split.marker + u'|' + split.line,
        QStringLiteral("3|*  8 SOG *|Less than 8 SOG"));

    split = splitByMinimum(t, MinimumKind::GamesPlayed, 0);
    EXPECT_EQ(split.position, 0);
    EXPECT_EQ(order(t), (std::vector<int>{5, 2, 3, 4}));
}
