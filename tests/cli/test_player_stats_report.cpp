// The printed player statistics, compared whole: one team, several teams, one player's games,
// page breaks with copies, the marker and "not listed" lines, and the staggered totals; and the
// same reports exported. The command-line tool prints through the same path as the print dialog.
#include "CliSupport.h"
#include "TeamReportSupport.h"

#include "core/output/OutputEngine.h"
#include "core/reports/PlayerStatsReport.h"
#include "core/store/SettingsRecord.h"
#include "core/store/TeamList.h"

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

constexpr int Min = 0;
constexpr int GS = 2;
constexpr int SOG = 3;

QByteArray figures(int game, int player, int minutes, int goals, int shots, char type = '1')
{
    return resultBytes(game, player, {{Min, minutes}, {GS, goals}, {SOG, shots}}, 'A', type);
}

// Two teams: Harbor FC in slot 1 (three players over three games) and Bay United in slot 3.
struct ReportData
{
    TempState t;
    QString data = t.state.settings.dataFolder;
    QString settings = t.state.settings.settingsFolder + QStringLiteral("QMKV.INI");

    ReportData()
    {
        checkAndLoadTeamList(
            t.state.files, t.state.teamChoice.names, t.state.teamChoice.shortNames);
        writeTeamNames(t.state.files, 1, QStringLiteral("Harbor FC"), QStringLiteral("Harbor"));
        writeTeamNames(t.state.files, 3, QStringLiteral("Bay United"), QStringLiteral("Bay"));
        t.state.files.closeDataFile(AllFiles);
        writeWholeFile(data + QStringLiteral("KVPN1.DAT"),
            nameBytes(4, "Mia Soto") + nameBytes(7, "Ana Cruz") + nameBytes(11, "Eli Park"));
        writeWholeFile(data + QStringLiteral("KVPS1.DAT"),
            figures(1, 4, 60, 2, 3) + figures(1, 11, 45, 0, 1) + figures(2, 4, 50, 1, 1, '3')
                + figures(2, 7, 90, 1, 4, '3') + figures(3, 11, 30, 1, 2));
        writeWholeFile(data + QStringLiteral("KVPN3.DAT"), nameBytes(4, "Zoe Lin"));
        writeWholeFile(
            data + QStringLiteral("KVPS3.DAT"), figures(1, 4, 70, 4, 5) + figures(2, 9, 20, 0, 0));
        writeWholeFile(settings, defaultSettingsRecord(data).encode());
    }

    // Runs the tool with the five columns G, GS, SOG, QS%, Min sorted by GS descending.
    QByteArray run(const std::string& extra) const
    {
        const ToolRun r = runTool(args("players --data %1 --settings %2 --columns 1,7,4,8,2 "
                                       "--sort 7 --order D",
                                      {data, settings})
            + args(extra.c_str()));
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        return r.out;
    }
};

QByteArray dashes(int n)
{
    return QByteArray(n, '-') + "\r\n";
}

} // namespace

// One team (Eli and Ana tie at one goal: Eli has more games), several teams (row 1's games count
// changes of game number: 1, 2, 3 of Harbor, then 1, 2 of Bay), one player's games, the minimum
// with the top cut, and no game marked in the explicit list (no rows, the totals still print).
TEST(PlayerStatsReport, EveryModePrintedWhole)
{
    const QByteArray harbor = "\r\nHarbor FC\r\n\r\nPlayer Statistics\r\n\r\n";
    const struct
    {
        const char* options;
        QByteArray expected;
    } cases[] = {
        {"",
            harbor + "3 Player(s)    G GS SOG   QS%  Min\r\n" + dashes(34)
                + "Mia Soto       2  3   4  75.0  110\r\n"
                  "Eli Park       2  1   3  33.3   75\r\n"
                  "Ana Cruz       1  1   4  25.0   90\r\n"
                + dashes(34) + "Totals         3  5  11  45.5  275\r\n\r\n\f\r\n"},
        {"--teams 1,3 --title Spring",
            "\r\nSpring\r\n\r\n5 Player(s)  Team         G GS SOG   QS%  Min\r\n" + dashes(45)
                + "Zoe Lin      Bay          1  4   5  80.0   70\r\n"
                  "Mia Soto     Harbor       2  3   4  75.0  110\r\n"
                  "Eli Park     Harbor       2  1   3  33.3   75\r\n"
                  "Ana Cruz     Harbor       1  1   4  25.0   90\r\n"
                  "Player 9     Bay          1  0   0   0.0   20\r\n"
                + dashes(45) + "Totals                    5  9  16  56.3  365\r\n\r\n\f\r\n"},
        {"--individual 4",
            harbor + "Mia Soto        G GS SOG   QS%  Min\r\n" + dashes(35)
                + "1   League      1  2   3  66.7   60\r\n"
                  "2   Friendly    1  1   1 100.0   50\r\n"
                + dashes(35) + "Totals          2  3   4  75.0  110\r\n\r\n\f\r\n"},
        {"--minimum-games 2 --top 2 --columns 1,7",
            harbor + "3 Player(s)    G GS\r\n" + dashes(19)
                + "Mia Soto       2  3\r\nEli Park       2  1\r\n 1 Player(s) not listed\r\n"
                + dashes(19) + "Totals         3  5\r\n\r\n\f\r\n"},
        {"--special --columns 1,7",
            harbor + "0 Player(s)    G GS\r\n" + dashes(19) + dashes(19)
                + "Totals         0  0\r\n\r\n\f\r\n"},
    };
    ReportData d;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        EXPECT_TRUE(samePrintout(d.run(c.options), c.expected));
    }
}

