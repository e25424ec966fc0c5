// --format xlsx: every report kind as a workbook holding the same rows as its CSV, with numbers,
// percentages and dates stored as such; to a file or to standard output.
#include "CliSupport.h"
#include "WorkbookReader.h"

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// "2005-01-15" as the CSV writes a game date: "01/15/05".
QString csvDate(const QString& isoDate)
{
    return isoDate.mid(5, 2) + u'/' + isoDate.mid(8, 2) + u'/' + isoDate.mid(2, 2);
}

// Checks the sheet against the CSV of the same report, cell by cell.
void expectSameAsCsv(const SheetRead& sheet, const QByteArray& csv, const std::string& line)
{
    const CsvRead read = readCsv(csv);
    ASSERT_TRUE(read.ok) << line;
    const QList<QStringList>& records = read.records;
    ASSERT_GE(records.size(), 1) << line;
    const QStringList headings = records[0].mid(1); // the CSV's first column marks the totals
    EXPECT_EQ(sheet.rowTexts(0, static_cast<int>(headings.size())), headings) << line;
    EXPECT_EQ(sheet.freeze, QStringLiteral("B2")) << line;
    for (qsizetype r = 1; r < records.size(); ++r) {
        const bool totals = records[r][0] == u"Totals";
        for (qsizetype c = 1; c < records[r].size(); ++c) {
            const QString expected = records[r][c];
            const CellRead cell = sheet.at(static_cast<int>(r), static_cast<int>(c - 1));
            const std::string where
                = line + " row " + std::to_string(r) + " column " + headings[c - 1].toStdString();
            if (expected.isEmpty()) {
                EXPECT_FALSE(sheet.has(static_cast<int>(r), static_cast<int>(c - 1))) << where;
                continue;
            }
            EXPECT_EQ(cell.bold, totals) << where;
            switch (cell.type) {
            case 'n': {
                const bool percent = cell.format == u"0.0%";
                // A winning percentage is a fraction already; a statistic's is out of 100.
                const double whole = !percent ? 1 : (headings[c - 1] == u"Pct" ? 1 : 100);
                EXPECT_NEAR(cell.number * whole, expected.toDouble(), 1e-9) << where;
                EXPECT_TRUE(percent || cell.format == u"General") << where;
                break;
            }
            case 'd':
                EXPECT_EQ(csvDate(cell.text), expected) << where;
                break;
            default:
                EXPECT_EQ(cell.text, expected) << where;
                bool number = false;
                expected.toDouble(&number);
                // A postal code keeps its leading zeros as text; any other number is a number.
                EXPECT_FALSE(number && headings[c - 1] != u"Zip")
                    << where << ": a number stored as text";
            }
        }
    }
    EXPECT_GE(sheet.rowCount(), records.size()) << line;
}

} // namespace

TEST(ReportToolWorkbook, EveryKindHoldsTheRowsOfItsCsvWithTypedCells)
{
    const SampleFolder league;
    const QString file = league.dir.filePath(QStringLiteral("report.xlsx"));
    const QStringList roster = csvLines(league.run("roster --teams 2 --format csv").out);
    ASSERT_GE(roster.size(), 2);
    const QStringList values{file, roster[1].section(u'|', 1, 1)};
    struct Case
    {
        const char* line;
        const char* sheet;
        char dateOrPercent; // a kind of cell the report must hold: 'd' date, '%' percentage
    };
    const Case cases[] = {
        {"roster --teams 2", "Roster", 'n'},
        {"players --teams 1,3", "Player Statistics", 'n'},
        {"players --teams 2 --columns 1,7,8,9,12", "Player Statistics", '%'},
        {"players --teams 2 --individual %2 --columns 1,8", "Player Statistics", '%'},
        {"record --teams 4", "Team Record", '%'},
        {"scores --teams 3", "Game Scores", 'd'},
        {"scores --short --teams 3 --title Away/Home", "Away Home", 'd'},
        {"standings --teams 1,2,3,4", "Team Standings", '%'},
        {"table --teams 1,2,3,4", "League Table", 'n'},
    };
    for (const Case& c : cases) {
        const std::string line = c.line;
        const ToolRun csv = league.run(line + " --format csv", values);
        ASSERT_EQ(csv.code, 0) << line << csv.err.toStdString();
        const ToolRun written = league.run(line + " --format xlsx -o %1", values);
        ASSERT_EQ(written.code, 0) << line << written.err.toStdString();
        EXPECT_TRUE(written.out.isEmpty()) << line;
        const WorkbookRead book = readWorkbook(file);
        ASSERT_EQ(book.names(), QStringList{QString::fromLatin1(c.sheet)}) << line;
        expectSameAsCsv(book.sheets[0], csv.out, line);
        bool found = c.dateOrPercent == 'n';
        for (const CellRead& cell : book.sheets[0].cells)
            found = found || (c.dateOrPercent == 'd' ? cell.type == 'd' : cell.format == u"0.0%");
        EXPECT_TRUE(found) << line;
    }
}

TEST(ReportToolWorkbook, GoesToStandardOutputWhenNoFileIsNamed)
{
    const SampleFolder league;
    const ToolRun run = league.run("record --teams 1 --format xlsx");
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QByteArray("PK\x03\x04", 4)));
    const QString file = league.dir.filePath(QStringLiteral("piped.xlsx"));
    writeWholeFile(file, run.out);
    EXPECT_EQ(readWorkbook(file).names(), QStringList{QStringLiteral("Team Record")});
    EXPECT_EQ(league.run("roster --format xlsx --append").code, 2); // a workbook is always whole
}
