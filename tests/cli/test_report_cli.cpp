// The command-line report tool: argument checks, exit codes, and the reports it prints. That the
// tool prints what the windows print for the same choices is the window tests' comparison.
#include "CliSupport.h"
#include "ReportArguments.h"
#include "TestSupport.h"

#include "CsvReader.h"
#include "GameBytes.h"
#include "TeamReportSupport.h"
#include "core/state/DefaultSettings.h"
#include "core/store/TeamList.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// A data folder with team 3 named and two players on its roster.
struct DataFolder
{
    TempState t;
    QString path;
    DataFolder()
    {
        path = t.state.settings.dataFolder;
        checkAndLoadTeamList(
            t.state.files, t.state.teamChoice.names, t.state.teamChoice.shortNames);
        writeTeamNames(t.state.files, 3, QStringLiteral("Harbor FC"), QStringLiteral("Harbor"));
        t.state.files.closeDataFile(AllFiles);
        writeWholeFile(path + QStringLiteral("KVPN3.DAT"),
            nameBytes(4, "Mia Soto") + nameBytes(11, "Eli Park"));
        writeWholeFile(path + QStringLiteral("KVPI3.DAT"),
            InfoBytes{
                .number = 11, .phone = "555-0111", .city = "Salem", .state = "OR", .zip = "97301"}
                .bytes());
    }
};

const QByteArray ExpectedRoster = "\r\nRoster\r\n\r\nHarbor FC\r\n\r\n4 - Mia Soto\r\n\r\n"
                                  "11 - Eli Park\r\n555-0111\r\nSalem, OR 97301\r\n\r\n\r\n\f\r\n";

} // namespace

TEST(ReportArguments, BadArgumentsGiveExitTwoWithOneLine)
{
    const QList<QStringList> bad
        = {args(""), args("teams --data /tmp"), args("roster"), args("roster --colour --data /tmp"),
            args("roster --teams 0 --data /tmp"), args("roster --teams 101 --data /tmp"),
            args("roster --teams 1,2 --data /tmp"), args("players --teams 1,x --data /tmp"),
            args("standings --teams 2,2 --data /tmp"), args("roster --copies two --data /tmp"),
            args("roster --copies 51 --data /tmp"), args("roster --lines-per-page 20 --data /tmp"),
            args("players --types 8 --data /tmp"), args("players --columns 38 --data /tmp"),
            args("players --order X --data /tmp"), args("roster --data")};
    for (const QStringList& arguments : bad) {
        const ToolRun c = runTool(arguments);
        EXPECT_EQ(c.code, 2) << arguments.join(u' ').toStdString();
        EXPECT_EQ(c.err.count('\n'), 1) << c.err.toStdString();
        EXPECT_TRUE(c.out.isEmpty());
    }
    const ToolRun zero = runTool(args("scores --from 0 --data /tmp"));
    EXPECT_EQ(zero.code, 2);
    EXPECT_TRUE(zero.err.contains("Must be 1 to 999"));
}

TEST(ReportArguments, MessagesNameTheOptionAsWritten)
{
    const auto message = [](const char* line) { return runTool(args(line)).err.toStdString(); };
    EXPECT_EQ(
        message("roster --colour --data /tmp"), "scorvane-report: unknown option \"--colour\"\n");
    EXPECT_EQ(message("roster -x --data /tmp"), "scorvane-report: unknown option \"-x\"\n");
    EXPECT_EQ(message("roster --data"), "scorvane-report: --data needs a value\n");
    EXPECT_EQ(message("roster --data /tmp -o"), "scorvane-report: -o needs a value\n");
    EXPECT_EQ(
        message("roster --data /tmp extra"), "scorvane-report: unexpected argument \"extra\"\n");
    // The options are checked in the order given.
    EXPECT_EQ(message("players --data /tmp --copies two --lines-per-page 20"),
        "scorvane-report: --copies needs a number, not \"two\"\n");
    EXPECT_EQ(message("players --data /tmp --top 5 --top 0"),
        "scorvane-report: --top must be 1 to 999\n");
    const ToolRun flagValue = runTool(args("roster --data /tmp --special=yes"));
    EXPECT_EQ(flagValue.code, 2);
    EXPECT_EQ(flagValue.err.count('\n'), 1);
    EXPECT_EQ(runTool(args("-h")).out, runTool(args("--help")).out);
    // The last of several values counts, whichever name gave it.
    const ParsedRequest twice = parseReportArguments(args("roster --data d -o a --output b -o c"));
    EXPECT_EQ(twice.request.outputFile, QStringLiteral("c"));
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
}

TEST(ReportTool, HelpListsTheKindsThatWork)
{
    const ToolRun help = runTool(args("--help"));
    EXPECT_EQ(help.code, 0);
    for (const char* part : {"scorvane-report KIND --data DIR",
             "KIND: players | record | scores | standings | roster\n", "--lines-per-page",
             "--short", "--format FORMAT"})
        EXPECT_TRUE(help.out.contains(part)) << part;
}

