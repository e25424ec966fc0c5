// Career statistics over three hand-made seasons and the current one: a player renumbered from
// season to season, two players of one name on two teams, and a season whose results file was
// damaged after it was archived. The expected figures are worked out by hand below.
#include "GameBytes.h"

#include "core/seasons/CareerStats.h"
#include "core/seasons/NewSeason.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

constexpr int GS = 2;  // goals scored
constexpr int SOG = 3; // shots on goal

QByteArray result(int game, int player, int goals, int shots)
{
    return resultBytes(game, player, {{GS, goals}, {SOG, shots}});
}

// 2001: Ann is number 7 (two games), Bea 9.
// 2002: Ann is number 8 and written "ANN  "; Bea 9; team 2 has a Bea of its own, number 4.
// 2003: Ann 7 again, but its results file is damaged in the archive.
// Current: Ann is number 10.
struct ThreeSeasons : TempState
{
    ThreeSeasons()
    {
        QByteArray teams;
        for (int slot = 1; slot <= 100; ++slot)
            teams += pad("Team", 25) + pad("T", 10) + QByteArray(5, ' ');
        writeData("KVTEAMS.DAT", teams);

        writeData("KVPN1.DAT", nameBytes(7, "Ann") + nameBytes(9, "Bea"));
        writeData("KVGS1.DAT", numberedGames(2));
        writeData("KVPS1.DAT", result(1, 7, 1, 2) + result(1, 9, 0, 1) + result(2, 7, 2, 3));
        end("2001");

        writeData("KVPN1.DAT", nameBytes(8, "ANN  ") + nameBytes(9, "Bea"));
        writeData("KVGS1.DAT", numberedGames(1));
        writeData("KVPS1.DAT", result(1, 8, 3, 3) + result(1, 9, 1, 1));
        writeData("KVPN2.DAT", nameBytes(4, "Bea"));
        writeData("KVGS2.DAT", numberedGames(1));
        writeData("KVPS2.DAT", result(1, 4, 5, 5));
        end("2002");

        writeData("KVPN1.DAT", nameBytes(7, "Ann"));
        writeData("KVGS1.DAT", numberedGames(1));
        writeData("KVPS1.DAT", result(1, 7, 9, 9));
        end("2003");
        const QString damaged
            = seasonsFolder(state.settings.dataFolder) + QStringLiteral("2003/KVPS1.DAT");
        QByteArray bytes = readWholeFile(damaged);
        bytes[12] = static_cast<char>(bytes[12] + 1); // same size, one figure changed
        writeWholeFile(damaged, bytes);

        writeData("KVPN1.DAT", nameBytes(10, "Ann") + nameBytes(9, "Bea"));
        writeData("KVGS1.DAT", numberedGames(1));
        writeData("KVPS1.DAT", result(1, 10, 1, 4));
    }

    void end(const char* name)
    {
        ASSERT_EQ(
            startNewSeason(state, QString::fromLatin1(name)).outcome, NewSeasonOutcome::Started);
    }

    PlayerStatsInput input(QList<int> teams) const
    {
        PlayerStatsInput in;
        in.dataFolder = state.settings.dataFolder;
        in.teams = std::move(teams);
        return in;
    }
};

const PlayerStatsRow* rowOf(const PlayerStatsTable& table, int team, const char* name)
{
    for (int r = 2; r <= table.rowCount(); ++r) {
        if (table.row(r).team == team
            && table.row(r).name.trimmed().compare(QString::fromLatin1(name), Qt::CaseInsensitive)
                == 0)
            return &table.row(r);
    }
    return nullptr;
}

} // namespace

