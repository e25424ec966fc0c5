// Workbooks read back the way a spreadsheet program reads them (openpyxl): sheet names, what
// each cell holds (number, text or date), the percent format, frozen panes, and that a file is
// written whole or not at all. The season workbook over the sample league.
#include "TestSupport.h"
#include "WorkbookReader.h"

#include "core/output/SeasonWorkbook.h"
#include "core/state/DefaultSettings.h"
#include "core/state/Settings.h"
#include "core/store/TeamList.h"
#include "core/teams/SampleLeague.h"
#include "workbook/SheetNames.h"
#include "workbook/WorkbookFile.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

QString sheetPath(const QTemporaryDir& dir, const char* name = "book.xlsx")
{
    return dir.filePath(QString::fromLatin1(name));
}

// A player statistics table as the report makes one, with a percentage out of 100, a
// winning-percentage-like fraction, a date column, a totals label in a numeric column and an
// empty numeric cell.
ExportTable mixedTable()
{
    ExportTable t;
    t.title = QStringLiteral("Spring & Fall");
    t.team = QStringLiteral("Lions");
    t.caption = QStringLiteral("2 Player(s) not listed");
    t.headings = texts({"Game", "Date", "Player", "G", "QS%", "Pct"});
    t.numericColumns = {0, 3, 4, 5};
    t.percentColumns = {{4, 100}, {5, 1}};
    t.dateColumns = {1};
    t.rows = {{ExportTable::RowKind::Body, texts({"1", "01/15/05", "Ana", "3", "45.5", "0.667"})},
        {ExportTable::RowKind::Body, texts({"2", "12/01/30", "Bo", "", "8.2", "1.000"})},
        {ExportTable::RowKind::Body,
            {QStringLiteral("3"), QStringLiteral("02/30/99"), QString::fromUtf8("Zoë Ñ"),
                QStringLiteral("12"), QStringLiteral("100.0"), QStringLiteral("0.500")}},
        {ExportTable::RowKind::Totals, texts({"Totals", "", "", "15", "38.9", "0.722"})}};
    return t;
}

} // namespace

TEST(SheetNames, AreValidUniqueAndAtMostThirtyOneCharacters)
{
    struct Case
    {
        const char* wanted;
        QStringList taken;
        const char* expected;
    };
    const Case cases[] = {
        {"Roster", {}, "Roster"},
        {"A/B: [1]*?\\x", {}, "A B 1 x"},
        {"'Quoted'", {}, "Quoted"},
        {"  ", {}, "Sheet"},
        {"Roster", {QStringLiteral("ROSTER")}, "Roster (2)"},
        {"Roster", {QStringLiteral("Roster"), QStringLiteral("Roster (2)")}, "Roster (3)"},
        {"Player Statistics of the Lions FC!!", {}, "Player Statistics of the Lions"},
        {"Player Statistics of the Lions FC!!", {QStringLiteral("Player Statistics of the Lions")},
            "Player Statistics of the Li (2)"},
    };
    for (const Case& c : cases) {
        const QString name = uniqueSheetName(QString::fromUtf8(c.wanted), c.taken);
        EXPECT_EQ(name, QString::fromUtf8(c.expected)) << c.wanted;
        EXPECT_LE(name.size(), SheetNameLength) << c.wanted;
    }
    // A character of two code units at the cut is left out whole, not halved.
    const QString emoji = QString(30, u'x') + QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(uniqueSheetName(emoji, {}), QString(30, u'x'));
}

TEST(TableWorkbook, StoresNumbersPercentagesAndDatesAsASpreadsheetReadsThem)
{
    QTemporaryDir dir;
    const QString path = sheetPath(dir);
    ASSERT_EQ(writeTableWorkbook(path, mixedTable()), QString());
    const WorkbookRead book = readWorkbook(path);
    ASSERT_EQ(book.names(), QStringList{QStringLiteral("Spring & Fall")});
    EXPECT_EQ(book.title, QStringLiteral("Spring & Fall"));
    const SheetRead& s = book.sheets[0];
    EXPECT_EQ(s.freeze, QStringLiteral("B2")); // the header row and the first column
    EXPECT_EQ(s.rowTexts(0, 6), texts({"Game", "Date", "Player", "G", "QS%", "Pct"}));
    for (int c = 0; c < 6; ++c)
        EXPECT_TRUE(s.at(0, c).bold && s.at(0, c).type == 's') << c;

    struct Expected
    {
        int row, column;
        char type;
        double number;
        const char* text;
        const char* format;
    };
    const Expected cells[] = {
        {1, 0, 'n', 1, "", "General"},
        {1, 1, 'd', 0, "2005-01-15", "mm/dd/yyyy"},
        {1, 2, 's', 0, "Ana", "General"},
        {1, 3, 'n', 3, "", "General"},
        {1, 4, 'n', 0.455, "", "0.0%"},             // 45.5 out of 100
        {1, 5, 'n', 0.667, "", "0.0%"},             // a fraction already
        {2, 1, 'd', 0, "1930-12-01", "mm/dd/yyyy"}, // year 30 is in the 1900s
        {2, 4, 'n', 0.082, "", "0.0%"},
        {3, 1, 's', 0, "02/30/99", "General"}, // no such day: kept as written
        {3, 2, 's', 0, "Zoë Ñ", "General"},
        {3, 4, 'n', 1, "", "0.0%"},
        {4, 0, 's', 0, "Totals", "General"},
        {4, 3, 'n', 15, "", "General"},
        {4, 5, 'n', 0.722, "", "0.0%"},
    };
    for (const Expected& e : cells) {
        const CellRead cell = s.at(e.row, e.column);
        EXPECT_EQ(cell.type, e.type) << e.row << "," << e.column;
        if (e.type == 'n')
            EXPECT_NEAR(cell.number, e.number, 1e-9) << e.row << "," << e.column;
        else
            EXPECT_EQ(cell.text, QString::fromUtf8(e.text)) << e.row << "," << e.column;
        EXPECT_EQ(cell.format, QString::fromLatin1(e.format)) << e.row << "," << e.column;
    }
    EXPECT_EQ(s.at(2, 4).number, 0.082); // the number as typed, not a division's last bit off
    EXPECT_FALSE(s.has(2, 3));           // an empty figure stays an empty cell
    EXPECT_TRUE(s.at(4, 3).bold);
    EXPECT_FALSE(s.at(3, 3).bold);
    EXPECT_EQ(s.at(6, 0).text, QStringLiteral("2 Player(s) not listed")); // under the table
    EXPECT_EQ(s.rowCount(), 7);
}

