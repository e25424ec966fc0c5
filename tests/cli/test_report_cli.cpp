// The command-line report tool's contract: bad arguments exit 2 with one line, data it cannot read
// and output it cannot write exit 1 naming them, the help lists the kinds that work, the options
// reach the selection, and every kind prints to standard output the bytes it writes to a file. How
// each report is laid out is checked by the core tests.
#include "CliSupport.h"
#include "ReportArguments.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace scorvane;
using namespace scorvane::testing;

TEST(ReportArguments, BadArgumentsExitTwoWithOneLineNamingTheOptionAsWritten)
{
    const struct
    {
        const char* line;
        const char* message; // the whole line after the program's name, where given
    } cases[] = {
        {"", "a report kind is required (players, record, scores, standings or roster)"},
        {"teams --data /tmp", "unknown report kind \"teams\""},
        {"roster", "--data DIR is required"},
        {"roster --colour --data /tmp", "unknown option \"--colour\""},
        {"roster --data", "--data needs a value"},
        {"roster --data /tmp extra", "unexpected argument \"extra\""},
        {"roster --data /tmp --special=yes", nullptr},
        {"roster --teams 0 --data /tmp", "--teams: slot 0 is outside 1 to 100"},
        {"players --teams 1,x --data /tmp", "--teams needs slot numbers, not \"1,x\""},
        {"standings --teams 2,2 --data /tmp", "--teams: slot 2 is given twice"},
        {"roster --teams 1,2 --data /tmp", "roster takes exactly one team"},
        {"record --teams 1,3 --data /tmp", "record takes exactly one team"},
        {"players --teams 1,3 --individual 4 --data /tmp", "--individual takes exactly one team"},
        // The options are checked in the order given.
        {"players --data /tmp --copies two --lines-per-page 20",
            "--copies needs a number, not \"two\""},
        {"roster --copies 51 --data /tmp", "--copies must be 1 to 50"},
        {"roster --lines-per-page 20 --data /tmp", "--lines-per-page must be 21 to 999"},
        {"players --types 8 --data /tmp", "--types: game type 8 is outside 1 to 7"},
        {"players --columns 38 --data /tmp", "--columns: code 38 is outside 1 to 37"},
        {"players --order X --data /tmp", "--order must be A or D"},
        {"players --data /tmp --top 5 --top 0", "--top must be 1 to 999"},
        {"scores --from 0 --data /tmp", "--from: Must be 1 to 999"},
        {"players --minimum-games 2 --minimum-sog 3 --data /tmp",
            "give either --minimum-games or --minimum-sog, not both"},
        {"roster --format pdf --data /tmp",
            "--format must be text, csv, html or xlsx, not \"pdf\""},
        {"roster --format csv --append --data /tmp", "--append works only with --format text"},
    };
    for (const auto& c : cases) {
        const ToolRun run = runTool(args(c.line));
        EXPECT_EQ(run.code, 2) << c.line;
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        if (c.message != nullptr) {
            EXPECT_EQ(run.err.toStdString(), "scorvane-report: " + std::string(c.message) + "\n");
        }
        EXPECT_TRUE(run.out.isEmpty()) << c.line;
    }
}

