// Reading several teams on several threads must give exactly what reading them one after
// another gives: rows in team order, row 1's count of game changes across the teams, and the
// first unreadable team's error.
#include "GameBytes.h"

#include "core/reports/PlayerStatsComputation.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

constexpr int GS = 2;

PlayerStatsResult computeOn(PlayerStatsInput input, int threads)
{
    input.threads = threads;
    return computePlayerStats(input);
}

} // namespace

TEST(TeamParallelReading, GivesTheSameTableAsOneThread)
{
    QTemporaryDir dir;
    const QString path = dir.path() + u'/';
    const auto results = [&](int slot, const QByteArray& bytes) {
        writeWholeFile(path + QStringLiteral("KVPS%1.DAT").arg(slot), bytes);
    };
    PlayerStatsInput input;
    input.dataFolder = path;
    input.teams = {1, 2, 3, 4, 5, 6, 7, 8};
    // Team 4's file spans several read blocks, and its cut at the to game falls in the second.
    QByteArray large;
    for (int r = 0; r < 3000; ++r)
        large += resultBytes(r / 20 + 1, r % 20 + 1, {{GS, 1}});
    results(4, large + large.left(57)); // a torn last record is not read
    results(5, resultBytes(120, 7, {{GS, 9}}) + resultBytes(121, 7, {})); // 120 goes on from 4
    for (int slot : {1, 2, 6, 7, 8})
        results(slot, resultBytes(slot, slot, {{GS, slot}}) + resultBytes(9, 30 + slot, {}));
    writeWholeFile(path + QStringLiteral("KVPN2.DAT"), nameBytes(2, "Second Team"));
    input.selection.toGame = 120;

    const PlayerStatsResult one = computeOn(input, 1);
    ASSERT_FALSE(one.error);
    EXPECT_EQ(one.table.row(6).team, 4);
    EXPECT_EQ(one.table.row(6).totals[GS], 120);
    EXPECT_EQ(one.table.totals().games, 2 + 2 + 120 + 0 + 3 * 2); // teams 1, 2, 4, 5, then 6-8
    for (int threads : {0, 3, 8}) {
        const PlayerStatsResult many = computeOn(input, threads);
        ASSERT_FALSE(many.error);
        ASSERT_EQ(many.table.rowCount(), one.table.rowCount());
        for (int r = 1; r <= one.table.rowCount(); ++r) {
            const PlayerStatsRow& a = one.table.row(r);
            const PlayerStatsRow& b = many.table.row(r);
            EXPECT_EQ(std::tie(a.team, a.name, a.games, a.totals),
                std::tie(b.team, b.name, b.games, b.totals))
                << "row " << r << " on " << threads << " threads";
        }
        EXPECT_EQ(many.table.maxNameLength, one.table.maxNameLength);
        EXPECT_EQ(many.table.displayOrder, one.table.displayOrder);
    }

    // A statistics file that cannot be read (here a folder) is the error, the first in order.
    for (const QString& name : {QStringLiteral("KVPS6.DAT"), QStringLiteral("KVPS8.DAT")}) {
        QFile::remove(path + name);
        QDir(path).mkdir(name);
    }
    for (int threads : {1, 4}) {
        const PlayerStatsResult failed = computeOn(input, threads);
        ASSERT_TRUE(failed.error);
        EXPECT_TRUE(failed.error->path.endsWith(QStringLiteral("KVPS6.DAT")));
    }
}
