// Spreadsheet import: files as real programs save them, heading matching, row conversion with
// its problems and conflicts, and the files written, checked against hand-built bytes.
#include "SafeWriteSupport.h"

#include "core/import/CsvSheet.h"
#include "core/import/GameImport.h"
#include "core/import/RosterImport.h"
#include "core/output/TableExport.h"
#include "core/roster/RosterPrintout.h"
#include "core/store/ChangeSet.h"
#include "core/store/TeamRecord.h"
#include "core/teams/SampleLeague.h"
#include "core/text/TextCodec.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

QByteArray bytesOf(const char* text)
{
    return QByteArray(text);
}

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

std::vector<QStringList> cellsOf(const CsvSheet& sheet)
{
    std::vector<QStringList> all;
    for (const CsvSheet::Row& row : sheet.rows)
        all.push_back(sheet.cells(row));
    return all;
}

QString issuesOf(const ImportRow& row)
{
    QStringList texts;
    for (const ImportIssue& issue : row.issues)
        texts << issue.text;
    return texts.join(QStringLiteral(" | "));
}

// A data folder with a team list and, for team 1, the given roster, contacts and games.
struct ImportTeam : TempState
{
    explicit ImportTeam(const QByteArray& roster = {}, const QByteArray& contacts = {},
        const QByteArray& games = {}, const QByteArray& results = {})
    {
        writeData("KVTEAMS.DAT", numberedTeamList());
        writeData("KVPN1.DAT", roster);
        writeData("KVPI1.DAT", contacts);
        writeData("KVGS1.DAT", games);
        writeData("KVPS1.DAT", results);
        const char* types[]
            = {"League", "Cup", "Friendly", "Tourney", "Indoor", "Scrimmage", "Other"};
        for (int t = 1; t <= 7; ++t)
            state.settings.gameTypeNames[t] = QString::fromLatin1(types[t - 1]).leftJustified(10);
        chooseTeam(state, 1);
    }

    std::unique_ptr<RosterImport> roster(const QByteArray& csv)
    {
        const CsvSheet sheet = readCsvSheet(csv);
        return RosterImport::forTeam(
            state, sheet, matchColumns(ImportKind::Roster, sheet.headings));
    }
    std::unique_ptr<GameImport> games(const QByteArray& csv)
    {
        const CsvSheet sheet = readCsvSheet(csv);
        return GameImport::forTeam(state, sheet, matchColumns(ImportKind::Games, sheet.headings));
    }
};

} // namespace

