// The data behind the charts: a team's goals and one player's statistic. The categories offered
// are checked through the windows.
#include "GameBytes.h"

#include "core/reports/GameChartData.h"

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// Game n is played on September n, 2026.
GameRecord game(int number, int goalsFor, int goalsAgainst, char status = 'A')
{
    const QByteArray date = "09" + QByteArray::number(number).rightJustified(2, '0') + "26";
    return GameRecord::decode(GameBytes{.number = number,
        .status = status,
        .date = date.constData(),
        .goalsFor = goalsFor,
        .goalsAgainst = goalsAgainst}
                                  .bytes());
}

PlayerStatRecord result(int gameNumber, int player, int goals, char status = 'A')
{
    return PlayerStatRecord::decode(resultBytes(gameNumber, player, {{2, goals}}, status));
}

} // namespace

// Deleted games are left out; a 0-0 game counts as a tie in the running record.
TEST(GameCharts, TeamGoalsWithTheRunningRecord)
{
    const auto chart
        = teamGoalsChart({game(1, 2, 1), game(2, 0, 3, 'D'), game(2, 0, 0), game(3, 1, 4)},
            QStringLiteral("Rovers   "));
    EXPECT_EQ(chart.title, QStringLiteral("Rovers - Goals by Game"));
    EXPECT_EQ(chart.gameLabels,
        (QStringList{QStringLiteral("1\n09/01/26"), QStringLiteral("2\n09/02/26"),
            QStringLiteral("3\n09/03/26")}));
    ASSERT_EQ(chart.lines.size(), 2);
    EXPECT_EQ(chart.lines[0].values, (QList<double>{2, 0, 1}));
    EXPECT_EQ(chart.lines[1].values, (QList<double>{1, 0, 4}));
    EXPECT_EQ(chart.notes,
        (QStringList{QStringLiteral("1-0-0"), QStringLiteral("1-0-1"), QStringLiteral("1-1-1")}));
}

// Only the chosen player's counted figures, only in games that are still active.
TEST(GameCharts, OnePlayersStatisticGameByGame)
{
    const auto chart
        = playerStatisticChart({game(1, 3, 0), game(2, 1, 1), game(3, 2, 2, 'D'), game(3, 4, 0)},
            {result(1, 9, 2), result(1, 7, 1), result(2, 9, 0, 'I'), result(3, 9, 5, 'D'),
                result(3, 9, 3)},
            9, QStringLiteral("Casey Brooks     "), 2, QStringLiteral("Goals Scored"));
    EXPECT_EQ(chart.title, QStringLiteral("Casey Brooks - Goals Scored by Game"));
    EXPECT_EQ(chart.gameLabels,
        (QStringList{QStringLiteral("1\n09/01/26"), QStringLiteral("3\n09/03/26")}));
    ASSERT_EQ(chart.lines.size(), 1);
    EXPECT_EQ(chart.lines[0].values, (QList<double>{2, 3}));
}
