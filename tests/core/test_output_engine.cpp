// The output engine: the text file's line rules, append and replace, the choice of destination
// at every call, and the Retry/Cancel handling of output errors.
#include "TestSupport.h"

#include "core/output/OutputEngine.h"
#include "core/output/TextFileOutput.h"
#include "core/text/TextCodec.h"

#include <QDir>

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
    void setFont(int size, bool bold) override
    {
        calls << QStringLiteral("font:%1").arg(size) + (bold ? QStringLiteral("b") : QString());
    }
    void centreNextLine(const QString& text) override { calls << QStringLiteral("centre:") + text; }
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

TEST(OutputFile, TrimsTrailingBlanksKeepsLeadingAndEndsLinesWithCrLf)
{
    EngineFixture f;
    f.t.state.printJob.outputFile = f.file();
    f.print({QStringLiteral("  Roster   "), QString(), QStringLiteral("   "),
        QStringLiteral("caf\u00e9 \u00bd"), QStringLiteral("\f"), QStringLiteral("\f ")});
    EXPECT_EQ(
        readWholeFile(f.file()), QByteArray("  Roster\r\n\r\n\r\ncaf\xe9 \xbd\r\n\f\r\n\f\r\n"));
    EXPECT_TRUE(f.printer.calls.isEmpty());
}

TEST(OutputFile, ReplaceEmptiesTheFileAndAppendKeepsBothReports)
{
    EngineFixture f;
    f.t.state.printJob.outputFile = f.file();
    writeWholeFile(f.file(), QByteArray("old contents that are longer\r\n"));
    f.t.state.printJob.append = false;
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

TEST(OutputEngine, ChoosesTheDestinationAtEveryCall)
{
    EngineFixture f;
    f.t.state.settings.titleFontSize = 1; // below 2: printed at 12
    f.t.state.settings.titleBold = true;
    f.t.state.settings.reportFontSize = 9;
    f.engine.open();
    f.engine.setPrintFont(PrintFont::Title);
    f.engine.centreNextLine(QStringLiteral("T"));
    f.engine.writeLine(QStringLiteral("T  "));
    f.engine.setPrintFont(PrintFont::Body);
    f.engine.writeLine(QStringLiteral("\f"));
    f.engine.close();
    EXPECT_EQ(f.printer.calls,
        QStringList({QStringLiteral("open"), QStringLiteral("font:12b"), QStringLiteral("centre:T"),
            QStringLiteral("line:T  "), QStringLiteral("font:9"), QStringLiteral("line:\f"),
            QStringLiteral("close")}));
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
    int opens = 0;
    class Recovering : public RecordingDevice
    {
    public:
        int* opens = nullptr;
        QString open() override
        {
            return ++*opens < 3 ? QStringLiteral("Printer not ready") : QString();
        }
    } recovering;
    recovering.opens = &opens;
    f.engine.setPrinter(&recovering);
    f.engine.open();
    EXPECT_EQ(opens, 3);
    EXPECT_EQ(f.questions,
        QStringList({QStringLiteral("Printer not ready"), QStringLiteral("Printer not ready")}));
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