TEST(CsvSheetReading, FilesAsSpreadsheetsAndClubSystemsSaveThem)
{
    struct Case
    {
        const char* name;
        QByteArray bytes;
        CsvEncoding encoding;
        QChar separator;
        QStringList headings;
        std::vector<QStringList> rows;
        std::vector<int> lines;
    };
    const std::vector<Case> cases = {
        {"Windows-1252 accents",
            bytesOf("No;Name\r\n7;Jos\xE9 M\xFCller\r\n8;Fran\xE7ois \x80\r\n"),
            CsvEncoding::Windows1252, u';', texts({"No", "Name"}),
            {{u8("7"), u8("José Müller")}, {u8("8"), u8("François €")}}, {2, 3}},
        {"UTF-8 with a byte-order mark", bytesOf("\xEF\xBB\xBFNumber,Name\n9,Zo\xC3\xAB\n"),
            CsvEncoding::Utf8WithBom, u',', texts({"Number", "Name"}), {{u8("9"), u8("Zoë")}}, {2}},
        {"plain ASCII is UTF-8", bytesOf("a\tb\n1\t2"), CsvEncoding::Utf8, u'\t', texts({"a", "b"}),
            {texts({"1", "2"})}, {2}},
        {"semicolons with commas in cells", bytesOf("Name;City\nSmith, J;Leeds, UK\n"),
            CsvEncoding::Utf8, u';', texts({"Name", "City"}), {texts({"Smith, J", "Leeds, UK"})},
            {2}},
        {"quoted separators, quotes and line breaks",
            bytesOf("Name,Other\r\n\"Lee, Ann\",\"said \"\"hi\"\"\r\nthen left\"\r\nBo,x\r\n"),
            CsvEncoding::Utf8, u',', texts({"Name", "Other"}),
            {{u8("Lee, Ann"), u8("said \"hi\"\r\nthen left")}, texts({"Bo", "x"})}, {2, 4}},
        {"ragged rows keep their own length, blank rows are left out",
            bytesOf("a,b,c\n1\n\n,,\n1,2,3,4\r2,3\r"), CsvEncoding::Utf8, u',',
            texts({"a", "b", "c"}), {texts({"1"}), texts({"1", "2", "3", "4"}), texts({"2", "3"})},
            {2, 5, 6}},
        {"text after a closing quote is kept, blanks before an opening one are not",
            bytesOf("a,b,c\n \"x,\"y, \"q\",\"\"\n"), CsvEncoding::Utf8, u',',
            texts({"a", "b", "c"}), {texts({"x,y", "q", ""})}, {2}},
        {"UTF-16 as a spreadsheet's Unicode text",
            QByteArray("\xFF\xFE", 2) + QByteArray("N\0o\0\t\0N\0a\0m\0e\0\n\0001\0\t\0\xE9\0", 22),
            CsvEncoding::Utf16, u'\t', texts({"No", "Name"}), {{u8("1"), u8("é")}}, {2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvSheet sheet = readCsvSheet(c.bytes);
        EXPECT_TRUE(sheet.refusal.isEmpty()) << sheet.refusal.toStdString();
        EXPECT_EQ(sheet.encoding, c.encoding);
        EXPECT_EQ(sheet.separator, c.separator);
        EXPECT_EQ(sheet.headings, c.headings);
        EXPECT_EQ(cellsOf(sheet), c.rows);
        std::vector<int> lines;
        for (const CsvSheet::Row& row : sheet.rows)
            lines.push_back(row.line);
        EXPECT_EQ(lines, c.lines);
    }
}

TEST(CsvSheetReading, FilesThatAreNoSheetAreRefusedWithAReason)
{
    static constexpr char pngStart[] = "\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10";
    const QByteArray png(pngStart, sizeof pngStart - 1);
    QByteArray noise;
    for (int i = 0; i < 256; ++i)
        noise += static_cast<char>((i * 37) % 256);
    const std::vector<std::pair<QByteArray, const char*>> cases = {
        {QByteArray(), "empty"},
        {bytesOf("\xEF\xBB\xBF"), "empty"},
        {bytesOf(" \r\n\r\n"), "empty"},
        {png, "binary"},
        {noise, "binary"},
    };
    for (const auto& [bytes, reason] : cases) {
        const CsvSheet sheet = readCsvSheet(bytes);
        EXPECT_TRUE(sheet.refusal.contains(QLatin1StringView(reason)))
            << sheet.refusal.toStdString();
        EXPECT_TRUE(sheet.rows.isEmpty());
    }
    // A quote never closed swallows the rest of the file: that row is marked, not dropped.
    const CsvSheet open = readCsvSheet(bytesOf("a,b\n1,\"2\n3,4\n"));
    ASSERT_EQ(open.rows.size(), 1);
    EXPECT_TRUE(open.rows[0].fault.contains(u8("line 2")));
}

TEST(ImportColumns, HeadingsAreMatchedByTheirCommonVariants)
{
    using F = ImportField;
    EXPECT_EQ(matchColumns(ImportKind::Roster,
                  texts({"#", "First name", "LAST_NAME", "E-mail", "Tel.", "Post Code", "Notes",
                      "Row", "No"})),
        (QList<F>{F::Number, F::FirstName, F::LastName, F::OtherInfo, F::Phone, F::Zip,
            F::OtherInfo, F::None, F::None}));
    EXPECT_EQ(matchColumns(ImportKind::Roster,
                  texts({"Jersey No.", "Player Name", "Address Line 1", "Address 2", "Town",
                      "Province"})),
        (QList<F>{F::Number, F::Name, F::Address1, F::Address2, F::City, F::State}));
    EXPECT_EQ(matchColumns(ImportKind::Games,
                  texts({"Match Date", "Vs.", "H/A", "Venue", "Competition", "GF", "GA", "Remarks",
                      "Referee"})),
        (QList<F>{F::Date, F::Opponent, F::HomeAway, F::Location, F::GameType, F::GoalsFor,
            F::GoalsAgainst, F::Comment, F::None}));
}

TEST(ImportedDates, TheWaysSpreadsheetsWriteADateBecomeSixDigits)
{
    const std::vector<std::pair<const char*, const char*>> good = {
        {"", "000000"}, {"091502", "091502"}, {"9/15/2002", "091502"}, {"09-15-02", "091502"},
        {"2029-12-31", "123129"}, {"1930-01-02", "010230"}, {"2024-02-29T00:00:00", "022924"},
        {"15.09.2002", "091502"},
        {"2/29/2023", "022923"}, // the game screen lets 29 February pass in every year
    };
    for (const auto& [text, stored] : good) {
        const ImportedDate date = importedGameDate(u8(text));
        EXPECT_EQ(date.storedText(), u8(stored)) << text;
        EXPECT_TRUE(date.error.isEmpty()) << text << ": " << date.error.toStdString();
    }
    for (const char* bad : {"2/30/2024", "13/01/2024", "4/31/24", "2035-01-01", "1929-12-31",
             "tomorrow", "00/00/00", "1/2", "12345"}) {
        const ImportedDate date = importedGameDate(u8(bad));
        EXPECT_FALSE(date.error.isEmpty()) << bad;
        EXPECT_TRUE(date.error.contains(u8(bad))) << bad;
    }
    EXPECT_LT(dateOrderKey("123199"), dateOrderKey("010100"));
    EXPECT_LT(dateOrderKey("010100"), dateOrderKey("000000"));
}

TEST(SpreadsheetRoster, EveryRowIsShownWithItsProblems)
{
    ImportTeam t(nameBytes(10, "Ann Lee") + nameBytes(11, "Bea"));
    const auto plan = t.roster(bytesOf("No,First name,Last name,Phone,State\n"
                                       "5,Cy,Doe,555-1,CA\n"
                                       "0,Di,,,\n"
                                       "100,Ed,,,\n"
                                       "x7,Flo,,,\n"
                                       ",Gus,,,\n"
                                       "5,Hal,,,\n"
                                       "6,,,,\n"
                                       "7.0,Maximilian Alexander,Longname,,California\n"
                                       "8,Ann,Lee,,\n"
                                       "9,Zo\xC5\x82ta,,,\n"));
    const std::vector<ImportRow>& rows = plan->rows();
    ASSERT_EQ(rows.size(), 10u);
    struct Expect
    {
        bool problem;
        const char* issue; // part of the issues' text
        const char* number;
        const char* name;
    };
    const std::vector<Expect> want = {
        {false, "", "5", "Cy Doe"},
        {true, "number 0 is outside 1 to 99", "", "Di"},
        {true, "number 100 is outside 1 to 99", "", "Ed"},
        {true, "\"x7\" is not a number", "", "Flo"},
        {true, "no player number", "", "Gus"},
        {true, "number 5 is also on line 2", "5", "Hal"},
        {true, "no player name", "6", ""},
        {false, "Name is cut to 17 characters: \"der Longname\"", "7", "Maximilian Alexan"},
        {false, "Ann Lee is also number 10", "8", "Ann Lee"},
        {false, "\"\xC5\x82\" cannot be stored", "9", "Zo?ta"},
    };
    for (std::size_t r = 0; r < want.size(); ++r) {
        SCOPED_TRACE(r + 2);
        EXPECT_EQ(rows[r].hasProblem(), want[r].problem) << issuesOf(rows[r]).toStdString();
        EXPECT_TRUE(issuesOf(rows[r]).contains(u8(want[r].issue)))
            << issuesOf(rows[r]).toStdString();
        EXPECT_EQ(plan->cells(r)[0], u8(want[r].number));
        EXPECT_EQ(plan->cells(r)[1], u8(want[r].name));
        EXPECT_FALSE(rows[r].conflict);
    }
    EXPECT_TRUE(issuesOf(rows[7]).contains(u8("State is cut to 5 characters")));
    // A line break inside a quoted cell is kept as a blank, and said so.
    const auto broken = t.roster(bytesOf("No,Name,Notes\n4,Al,\"left\r\nfoot\"\n"));
    EXPECT_EQ(broken->cells(0)[8], u8("left foot"));
    EXPECT_TRUE(
        issuesOf(broken->rows()[0]).contains(u8("line breaks and tabs are stored as blanks")));
    EXPECT_EQ(plan->cells(7)[6], u8("Calif"));
    const ImportSummary summary = plan->summary();
    EXPECT_EQ(summary.stored, 4);
    EXPECT_EQ(summary.problems, 6);
}

TEST(SpreadsheetRoster, ConflictsAreReplacedAddedOrSkippedAsChosen)
{
    ImportTeam t(nameBytes(1, "Free Up") + nameBytes(10, "Ann") + nameBytes(11, "Bea"),
        InfoBytes{10, "555-0100", "1 Main St", "", "Leeds"}.bytes());
    const auto plan = t.roster(bytesOf("Number,Name,Phone\n10,Ann Lee,555-9\n11,Bo,\n12,Cy,\n"));
    const std::vector<ImportRow>& rows = plan->rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_TRUE(rows[0].conflict);
    EXPECT_EQ(rows[0].conflictText, u8("number 10 is already Ann"));
    EXPECT_EQ(rows[0].choice, ConflictChoice::Skip); // nothing of the team is lost unasked
    EXPECT_FALSE(rows[2].conflict);
    EXPECT_EQ(plan->summary().stored, 1);

    plan->choose(0, ConflictChoice::Replace);
    plan->choose(1, ConflictChoice::Add);
    // The lowest number nobody holds, the file's own numbers counted.
    EXPECT_EQ(plan->cells(1)[0], u8("2"));
    ASSERT_TRUE(plan->write(t.state));

    // Replace keeps the fields the file has no column for: the address and city of number 10.
    EXPECT_EQ(t.readData("KVPN1.DAT"),
        nameBytes(1, "Free Up") + nameBytes(2, "Bo") + nameBytes(10, "Ann Lee")
            + nameBytes(11, "Bea") + nameBytes(12, "Cy"));
    EXPECT_EQ(t.readData("KVPI1.DAT"), (InfoBytes{10, "555-9", "1 Main St", "", "Leeds"}.bytes()));
    EXPECT_FALSE(t.state.roster.free[2]);
    EXPECT_EQ(t.state.roster.names[12], u8("Cy").leftJustified(17));
}

TEST(SpreadsheetRoster, AddingWhenNoNumberIsFreeIsAProblem)
{
    QByteArray full;
    for (int n = 1; n <= 99; ++n)
        full += nameBytes(n, "Someone");
    ImportTeam t(full);
    const auto plan = t.roster(bytesOf("No,Name\n5,Extra\n"));
    plan->chooseForEveryConflict(ConflictChoice::Add);
    EXPECT_TRUE(plan->rows()[0].hasProblem());
    plan->chooseForEveryConflict(ConflictChoice::Replace);
    EXPECT_FALSE(plan->rows()[0].hasProblem());
    EXPECT_EQ(plan->summary().replaced, 1);
}

// The roster as the program exports it comes back byte for byte into an empty team.
TEST(SpreadsheetRoster, AnExportedRosterReadsBackIntoTheSameFiles)
{
    const QMap<QString, QByteArray> league = SampleLeague::files();
    for (int slot = 1; slot <= SampleLeague::TeamCount; ++slot) {
        SCOPED_TRACE(slot);
        const QString roster = QStringLiteral("KVPN%1.DAT").arg(slot);
        const QString contacts = QStringLiteral("KVPI%1.DAT").arg(slot);
        TempState source;
        for (auto it = league.begin(); it != league.end(); ++it)
            writeWholeFile(source.state.settings.dataFolder + it.key(), it.value());
        chooseTeam(source.state, slot);
        const QByteArray csv
            = tableAsCsv(rosterExportTable(source.state, readPlayerContacts(source.state.files)));

        TempState target;
        writeWholeFile(target.state.settings.dataFolder + QStringLiteral("KVTEAMS.DAT"),
            league.value(QStringLiteral("KVTEAMS.DAT")));
        chooseTeam(target.state, slot);
        const CsvSheet sheet = readCsvSheet(csv);
        const auto plan = RosterImport::forTeam(
            target.state, sheet, matchColumns(ImportKind::Roster, sheet.headings));
        EXPECT_EQ(plan->summary().problems, 0);
        ASSERT_TRUE(plan->write(target.state));
        const QString folder = target.state.settings.dataFolder;
        EXPECT_FALSE(league.value(roster).isEmpty());
        EXPECT_EQ(readWholeFile(folder + roster), league.value(roster));
        EXPECT_EQ(readWholeFile(folder + contacts), league.value(contacts));
    }
}

TEST(SpreadsheetGames, GamesAreAppendedInDateOrderNumberedOnFromTheLastGame)
{
    // Two active games and a deleted one: Add Game would number the next game 3.
    ImportTeam t({}, {},
        join({GameBytes{.number = 1}.bytes(), GameBytes{.number = 1, .status = 'D'}.bytes(),
            GameBytes{.number = 2, .date = "092202"}.bytes()}));
    const QByteArray before = t.readData("KVGS1.DAT");
    const auto plan = t.games(bytesOf("Date,Opponent,Home/Away,Location,Type,GF,GA,Comment\n"
                                      "10/20/2002,City,Away,North Park,cup,2,1,late goal\n"
                                      ",Unknown Date,,,,,,\n"
                                      "2002-10-06,Town,H,Home Field,3,0,0,\n"));
    const std::vector<ImportRow>& rows = plan->rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(plan->cells(0),
        texts({"4", "10/20/02", "City", "Away", "North Park", "Cup", "2", "1", "late goal"}));
    EXPECT_EQ(plan->cells(1)[0], u8("5")); // no date: after the dated games
    EXPECT_EQ(plan->cells(2)[0], u8("3"));
    ASSERT_TRUE(plan->write(t.state));
    EXPECT_EQ(t.readData("KVGS1.DAT"),
        before
            + join({GameBytes{.number = 3,
                        .date = "100602",
                        .location = "Home Field",
                        .opponent = "Town",
                        .type = '3'}
                        .bytes(),
                GameBytes{.number = 4,
                    .date = "102002",
                    .location = "North Park",
                    .opponent = "City",
                    .goalsFor = 2,
                    .goalsAgainst = 1,
                    .comment = "late goal",
                    .type = '2',
                    .home = '2'}
                    .bytes(),
                GameBytes{.number = 5,
                    .date = "000000",
                    .location = "",
                    .opponent = "Unknown Date",
                    .home = '2'}
                    .bytes()}));
    EXPECT_EQ(t.readData("KVPS1.DAT"), QByteArray()); // no player figures
}

TEST(SpreadsheetGames, BadCellsAreProblemsAndDuplicatesConflicts)
{
    ImportTeam t({}, {},
        join({GameBytes{.number = 1, .opponent = "Rovers", .type = '1'}.bytes(),
            GameBytes{.number = 2, .date = "092202", .opponent = "Other"}.bytes()}),
        join({statBytes(1, 10), statBytes(2, 10)}));
    const auto plan = t.games(bytesOf("Date;Opponent;Home;Type;Goals For;Goals Against\n"
                                      "9/15/02;rovers;home;Friendly;4;0\n"
                                      "2/30/02;A;home;;;\n"
                                      "3/1/02;B;maybe;;;\n"
                                      "3/2/02;C;;Playoffs;;\n"
                                      "3/3/02;D;;;1000;-1\n"
                                      "3/4/02;E;;;;\n"
                                      "3/4/02;e;;;;\n"));
    const std::vector<ImportRow>& rows = plan->rows();
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_TRUE(rows[0].conflict);
    EXPECT_EQ(rows[0].conflictText, u8("same date and opponent as game 1"));
    const std::vector<const char*> problems = {"", "\"2/30/02\" is not a real day",
        "\"maybe\" is neither home nor away", "\"Playoffs\" is not one of the game types",
        "goals for \"1000\"", "", "same date and opponent as line 7"};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        EXPECT_EQ(rows[r].hasProblem(), problems[r][0] != '\0') << r;
        EXPECT_TRUE(issuesOf(rows[r]).contains(u8(problems[r]))) << issuesOf(rows[r]).toStdString();
    }
    EXPECT_TRUE(issuesOf(rows[4]).contains(u8("goals against \"-1\"")));
    const auto numbers = t.games(bytesOf("Date,Opponent,Goals For,Goals Against\n"
                                         "3/5/02,F,007,+3\n3/6/02,G,999, 12 \n"));
    EXPECT_TRUE(issuesOf(numbers->rows()[0]).contains(u8("goals against \"+3\"")));
    EXPECT_EQ(numbers->cells(0)[6], u8("7"));
    EXPECT_EQ(numbers->cells(1)[6] + u' ' + numbers->cells(1)[7], u8("999 12"));

    // Replace writes over game 1 in place: its number and figures stay, the figures' copied
    // game type follows the game.
    plan->choose(0, ConflictChoice::Replace);
    EXPECT_EQ(plan->cells(0)[0], u8("1"));
    EXPECT_EQ(plan->cells(5)[0], u8("3"));
    ASSERT_TRUE(plan->write(t.state));
    EXPECT_EQ(t.readData("KVGS1.DAT"),
        join({GameBytes{.number = 1, .opponent = "rovers", .goalsFor = 4, .type = '3'}.bytes(),
            GameBytes{.number = 2, .date = "092202", .opponent = "Other"}.bytes(),
            GameBytes{.number = 3, .date = "030402", .location = "", .opponent = "E", .home = '2'}
                .bytes()}));
    EXPECT_EQ(t.readData("KVPS1.DAT"), join({statBytes(1, 10, 'A', '3'), statBytes(2, 10)}));
}

TEST(SpreadsheetGames, AddingADuplicateAppendsAnotherGame)
{
    ImportTeam t({}, {}, GameBytes{.number = 1}.bytes());
    const auto plan = t.games(bytesOf("Date,Opponent\n091502,Rovers\n"));
    plan->chooseForEveryConflict(ConflictChoice::Add);
    ASSERT_TRUE(plan->write(t.state));
    EXPECT_EQ(t.state.files.recordCount(FileGames), 2);
    plan->chooseForEveryConflict(ConflictChoice::Skip);
    EXPECT_EQ(plan->summary().stored, 0);
    EXPECT_EQ(plan->summary().skipped, 1);
}

// A kill at any moment of an import that appends many games and replaces one (games and results
// change together) leaves the folder as it was before or as it is after, once start-up has
// settled what the kill left.
TEST(ImportSafety, AKillAtAnyMomentLeavesTheFilesBeforeOrAfter)
{
    QByteArray csv("Date,Opponent,Type\n09/15/02,Rovers,3\n");
    for (int i = 0; i < 3000; ++i)
        csv += QByteArray("1/") + QByteArray::number(1 + i % 28) + "/03,Team "
            + QByteArray::number(i) + ",2\n";
    const auto runImport = [&](TeamFolder& t) {
        const CsvSheet sheet = readCsvSheet(csv);
        const auto plan
            = GameImport::forTeam(t.state, sheet, matchColumns(ImportKind::Games, sheet.headings));
        plan->chooseForEveryConflict(ConflictChoice::Replace);
        return plan->write(t.state);
    };
    FolderSnapshot before;
    FolderSnapshot after;
    {
        TeamFolder clean;
        before = clean.snapshot();
        ASSERT_TRUE(runImport(clean));
        after = clean.snapshot();
    }
    ASSERT_NE(
        before.at(QStringLiteral("data/KVPS1.DAT")), after.at(QStringLiteral("data/KVPS1.DAT")));
    const auto inChild = [&](TeamFolder& t) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            runImport(t);
            ::_exit(0);
        }
        return pid;
    };
    int spanMicros = 0;
    {
        TeamFolder warm;
        const auto start = std::chrono::steady_clock::now();
        int status = 0;
        ::waitpid(inChild(warm), &status, 0);
        spanMicros = static_cast<int>(std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start)
                                          .count());
    }
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> moment(0, std::max(spanMicros, 1000));
    for (int round = 0; round < 12; ++round) {
        TeamFolder t;
        const pid_t child = inChild(t);
        killAndRecover(child, moment(random), t.state.settings.dataFolder);
        const FolderSnapshot now = t.snapshot();
        EXPECT_TRUE(now == before || now == after) << "round " << round;
    }
}