TEST(TableWorkbook, IsWrittenWholeOrNotAtAll)
{
    QTemporaryDir dir;
    const QString path = sheetPath(dir);
    writeWholeFile(path, QByteArray("an earlier file"));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    // A replaced file takes the new workbook and keeps its permissions; nothing else is left.
    ASSERT_EQ(writeTableWorkbook(path, mixedTable()), QString());
    EXPECT_EQ(readWorkbook(path).sheets.size(), 1);
    const QFileDevice::Permissions kept = QFile::permissions(path);
    EXPECT_TRUE(kept.testFlag(QFileDevice::WriteOwner));
    EXPECT_FALSE(kept.testFlag(QFileDevice::ReadGroup) || kept.testFlag(QFileDevice::ReadOther));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), texts({"book.xlsx"}));

    // Faults are told, and whatever was there stays.
    const QByteArray before = readWholeFile(path);
    EXPECT_FALSE(writeTableWorkbook(dir.filePath(QStringLiteral("missing/book.xlsx")), mixedTable())
                     .isEmpty());
    QDir().mkpath(dir.filePath(QStringLiteral("folder.xlsx")));
    EXPECT_FALSE(
        writeTableWorkbook(dir.filePath(QStringLiteral("folder.xlsx")), mixedTable()).isEmpty());
    EXPECT_EQ(readWholeFile(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), texts({"book.xlsx"}));
}

namespace {

// The sample league in a fresh data folder with the installed default settings, as the program
// has it after start-up.
struct LeagueState : TempState
{
    LeagueState()
    {
        QString error;
        if (!SampleLeague::write(state.settings.dataFolder, &error)
            || !supplyDefaultSettings(state.settings.settingsFolder, state.settings.dataFolder)
                    .isEmpty())
            throw std::runtime_error("cannot write the sample league");
        Settings::load(state);
        checkAndLoadTeamList(state.files, state.teamChoice.names, state.teamChoice.shortNames);
    }
    void choose(std::initializer_list<int> slots)
    {
        TeamLines lines{};
        for (int slot : slots)
            lines[static_cast<std::size_t>(slot - 1)] = true;
        takeTeamSelection(state, lines);
    }
};

QStringList sheetNames(const QList<NamedTable>& sheets)
{
    QStringList names;
    for (const NamedTable& sheet : sheets)
        names << sheet.name;
    return names;
}

// A team's five sheet names, each starting with `prefix`.
QStringList teamSheets(const QString& prefix)
{
    QStringList names;
    for (const char* sheet : {"Roster", "Games", "Player Statistics", "Record", "Game Scores"})
        names << prefix + QString::fromLatin1(sheet);
    return names;
}

} // namespace

TEST(SeasonWorkbook, HoldsEachTeamsFiveSheetsOverEveryGameAndKeepsTheStateInUse)
{
    LeagueState league;
    league.choose({2});
    EXPECT_EQ(sheetNames(seasonWorkbookTables(league.state)), teamSheets(QString()));

    league.choose({1, 3});
    league.state.reportSelection.fromGame = 4;
    league.state.printJob.title = QStringLiteral("Mine");
    league.state.currentGame.number = 7;
    const QList<NamedTable> sheets = seasonWorkbookTables(league.state);
    const QString first = league.state.teamChoice.shortNames[1].trimmed() + u' ';
    const QString third = league.state.teamChoice.shortNames[3].trimmed() + u' ';
    EXPECT_EQ(sheetNames(sheets), teamSheets(first) + teamSheets(third));
    for (int sheet = 0; sheet < sheets.size(); ++sheet) {
        const int slot = sheet < 5 ? 1 : 3; // each sheet is about its own team
        EXPECT_EQ(sheets[sheet].table.team, league.state.teamChoice.names[slot].trimmed()) << sheet;
    }
    // Every game, whatever the report selection held; dates typed as dates.
    EXPECT_EQ(sheets[6].table.rows.size(), SampleLeague::GamesPerTeam);
    EXPECT_EQ(sheets[9].table.rows.size(), SampleLeague::GamesPerTeam);
    EXPECT_EQ(sheets[6].table.dateColumns, QList<int>{1});

    EXPECT_TRUE(league.state.teamChoice.selected[1] && league.state.teamChoice.selected[3]);
    EXPECT_EQ(league.state.teamChoice.count, 2);
    EXPECT_EQ(league.state.teamChoice.currentSlot, 1);
    EXPECT_EQ(league.state.reportSelection.fromGame, 4);
    EXPECT_EQ(league.state.printJob.title, QStringLiteral("Mine"));
    EXPECT_EQ(league.state.currentGame.number, 7);
}
