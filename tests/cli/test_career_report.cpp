// Career statistics from the command line: "--seasons" over an archived season and the current
// one, printed whole and compared with what the print path writes for the same choice; a damaged
// archive named on standard error and left out; the option refused outside the players report.
#include "CliSupport.h"
#include "TeamReportSupport.h"

#include "core/output/OutputEngine.h"
#include "core/reports/PlayerStatsReport.h"
#include "core/seasons/NewSeason.h"
#include "core/seasons/SeasonArchive.h"
#include "core/store/TeamList.h"
#include "core/teams/TeamSelection.h"

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

constexpr int GS = 2;
constexpr int SOG = 3;

QByteArray figures(int game, int player, int goals, int shots)
{
    return resultBytes(game, player, {{GS, goals}, {SOG, shots}});
}

// Harbor FC in slot 1. Season 2001: Ann (number 7) in games 1 and 2, Bea in game 1. Now: Ann as
// number 10 and Cal, one game.
struct CareerData
{
    TempState t;
    QString data = t.state.settings.dataFolder;
    QString settings = t.state.settings.settingsFolder + QStringLiteral("QMKV.INI");

    CareerData()
    {
        checkAndLoadTeamList(
            t.state.files, t.state.teamChoice.names, t.state.teamChoice.shortNames);
        writeTeamNames(t.state.files, 1, QStringLiteral("Harbor FC"), QStringLiteral("Harbor"));
        t.state.files.closeDataFile(AllFiles);
        writeWholeFile(
            data + QStringLiteral("KVPN1.DAT"), nameBytes(7, "Ann") + nameBytes(9, "Bea"));
        writeWholeFile(data + QStringLiteral("KVGS1.DAT"), numberedGames(2));
        writeWholeFile(data + QStringLiteral("KVPS1.DAT"),
            figures(1, 7, 1, 2) + figures(1, 9, 0, 1) + figures(2, 7, 2, 3));
        EXPECT_EQ(
            startNewSeason(t.state, QStringLiteral("2001")).outcome, NewSeasonOutcome::Started);
        writeWholeFile(
            data + QStringLiteral("KVPN1.DAT"), nameBytes(5, "Cal") + nameBytes(10, "ann"));
        writeWholeFile(data + QStringLiteral("KVGS1.DAT"), numberedGames(1));
        writeWholeFile(
            data + QStringLiteral("KVPS1.DAT"), figures(1, 5, 1, 1) + figures(1, 10, 1, 4));
        writeWholeFile(settings, defaultSettingsRecord(data).encode());
    }

    ToolRun run(const std::string& extra) const
    {
        return runTool(args("players --data %1 --settings %2 --columns 1,7,4 --sort 7 --order D",
                           {data, settings})
            + args(extra.c_str()));
    }
};

QByteArray dashes(int n)
{
    return QByteArray(n, '-') + "\r\n";
}

} // namespace

// Ann's two numbers are one player: G 2 + 1, GS 3 + 1, SOG 5 + 4, in two seasons; row 1 counts
// games 2 + 1, goals 3 + 2, shots 6 + 5 over 2 seasons.
TEST(CareerReport, SeasonsAllPrintsTheJoinedPlayersWithASeasonsColumn)
{
    CareerData d;
    const QByteArray expected = "\r\nHarbor FC\r\n\r\nPlayer Statistics\r\n\r\n"
                                "3 Player(s)   Seasons  G GS SOG\r\n"
        + dashes(31)
        + "ann                 2  3  4   9\r\n"
          "Cal                 1  1  1   1\r\n"
          "Bea                 1  1  0   1\r\n"
        + dashes(31) + "Totals              2  3  5  11\r\n\r\n\f\r\n";
    const ToolRun all = d.run("--seasons all");
    ASSERT_EQ(all.code, 0) << all.err.toStdString();
    EXPECT_TRUE(samePrintout(all.out, expected));
    EXPECT_EQ(d.run("--seasons 2001").out, all.out);

    // The print path, with the choice the Compute window makes, writes the same bytes.
    AppState& s = d.t.state;
    TeamLines lines{};
    lines[0] = true;
    checkAndLoadTeamList(s.files, s.teamChoice.names, s.teamChoice.shortNames);
    takeTeamSelection(s, lines);
    s.settings.reportColumns.fill(0);
    s.settings.reportColumns[1] = 1;
    s.settings.reportColumns[2] = 7;
    s.settings.reportColumns[3] = 4;
    s.settings.sortColumn = 7;
    s.reportSelection.career = true;
    s.reportSelection.careerSeasons = {QStringLiteral("all")};
    s.printJob.title = QStringLiteral("Player Statistics");
    s.printJob.outputFile = d.t.dir.filePath(QStringLiteral("career.txt"));
    {
        OutputEngine engine(s.printJob, s.settings, [](const QString&) { return false; });
        printPlayerStatistics(s, engine);
    }
    EXPECT_TRUE(samePrintout(readWholeFile(s.printJob.outputFile), expected));

    // The exported table has the same Seasons column; one player's games name each game's season.
    EXPECT_EQ(csvLines(d.run("--seasons all --format csv").out),
        texts({"Row|Player|Seasons|G|GS|SOG", "|ann|2|3|4|9", "|Cal|1|1|1|1", "|Bea|1|1|0|1",
            "Totals|Totals|2|3|5|11"}));
    EXPECT_EQ(csvLines(d.run("--seasons all --format csv --individual 10").out),
        texts({"Row|Game|Game Type|Season|G|GS|SOG", "|1|League|2001|1|1|2", "|2|League|2001|1|2|3",
            "|1|League|Current|1|1|4", "Totals|Totals|||3|4|9"}));
}

TEST(CareerReport, ADamagedArchiveIsNamedAndLeftOut)
{
    CareerData d;
    const QString results = seasonsFolder(d.data) + QStringLiteral("2001/KVPS1.DAT");
    QByteArray bytes = readWholeFile(results);
    bytes[10] = 'x';
    writeWholeFile(results, bytes);
    const ToolRun r = d.run("--seasons all");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err,
        "scorvane-report: season 2001 left out: KVPS1.DAT is damaged (its contents changed)\n");
    EXPECT_TRUE(r.out.contains("2 Player(s)   Seasons"));

    const ToolRun unknown = d.run("--seasons 1999");
    EXPECT_EQ(
        unknown.err, "scorvane-report: season 1999 left out: no archived season has this name\n");
}

TEST(CareerReport, SeasonsIsRefusedOutsideThePlayersReport)
{
    CareerData d;
    const ToolRun r
        = runTool(args("record --data %1 --settings %2 --seasons all", {d.data, d.settings}));
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "scorvane-report: --seasons works only with players\n");
    EXPECT_EQ(d.run("--seasons 2001,,x").code, 2);
}