TEST(Career, JoinsPlayersByNameWithinATeamAndLeavesTheDamagedSeasonOut)
{
    ThreeSeasons s;
    const CareerStatsResult career = computeCareerStats(s.input({1, 2}), {QStringLiteral("all")});
    EXPECT_EQ(career.seasonNames, texts({"2001", "2002", "Current"}));
    ASSERT_EQ(career.leftOut.size(), 1u);
    EXPECT_EQ(career.leftOut[0].name, QStringLiteral("2003"));
    EXPECT_EQ(
        career.leftOut[0].problem, QStringLiteral("KVPS1.DAT is damaged (its contents changed)"));

    const PlayerStatsTable& t = career.table;
    ASSERT_EQ(t.rowCount(), 4); // totals, Ann of team 1, Bea of team 1, Bea of team 2
    const PlayerStatsRow* ann = rowOf(t, 1, "Ann");
    ASSERT_NE(ann, nullptr);
    // Numbers 7, 8 and 10: games 2 + 1 + 1, goals 1 + 2 + 3 + 1, shots 2 + 3 + 3 + 4.
    EXPECT_EQ(ann->games, 4);
    EXPECT_EQ(ann->totals[GS], 7);
    EXPECT_EQ(ann->totals[SOG], 12);
    EXPECT_EQ(ann->seasons, 3);
    EXPECT_NEAR(ann->percentages[PctQS], 58.33, 0.01); // 700 / 12

    const PlayerStatsRow* bea1 = rowOf(t, 1, "Bea");
    const PlayerStatsRow* bea2 = rowOf(t, 2, "Bea");
    ASSERT_TRUE(bea1 && bea2);
    EXPECT_EQ(bea1->games, 2);
    EXPECT_EQ(bea1->totals[GS], 1);
    EXPECT_EQ(bea1->seasons, 2);
    EXPECT_EQ(bea2->games, 1);
    EXPECT_EQ(bea2->totals[GS], 5);
    EXPECT_EQ(bea2->seasons, 1);

    // Row 1: games 2 (2001) + 1 (2002: game 1 of both teams) + 1; goals 7 + 1 + 5; 3 seasons.
    EXPECT_EQ(t.totals().games, 4);
    EXPECT_EQ(t.totals().totals[GS], 13);
    EXPECT_EQ(t.totals().seasons, 3);
}

// Files are checked as they are read, and one found right is not read for its checksum again
// while unchanged: a file damaged after a career found it right is still found out.
TEST(Career, AFileDamagedAfterACareerFoundItRightIsFoundOutNextTime)
{
    ThreeSeasons s;
    ASSERT_EQ(computeCareerStats(s.input({1}), {QStringLiteral("2001")}).seasonNames,
        texts({"2001", "Current"}));
    const QString roster
        = seasonsFolder(s.state.settings.dataFolder) + QStringLiteral("2001/KVPN1.DAT");
    QByteArray bytes = readWholeFile(roster);
    bytes[3] = 'x'; // "Ann" is now "Axn": same size
    writeWholeFile(roster, bytes);
    const CareerStatsResult again = computeCareerStats(s.input({1}), {QStringLiteral("2001")});
    EXPECT_EQ(again.seasonNames, texts({"Current"}));
    ASSERT_EQ(again.leftOut.size(), 1u);
    EXPECT_EQ(
        again.leftOut[0].problem, QStringLiteral("KVPN1.DAT is damaged (its contents changed)"));
}

TEST(Career, OnlyTheSeasonsAskedForAreCounted)
{
    ThreeSeasons s;
    struct Case
    {
        QStringList names;
        QStringList read;
        int annGoals;
        QStringList leftOut;
    };
    const std::vector<Case> cases = {
        {{QStringLiteral("2002")}, texts({"2002", "Current"}), 4, {}},
        {{}, texts({"Current"}), 1, {}},
        {{QStringLiteral("2001"), QStringLiteral("2099")}, texts({"2001", "Current"}), 4,
            texts({"2099"})},
        {{QStringLiteral("2003")}, texts({"Current"}), 1, texts({"2003"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.names.join(u',').toStdString());
        const CareerStatsResult career = computeCareerStats(s.input({1}), c.names);
        EXPECT_EQ(career.seasonNames, c.read);
        QStringList leftOut;
        for (const ArchivedSeason& season : career.leftOut)
            leftOut << season.name;
        EXPECT_EQ(leftOut, c.leftOut);
        const PlayerStatsRow* ann = rowOf(career.table, 1, "Ann");
        ASSERT_NE(ann, nullptr);
        EXPECT_EQ(ann->totals[GS], c.annGoals);
    }
}

TEST(Career, OnePlayersGamesFollowTheNameThroughEverySeason)
{
    ThreeSeasons s;
    PlayerStatsInput in = s.input({1});
    in.selection.individual = true;
    in.selection.individualPlayer = 10; // Ann in the current season
    const CareerStatsResult career = computeCareerStats(in, {QStringLiteral("all")});
    const PlayerStatsTable& t = career.table;
    ASSERT_EQ(t.rowCount(), 5);
    // 2001 (as number 7): games 1 and 2; 2002 (as number 8): game 1; now: game 1.
    const std::vector<std::pair<int, int>> want = {{0, 1}, {0, 2}, {1, 1}, {2, 1}};
    for (std::size_t i = 0; i < want.size(); ++i) {
        const PlayerStatsRow& row = t.row(static_cast<int>(i) + 2);
        EXPECT_EQ(career.seasonNames.at(row.season), career.seasonNames.at(want[i].first));
        EXPECT_EQ(row.game, want[i].second);
    }
    EXPECT_EQ(t.totals().totals[GS], 7);
}
