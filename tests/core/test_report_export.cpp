// Reports as tables: what a CSV file holds whatever its cells hold, a file written whole or not at
// all, and the HTML page.
#include "CsvReader.h"
#include "TestSupport.h"

#include "core/output/TableExport.h"

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