TEST(ReportTool, PrintsTheRosterWithoutTouchingTheDataFolder)
{
    DataFolder data;
    const QStringList before = folderListing(data.path);
    const ToolRun c = runTool(args("roster --teams 3 --data %1", {data.path}));
    EXPECT_EQ(c.code, 0) << c.err.toStdString();
    EXPECT_EQ(c.out, ExpectedRoster);
    EXPECT_EQ(folderListing(data.path), before);

    // To a file, appended, with the title and copies asked for.
    const QString file = data.t.dir.path() + QStringLiteral("/out.txt");
    writeWholeFile(file, "before\r\n");
    const ToolRun f
        = runTool(args("roster --teams 3 --append --title Contacts --copies 2 --data %1 -o %2",
            {data.path, file}));
    EXPECT_EQ(f.code, 0) << f.err.toStdString();
    QByteArray copy = ExpectedRoster;
    copy.replace("Roster", "Contacts");
    EXPECT_EQ(readWholeFile(file), "before\r\n" + copy + copy);
    EXPECT_TRUE(f.out.isEmpty());
}

TEST(ReportTool, UnreadableDataAndUnwritableOutputGiveExitOne)
{
    TempState empty;
    DataFolder data;
    const struct
    {
        QStringList arguments;
        const char* named;
    } cases[] = {{args("roster --data /no/such/folder"), "/no/such/folder"},
        {args("roster --data %1", {empty.state.settings.dataFolder}), "KVTEAMS.DAT"},
        {args("roster --teams 3 --data %1 -o %1none/x.txt", {data.path}), "none/x.txt"},
        {args("roster --data %1 --settings %1KVPN3.DAT", {data.path}), "669"}};
    for (const auto& c : cases) {
        const ToolRun run = runTool(c.arguments);
        EXPECT_EQ(run.code, 1) << c.named;
        EXPECT_TRUE(run.err.contains(c.named)) << run.err.toStdString();
    }
}

namespace {

// Team 3 (Harbor FC) and team 1 with games, and a settings file with the default game types.
struct TeamReportData : DataFolder
{
    QString settings;

    TeamReportData()
    {
        const QString folder = t.dir.path() + QStringLiteral("/cli-settings/");
        EXPECT_TRUE(supplyDefaultSettings(folder, path).isEmpty());
        settings = folder + QStringLiteral("QMKV.INI");
        QByteArray games;
        for (int g = 1; g <= 12; ++g) {
            games += GameBytes{.number = g,
                .location = "North Field",
                .opponent = g % 2 == 0 ? "Rovers" : "Dover United",
                .goalsFor = g % 4,
                .goalsAgainst = g % 3,
                .comment = "Windy",
                .type = static_cast<char>('1' + g % 3),
                .home = g % 2 == 0 ? '1' : '2'}
                         .bytes();
        }
        writeWholeFile(path + QStringLiteral("KVGS3.DAT"), games);
        writeWholeFile(path + QStringLiteral("KVGS1.DAT"),
            join({GameBytes{.number = 1, .goalsFor = 2}.bytes(),
                GameBytes{.number = 2, .goalsAgainst = 1}.bytes()}));
    }
};

} // namespace

TEST(ReportTool, ShortScoresComparedWhole)
{
    TeamReportData data;
    const QString file = QDir::cleanPath(data.path + QStringLiteral("/../out.txt"));
    const ToolRun run = runTool(
        args("scores --short --teams 3 --types 3 --title Away --data %1 --settings %2 -o %3",
            {data.path, data.settings, file}));
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    // Games 2, 5, 8 and 11 are of type 3 ("Friendly"); odd games were played away.
    EXPECT_TRUE(samePrintout(readWholeFile(file),
        fileOf({"", "Away", "", "Harbor FC", "",
            "   2. 09/15/02 Friendly    Rovers                      2-2   Tie",
            "   5. 09/15/02 Friendly    Dover United                1-2   Lost",
            "   8. 09/15/02 Friendly    Rovers                      0-2   Lost",
            "  11. 09/15/02 Friendly    Dover United                3-2   WON", "\f"})));
}

TEST(ReportTool, TeamReportsTakeTheirTeamCount)
{
    TeamReportData data;
    EXPECT_EQ(runTool(args("record --teams 1,3 --data %1", {data.path})).code, 2);
    EXPECT_EQ(runTool(args("scores --teams 1,3 --data %1", {data.path})).code, 2);
    const QStringList before = folderListing(data.path);
    const ToolRun one = runTool(args("standings --teams 1 --data %1", {data.path}));
    EXPECT_EQ(one.code, 0) << one.err.toStdString();
    EXPECT_EQ(folderListing(data.path), before); // read where they are, never written
    EXPECT_TRUE(one.out.contains("Team 1                       1     1   .500"));
}

