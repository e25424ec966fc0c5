// The output engine: the text file's line rules, append and replace, the Retry/Cancel handling of
// output errors; and reports as tables: what a CSV file holds whatever its cells hold, a file
// written whole or not at all, and the HTML page.
#include "CsvReader.h"
#include "TestSupport.h"

#include "core/output/OutputEngine.h"
#include "core/output/TableExport.h"
#include "core/output/TextFileOutput.h"
#include "core/text/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// A page destination that records what it was asked to do.
class RecordingDevice : public OutputDevice
{
public:
    QStringList calls;
    QString open() override
    {
        calls << QStringLiteral("open");
        return {};
    }
    QString writeLine(const QString& line) override
    {
        calls << QStringLiteral("line:") + line;
        return {};
    }
    QString close() override
    {
        calls << QStringLiteral("close");
        return {};
    }
};

struct EngineFixture
{
    TempState t;
    QStringList questions;
    std::vector<bool> retries; // answers; none left = Cancel
    RecordingDevice printer;
    OutputEngine engine{t.state.printJob, t.state.settings, [this](const QString& error) {
                            questions << error;
                            if (retries.empty())
                                return false;
                            const bool retry = retries.front();
                            retries.erase(retries.begin());
                            return retry;
                        }};

    EngineFixture() { engine.setPrinter(&printer); }
    QString file() const { return t.state.settings.dataFolder + QStringLiteral("REPORT.TXT"); }
    void print(const QStringList& lines)
    {
        engine.open();
        for (const QString& line : lines)
            engine.writeLine(line);
        engine.close();
    }
};

} // namespace

TEST(OutputFile, TrimsTrailingBlanksEndsLinesWithCrLfReplacesOrAppends)
{
    EngineFixture f;
    f.t.state.printJob.outputFile = f.file();
    f.print({QStringLiteral("  Roster   "), QString(), QStringLiteral("   "),
        QStringLiteral("caf\u00e9 \u00bd"), QStringLiteral("\f"), QStringLiteral("\f ")});
    EXPECT_EQ(
        readWholeFile(f.file()), QByteArray("  Roster\r\n\r\n\r\ncaf\xe9 \xbd\r\n\f\r\n\f\r\n"));
    EXPECT_TRUE(f.printer.calls.isEmpty());

    // Replacing empties a longer file; appending keeps both reports.
    writeWholeFile(f.file(), QByteArray("old contents that are longer\r\n"));
    f.print({QStringLiteral("first"), QStringLiteral("\f")});
    EXPECT_EQ(readWholeFile(f.file()), QByteArray("first\r\n\f\r\n"));
    f.t.state.printJob.append = true;
    f.print({QStringLiteral("second"), QStringLiteral("\f")});
    EXPECT_EQ(readWholeFile(f.file()), QByteArray("first\r\n\f\r\nsecond\r\n\f\r\n"));
}

TEST(OutputFile, ABareNameLiesInTheReportFolder)
{
    const QString reports = QStringLiteral("/home/coach/reports");
    EXPECT_EQ(outputFilePath(QStringLiteral(" roster.txt "), reports),
        QStringLiteral("/home/coach/reports/roster.txt"));
    EXPECT_EQ(outputFilePath(QStringLiteral("old/../2025/r.txt"), reports + u'/'),
        QStringLiteral("/home/coach/reports/2025/r.txt"));
    EXPECT_EQ(outputFilePath(QStringLiteral("/tmp/r.txt"), reports), QStringLiteral("/tmp/r.txt"));
    EXPECT_EQ(outputFilePath(QStringLiteral("~/r.txt"), reports),
        QDir::homePath() + QStringLiteral("/r.txt"));
    EXPECT_EQ(outputFilePath(QStringLiteral("  "), reports), QString());
}

TEST(OutputErrors, CancelStopsAndRetryRepeatsTheFailedStep)
{
    EngineFixture f;
    // A folder that does not exist fails at open with the system's text.
    f.t.state.printJob.outputFile = f.t.state.settings.dataFolder + QStringLiteral("missing/R.TXT");
    f.engine.open();
    ASSERT_EQ(f.questions.size(), 1);
    EXPECT_FALSE(f.questions[0].isEmpty());
    EXPECT_TRUE(f.t.state.printJob.stopped);

    // Every call starts by clearing the stopped mark.
    f.t.state.printJob.outputFile.clear();
    f.engine.writeLine(QStringLiteral("x"));
    EXPECT_FALSE(f.t.state.printJob.stopped);

    // A printer that comes ready after the second retry.
    f.retries = {true, true};
    f.questions.clear();
    class Recovering : public RecordingDevice
    {
    public:
        int opens = 0;
        QString open() override
        {
            return ++opens < 3 ? QStringLiteral("Printer not ready") : QString();
        }
    } recovering;
    f.engine.setPrinter(&recovering);
    f.engine.open();
    EXPECT_EQ(recovering.opens, 3);
    EXPECT_EQ(f.questions, texts({"Printer not ready", "Printer not ready"}));
    EXPECT_FALSE(f.t.state.printJob.stopped);
}

// A name with control bytes (here a bell and a terminal's clear-screen sequence) reaches a report
// file with each control byte as "?", so the report cannot drive the terminal that shows it;
// Windows-1252 letters and the page break stay as they are.
TEST(OutputFile, ControlBytesInNamesPrintAsAVisibleStandIn)
{
    const QByteArray stored("Al\x07\x1b[2J Ren\xe9\x81\x7f  ", 15);
    EXPECT_EQ(textFileLine(TextCodec::decode(stored)), QByteArray("Al??[2J Ren\xe9??\r\n"));
    EXPECT_EQ(textFileLine(QStringLiteral("\f")), QByteArray("\f\r\n"));
}

namespace {

ExportTable sample()
{
    ExportTable t;
    t.title = QStringLiteral("Scoring <Fall>");
    t.team = QStringLiteral("Riverside Rovers");
    t.headings = texts({"Player", "GS", "SOG%"});
    t.numericColumns = {1, 2};
    t.rows = {{ExportTable::RowKind::Totals, texts({"Team Totals", "12", "0.5"})},
        {ExportTable::RowKind::Body,
            {QStringLiteral("Dubois, \"Ren\u00e9\""), QStringLiteral("7"),
                QStringLiteral("0.4375")}}};
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