TEST(ReportArguments, OptionsReachTheSelectionTheSettingsAndTheJob)
{
    const ParsedRequest p = parseReportArguments(
        args("players --data d --teams 4,1,7 --from 30 --to 5 --types 2,5 --player-name %1 "
             "--minimum-sog 3 --order A --sort 4 --lines-per-page 30 --copies 2 -o out.txt "
             "--append",
            {QStringLiteral("  Mia SOTO")}));
    ASSERT_TRUE(p.error.isEmpty()) << p.error.toStdString();
    EXPECT_EQ(std::tuple(p.request.fromGame, p.request.toGame), std::tuple(5, 30)); // swapped
    TempState t;
    applyReportRequest(p.request, t.state);
    const ReportSelection& selection = t.state.reportSelection;
    EXPECT_EQ(selection.kind, ReportKind::PlayerStatistics);
    EXPECT_EQ(selection.playerName, QStringLiteral("mia soto"));
    EXPECT_FALSE(selection.allTypesCounted);
    EXPECT_TRUE(
        selection.typeIsCounted(2) && selection.typeIsCounted(5) && !selection.typeIsCounted(1));
    EXPECT_EQ(std::tuple(selection.minimumKind, selection.minimumValue),
        std::tuple(MinimumKind::ShotsOnGoal, 3));
    const ProgramSettings& settings = t.state.settings;
    EXPECT_EQ(std::tuple(settings.sortOrder, settings.sortColumn, settings.linesPerPage),
        std::tuple(SortOrder::Ascending, 4, 30));
    const PrintJob& job = t.state.printJob;
    EXPECT_EQ(std::tuple(job.title.toStdString(), job.copies, job.outputFile.toStdString(),
                  job.append, job.format),
        std::tuple("Player Statistics", 2, "out.txt", true, OutputFormat::Text));

    const ParsedRequest q
        = parseReportArguments(args("players --data d --player-number 9 --special -o a -o b"));
    ASSERT_TRUE(q.error.isEmpty()) << q.error.toStdString();
    EXPECT_EQ(q.request.outputFile, QStringLiteral("b")); // the last of several values counts
    applyReportRequest(q.request, t.state);
    EXPECT_EQ(std::tuple(selection.playerNumber, selection.onlySelectedGames), std::tuple(9, true));
}

TEST(ReportTool, HelpListsTheKindsThatWork)
{
    const ToolRun help = runTool(args("--help"));
    EXPECT_EQ(help.code, 0);
    for (const char* part : {"scorvane-report KIND --data DIR",
             "KIND: players | record | scores | standings | roster | table\n", "--lines-per-page",
             "--short", "--format FORMAT", "xlsx (a workbook"})
        EXPECT_TRUE(help.out.contains(part)) << part;
}

TEST(ReportTool, UnreadableDataAndUnwritableOutputGiveExitOneNamingThem)
{
    TempState empty;
    const SampleFolder league;
    const QString out = league.dir.path();
    const struct
    {
        QStringList arguments;
        const char* named;
    } cases[] = {{args("roster --data /no/such/folder"), "/no/such/folder"},
        {args("roster --data %1", {empty.state.settings.dataFolder}), "KVTEAMS.DAT"},
        {args("roster --data %1 -o %2/none/x.txt", {league.data, out}), "none/x.txt"},
        {args("scores --format html --data %1 -o %2/none/x.html", {league.data, out}),
            "none/x.html"},
        {args("record --format xlsx --data %1 -o %2/none/x.xlsx", {league.data, out}),
            "none/x.xlsx"},
        {args("roster --data %1 --settings %1KVTEAMS.DAT", {league.data}), "669"}};
    for (const auto& c : cases) {
        const ToolRun run = runTool(c.arguments);
        EXPECT_EQ(run.code, 1) << c.named;
        EXPECT_TRUE(run.err.contains(c.named)) << run.err.toStdString();
    }
}

// One choice of each kind, in each format, over the sample league; the data folder is only read.
TEST(ReportTool, EveryKindPrintsToStandardOutputTheBytesItWritesToAFile)
{
    const SampleFolder league;
    const QStringList before = folderListing(league.data);
    const QString file = league.dir.filePath(QStringLiteral("out"));
    // The roster names a player for the individual report.
    const QStringList roster = csvLines(league.run("roster --teams 2 --format csv").out);
    ASSERT_GE(roster.size(), 12); // the heading and a squad
    const QStringList values{file, roster[1].section(u'|', 1, 1)};
    for (const char* line : {"roster --teams 2 --format csv", "players --teams 1,3 --copies 2",
             "players --teams 2 --individual %2 --format csv", "record --teams 4 --format html",
             "scores --short --teams 3 --types 1,3 --title Away",
             "standings --teams 1,2,3,4 --lines-per-page 30"}) {
        const ToolRun printed = league.run(line, values);
        EXPECT_EQ(printed.code, 0) << line << printed.err.toStdString();
        EXPECT_GT(printed.out.count('\n'), 5) << line;
        const ToolRun written = league.run(line + std::string(" -o %1"), values);
        EXPECT_EQ(written.code, 0) << line << written.err.toStdString();
        EXPECT_TRUE(written.out.isEmpty()) << line;
        EXPECT_EQ(readWholeFile(file), printed.out) << line;
    }
    EXPECT_EQ(folderListing(league.data), before);
}