namespace {

// The records of a CSV export, each joined with "|" so that a whole table reads as one list.
QStringList csvRecords(const ToolRun& run)
{
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    const CsvRead read = readCsv(run.out);
    EXPECT_TRUE(read.ok) << run.out.toStdString();
    QStringList lines;
    for (const QStringList& record : read.records)
        lines << record.join(u'|');
    return lines;
}

} // namespace

// Games 2, 5, 8 and 11 are Friendlies; types 1 to 3 get four games each, one tie in each.
TEST(ReportExport, TeamReportsAndTheRosterAsCsv)
{
    TeamReportData data;
    const QStringList values{data.path, data.settings};
    EXPECT_EQ(
        csvRecords(runTool(args("record --teams 3 --format csv --data %1 --settings %2", values))),
        texts({"Row|Game Type|Won|Lost|Ties|Pct|GF|GA", "|League|3|0|1|0.875|6|0",
            "|Tournament|2|1|1|0.625|6|4", "|Friendly|1|2|1|0.375|6|8",
            "Totals|Totals|6|3|3|0.625|18|12"}));
    // The range and the types both reach the selection: games 5 and 8 of the four Friendlies.
    EXPECT_EQ(
        csvRecords(runTool(
            args("scores --teams 3 --types 3 --from 10 --to 3 --format csv --data %1 --settings %2",
                values))),
        texts({"Row|Game|Date|Game Type|Opponent|Played|GF|GA|Result|Location|Comment",
            "|5|09/15/02|Friendly|Dover United|Away|1|2|Lost|North Field|Windy",
            "|8|09/15/02|Friendly|Rovers|Home|0|2|Lost|North Field|Windy"}));
    EXPECT_EQ(
        csvRecords(
            runTool(args(
                "scores --short --teams 3 --types 3 --format csv --data %1 --settings %2", values)))
            .mid(0, 2),
        texts({"Row|Game|Date|Game Type|Opponent|GF|GA|Result",
            "|2|09/15/02|Friendly|Rovers|2|2|Tie"}));
    const QStringList standings = csvRecords(
        runTool(args("standings --teams 1,3 --format csv --data %1 --settings %2", values)));
    ASSERT_EQ(standings.size(), 3);
    EXPECT_EQ(standings[0], QStringLiteral("Row|Team|Won|Lost|Ties|Pct|Streak|GF|GA|GB"));
    EXPECT_TRUE(standings[1].startsWith(QStringLiteral("|Harbor FC|6|3|")));
    EXPECT_TRUE(standings[2].startsWith(QStringLiteral("|Team 1|1|1|0|0.500|")))
        << standings[2].toStdString();
    EXPECT_EQ(csvRecords(runTool(args("roster --teams 3 --format csv --data %1", {data.path}))),
        texts({"Row|Number|Name|Phone|Address 1|Address 2|City|State|Zip|Other Information",
            "|4|Mia Soto|||||||", "|11|Eli Park|555-0111|||Salem|OR|97301|"}));
}

TEST(ReportExport, HtmlIsOneSelfContainedPage)
{
    TeamReportData data;
    const QString file = data.t.dir.path() + QStringLiteral("/scores.html");
    const ToolRun run = runTool(
        args("scores --teams 3 --title Fall%3Season --format html --data %1 --settings %2 -o %4",
            {data.path, data.settings, QStringLiteral(" "), file}));
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    const QByteArray page = readWholeFile(file);
    EXPECT_TRUE(page.startsWith("<!DOCTYPE html>"));
    EXPECT_TRUE(page.contains("<title>Fall Season</title>"));
    EXPECT_TRUE(page.contains("<p class=\"team\">Harbor FC</p>"));
    EXPECT_EQ(page.count("<tr>"), 1 + 12); // what else a page holds is the export tests' part
}

TEST(ReportExport, FormatOptionAndTextUnchanged)
{
    DataFolder data;
    EXPECT_EQ(
        runTool(args("roster --teams 3 --format text --data %1", {data.path})).out, ExpectedRoster);
    const ToolRun bad = runTool(args("roster --teams 3 --format pdf --data %1", {data.path}));
    EXPECT_EQ(bad.code, 2);
    EXPECT_EQ(
        bad.err, QByteArray("scorvane-report: --format must be text, csv or html, not \"pdf\"\n"));
    const QString file = data.t.dir.path() + QStringLiteral("/roster.csv");
    EXPECT_EQ(
        runTool(args("roster --teams 3 --format csv --append --data %1 -o %2", {data.path, file}))
            .code,
        2);
    const ToolRun unwritable
        = runTool(args("roster --teams 3 --format html --data %1 -o %2/none/x.html",
            {data.path, data.t.dir.path()}));
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_TRUE(unwritable.err.contains("none/x.html"));
    EXPECT_FALSE(QFileInfo::exists(data.t.dir.path() + QStringLiteral("/none")));
}
