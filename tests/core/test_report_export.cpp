// Reports as tables: the CSV reader the export tests rely on, what a CSV file holds whatever its
// cells hold, the short game scores, a file written whole or not at all, and the HTML page.
#include "CsvReader.h"
#include "GameBytes.h"

#include "core/output/TableExport.h"
#include "core/reports/GameScoresReport.h"
#include "core/store/GameRecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

ExportTable sample()
{
    ExportTable t;
    t.title = QStringLiteral("Scoring <Fall>");
    t.team = QStringLiteral("Riverside Rovers");
    t.headings = {QStringLiteral("Player"), QStringLiteral("GS"), QStringLiteral("SOG%")};
    t.numericColumns = {1, 2};
    t.rows = {{ExportTable::RowKind::Totals,
                  {QStringLiteral("Team Totals"), QStringLiteral("12"), QStringLiteral("0.5")}},
        {ExportTable::RowKind::Body,
            {QStringLiteral("Dubois, \"Ren\u00e9\""), QStringLiteral("7"),
                QStringLiteral("0.4375")}},
        {ExportTable::RowKind::Body,
            {QStringLiteral("Two\nLines"), QStringLiteral("5"), QStringLiteral("1")}}};
    return t;
}

} // namespace

TEST(CsvReader, ReadsQuotedFieldsAndRefusesBrokenOnes)
{
    const CsvRead good = readCsv("a,\"b,c\",\"say \"\"hi\"\"\",\"two\r\nlines\",\r\n,,\r\n");
    ASSERT_TRUE(good.ok);
    ASSERT_EQ(good.records.size(), 2);
    EXPECT_EQ(good.records[0],
        (QStringList{QStringLiteral("a"), QStringLiteral("b,c"), QStringLiteral("say \"hi\""),
            QStringLiteral("two\r\nlines"), QString()}));
    EXPECT_EQ(good.records[1], QStringList(3, QString()));
    EXPECT_FALSE(readCsv("a,b\n").ok);      // LF alone ends no record
    EXPECT_FALSE(readCsv("a,b\"c\r\n").ok); // bare quote in a plain field
    EXPECT_FALSE(readCsv("\"a\"b\r\n").ok); // text after the closing quote
    EXPECT_FALSE(readCsv("\"open\r\n").ok); // quote never closed
    EXPECT_FALSE(readCsv("last,without,end").ok);
}

TEST(TableExport, CsvCellsSurviveWhateverTheyHold)
{
    ExportTable table;
    table.title = QStringLiteral("Roster");
    table.headings = {QStringLiteral("Name"), QStringLiteral("Other Information")};
    const QStringList awkward
        = {QStringLiteral("O'Neil, \"Rocket\" Jr."), QStringLiteral("line one\nline two"),
            QStringLiteral("Zoë Müller"), QString(), QStringLiteral(" leading blank")};
    for (const QString& cell : awkward)
        table.rows.append({ExportTable::RowKind::Body, {cell, cell}});
    table.rows.append({ExportTable::RowKind::Totals, {QStringLiteral("Totals"), QString()}});

    const CsvRead read = readCsv(tableAsCsv(table));
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.records.size(), 1 + awkward.size() + 1);
    EXPECT_EQ(read.records[0], (QStringList{QStringLiteral("Row")} + table.headings));
    for (qsizetype r = 0; r < awkward.size(); ++r)
        EXPECT_EQ(read.records[r + 1], (QStringList{QString(), awkward[r], awkward[r]}));
    EXPECT_EQ(read.records.last().first(), QStringLiteral("Totals"));
}

TEST(TableExport, ShortScoresKeepTheShortLinesColumns)
{
    GameTypeNameTable types;
    types[2] = QStringLiteral("Cup       ");
    const GameScoresReport report({GameRecord::decode(GameBytes{.number = 3,
                                      .location = "Oak Park",
                                      .opponent = "Dover, United",
                                      .goalsFor = 4,
                                      .goalsAgainst = 1,
                                      .comment = "Rain",
                                      .type = '2',
                                      .home = '2'}
                                                          .bytes())},
        QStringLiteral("Harbor FC"), types);
    const ExportTable longForm = report.exportTable(QStringLiteral("Game Scores"));
    EXPECT_EQ(longForm.rows[0].cells,
        (QStringList{QStringLiteral("3"), QStringLiteral("09/15/02"), QStringLiteral("Cup"),
            QStringLiteral("Dover, United"), QStringLiteral("Away"), QStringLiteral("4"),
            QStringLiteral("1"), QStringLiteral("Won"), QStringLiteral("Oak Park"),
            QStringLiteral("Rain")}));
    const ExportTable shortForm
        = report.exportTable(QStringLiteral("Game Scores"), ScoresForm::Short);
    EXPECT_EQ(shortForm.headings,
        (QStringList{QStringLiteral("Game"), QStringLiteral("Date"), QStringLiteral("Game Type"),
            QStringLiteral("Opponent"), QStringLiteral("GF"), QStringLiteral("GA"),
            QStringLiteral("Result")}));
    EXPECT_EQ(shortForm.rows[0].cells,
        (QStringList{QStringLiteral("3"), QStringLiteral("09/15/02"), QStringLiteral("Cup"),
            QStringLiteral("Dover, United"), QStringLiteral("4"), QStringLiteral("1"),
            QStringLiteral("Won")}));
    // The goals stay the numbers a page right-aligns.
    EXPECT_EQ(shortForm.numericColumns, (QList<int>{0, 4, 5}));
}

TEST(TableExport, FileIsWrittenWholeOrNotAtAll)
{
    QTemporaryDir dir;
    ExportTable table;
    table.headings = {QStringLiteral("A")};
    table.rows.append({ExportTable::RowKind::Body, {QStringLiteral("1")}});
    const QString path = dir.filePath(QStringLiteral("report.csv"));
    ASSERT_TRUE(writeExportFile(path, table, ExportFormat::Csv).isEmpty());
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("Row,A\r\n,1\r\n"));

    // A folder that is not there: an error, and nothing left behind anywhere.
    const QString missing = dir.filePath(QStringLiteral("gone/report.html"));
    EXPECT_FALSE(writeExportFile(missing, table, ExportFormat::Html).isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList{QStringLiteral("report.csv")});
}

TEST(TableExport, HtmlIsOneEscapedPageThatFetchesNothing)
{
    const QString page = QString::fromUtf8(tableAsHtml(sample()));
    EXPECT_TRUE(page.startsWith(QStringLiteral("<!DOCTYPE html>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<title>Scoring &lt;Fall&gt;</title>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<p class=\"team\">Riverside Rovers</p>")));
    EXPECT_TRUE(page.contains(
        QStringLiteral("<tr class=\"totals\"><td>Team Totals</td><td class=\"n\">12</td>")));
    EXPECT_TRUE(page.contains(QStringLiteral("Dubois, &quot;Ren\u00e9&quot;")));
    EXPECT_TRUE(page.contains(QStringLiteral("@media print")));
    for (const char* fetch : {"src=", "href=", "@import", "url(", "http:", "https:"})
        EXPECT_FALSE(page.contains(QLatin1String(fetch))) << fetch;
}