TEST(PlayerStatsReport, EveryLineCountsTowardsThePageIncludingTheFormFeed)
{
    ReportData d;
    AppState& s = d.t.state;
    PlayerStatsTable table;
    for (const auto& [name, games] : std::vector<std::pair<QString, int>>{
             {QStringLiteral("Ann"), 3}, {QStringLiteral("Bea"), 2}, {QStringLiteral("Cal"), 1}}) {
        PlayerStatsRow row;
        row.name = name;
        row.games = games;
        row.totals[GS] = games;
        table.rows.push_back(row);
        table.displayOrder.push_back(table.rowCount());
    }
    table.rows.front().games = 3;
    table.rows.front().totals[GS] = 6;
    table.sortedOrder = table.displayOrder;
    PlayerReportLayout layout;
    layout.columns = {1, 7};
    layout.teamName = QStringLiteral("Harbor FC");
    layout.minimum = splitByMinimum(table, MinimumKind::GamesPlayed, 3);
    s.printJob.outputFile = d.data + QStringLiteral("REPORT.TXT");
    OutputEngine engine(s.printJob, s.settings, [](const QString&) { return false; });
    ASSERT_TRUE(
        printPlayerReport(table, layout, PrintChoices{QStringLiteral("Sheet"), 2, 10, 2}, engine));

    const QByteArray header
        = "\r\nHarbor FC\r\n\r\nSheet\r\n\r\n3 Player(s)    G GS\r\n" + dashes(19); // 7 lines
    // Page 1: header, Ann, the marker, Bea = 10 lines. The form feed is line 1 of the next
    // page, so the "not listed" line and the dashes fill page 2, and totals line A opens page 3.
    const QByteArray copy = header
        + "Ann            3  3\r\n*** Less than 3 Games ***\r\nBea            2  2\r\n" + "\f\r\n"
        + header + " 1 Player(s) not listed\r\n" + dashes(19) + "\f\r\n" + header
        + "Totals         3  6\r\n\r\n\f\r\n";
    EXPECT_TRUE(samePrintout(readWholeFile(s.printJob.outputFile), copy + copy));
}

TEST(PlayerStatsReport, WideTotalsAreStaggeredBetweenTwoLines)
{
    PlayerStatsTable table;
    PlayerStatsRow& totals = table.rows.front();
    totals.totals[Min] = 10000;
    totals.totals[SOG] = 1234;
    totals.totals[4] = 2000;   // SAG
    totals.totals[14] = 12345; // BTI
    totals.totals[GS] = 150;
    totals.percentages[PctQS] = 12.5F;
    PlayerReportLayout layout;
    layout.columns = {2, 4, 5, 21, 7, 8, 3};
    const TotalsLines t = totalsLines(table, layout);
    const QString blanks13(13, u' ');
    // Min 10000 is a dash; 1234 goes to line B, 2000 to A, 12345 to B over the last two
    // characters there, 150 to A; the percentage and PP 0 are narrow and go to A.
    EXPECT_EQ(t.a,
        QStringLiteral("Totals") + QString(11, u' ')
            + QStringLiteral("-    2000    150  12.5   0"));
    EXPECT_EQ(t.b,
        blanks13 + QString(5, u' ') + QStringLiteral("1234   12345") + QString(3, u' ')
            + QString(5, u' ') + QString(4, u' '));
}

// The same reports as CSV: the rows of the printouts above in their order, one per record, the
// figures without padding, the totals marked in the first column; the top cut leaves out what the
// printout leaves out.
TEST(PlayerStatsReport, ExportsEveryModeAsCsvInThePrintedOrder)
{
    ReportData d;
    const auto csv
        = [&](const char* extra) { return csvLines(d.run(extra + std::string(" --format csv"))); };
    EXPECT_EQ(csv("--teams 1,3"),
        texts({"Row|Player|Team|G|GS|SOG|QS%|Min", "|Zoe Lin|Bay|1|4|5|80.0|70",
            "|Mia Soto|Harbor|2|3|4|75.0|110", "|Eli Park|Harbor|2|1|3|33.3|75",
            "|Ana Cruz|Harbor|1|1|4|25.0|90", "|Player 9|Bay|1|0|0|0.0|20",
            "Totals|Totals||5|9|16|56.3|365"}));
    EXPECT_EQ(csv("--minimum-games 2 --top 2 --columns 1,7"),
        texts({"Row|Player|G|GS", "|Mia Soto|2|3", "|Eli Park|2|1", "Totals|Totals|3|5"}));
}

// The page says what the printout's own lines say: the team, the player, the marker and the
// players not listed.
TEST(PlayerStatsReport, HtmlPageNamesTheTeamThePlayerAndTheCut)
{
    ReportData d;
    const QByteArray team = d.run("--format html --minimum-sog 4");
    EXPECT_TRUE(team.contains("<p class=\"team\">Harbor FC</p>"));
    EXPECT_TRUE(team.contains("<p class=\"caption\">Less than 4 SOG: the last 1 player(s)</p>"));
    EXPECT_TRUE(d.run("--format html --minimum-games 2 --top 2")
                    .contains("<p class=\"caption\">1 Player(s) not listed</p>"));
    EXPECT_TRUE(
        d.run("--format html --individual 4").contains("<p class=\"caption\">Mia Soto</p>"));
    // Several teams: the Team column says it.
    EXPECT_FALSE(d.run("--format html --teams 1,3").contains("class=\"team\""));
}
