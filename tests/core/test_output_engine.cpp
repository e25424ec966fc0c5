// The output engine: the text file's line rules, append and replace, the choice of destination
// at every call, and the Retry/Cancel handling of output errors.
#include "TestSupport.h"

#include "core/output/OutputEngine.h"

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
    OutputEngine engine{t.state, [this](const QString& error) {
                            questions << error;
                            if (retries.empty())
                                return false;
                            const bool retry = retries.front();
                            retries.erase(retries.begin());
                            return retry;
                        }};

    EngineFixture() { engine.setPrinter(&printer); }
    QString file() const { return t.state.DataPath + QStringLiteral("REPORT.TXT"); }
    void print(const QStringList& lines)
    {
        engine.outputLine({}, 80, QStringLiteral("O"));
        for (const QString& line : lines)
            engine.outputLine(line, 80, QStringLiteral("P"));
        engine.outputLine({}, 80, QStringLiteral("C"));
    }
};

} // namespace

TEST(OutputFile, TrimsTrailingBlanksKeepsLeadingAndEndsLinesWithCrLf)
{
    EngineFixture f;
    f.t.state.OutputFileName = f.file();
    f.print({QStringLiteral("  Roster   "), QString(), QStringLiteral("   "),
        QStringLiteral("caf\u00e9 \u00bd"), QStringLiteral("\f"), QStringLiteral("\f ")});
    EXPECT_EQ(
        readWholeFile(f.file()), QByteArray("  Roster\r\n\r\n\r\ncaf\xe9 \xbd\r\n\f\r\n\f\r\n"));
    EXPECT_TRUE(f.printer.calls.isEmpty());
}

TEST(OutputFile, FontsAndCentringLeaveTheFileAlone)
{
    EngineFixture f;
    f.t.state.OutputFileName = f.file();
    f.engine.outputLine({}, 80, QStringLiteral("O"));
    f.engine.setPrintFont(1);
    f.engine.centreNextLine(QStringLiteral("Roster"));
    f.engine.outputLine(QStringLiteral("Roster"), 80, QStringLiteral("P"));
    f.engine.outputLine({}, 80, QStringLiteral("C"));
    EXPECT_EQ(readWholeFile(f.file()), QByteArray("Roster\r\n"));
}

TEST(OutputFile, ReplaceEmptiesTheFileAndAppendKeepsBothReports)
{
    EngineFixture f;
    f.t.state.OutputFileName = f.file();
    writeWholeFile(f.file(), QByteArray("old contents that are longer\r\n"));
    f.t.state.AppendToFile = QStringLiteral("R");
    f.print({QStringLiteral("first"), QStringLiteral("\f")});
    EXPECT_EQ(readWholeFile(f.file()), QByteArray("first\r\n\f\r\n"));
    f.t.state.AppendToFile = QStringLiteral("A");
    f.print({QStringLiteral("second"), QStringLiteral("\f")});
    EXPECT_EQ(readWholeFile(f.file()), QByteArray("first\r\n\f\r\nsecond\r\n\f\r\n"));
}

TEST(OutputFile, AFileLeftOpenIsClosedByTheNextOpeningForThePrinter)
{
    EngineFixture f;
    f.t.state.OutputFileName = f.file();
    f.engine.outputLine({}, 80, QStringLiteral("O"));
    f.engine.outputLine(QStringLiteral("stopped here"), 80, QStringLiteral("P"));
    // The report ended without "C"; the next report goes to the printer.
    f.t.state.OutputFileName.clear();
    f.engine.outputLine({}, 80, QStringLiteral("O"));
    EXPECT_EQ(readWholeFile(f.file()), QByteArray("stopped here\r\n"));
    EXPECT_EQ(f.printer.calls, QStringList{QStringLiteral("open")});
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
    f.t.state.TitleFontSize = 1; // below 2: printed at 12
    f.t.state.TitleBold = -1;
    f.t.state.ReportFontSize = 9;
    f.engine.outputLine({}, 80, QStringLiteral("O"));
    f.engine.setPrintFont(1);
    f.engine.centreNextLine(QStringLiteral("T"));
    f.engine.outputLine(QStringLiteral("T  "), 80, QStringLiteral("P"));
    f.engine.setPrintFont(3);
    f.engine.outputLine(QStringLiteral("\f"), 80, QStringLiteral("P"));
    f.engine.outputLine({}, 80, QStringLiteral("C"));
    EXPECT_EQ(f.printer.calls,
        QStringList({QStringLiteral("open"), QStringLiteral("font:12b"), QStringLiteral("centre:T"),
            QStringLiteral("line:T  "), QStringLiteral("font:9"), QStringLiteral("line:\f"),
            QStringLiteral("close")}));
}

TEST(OutputEngine, PdfWithoutAPdfDestinationIsAnErrorNotAFile)
{
    EngineFixture f;
    f.t.state.OutputFileName = f.file();
    f.t.state.OutputAsPdf = QStringLiteral("Y");
    f.engine.outputLine({}, 80, QStringLiteral("O"));
    EXPECT_EQ(f.t.state.OutputStopped, QStringLiteral("Y"));
    EXPECT_FALSE(QFile::exists(f.file()));
}

TEST(OutputErrors, CancelStopsAndRetryRepeatsTheFailedStep)
{
    EngineFixture f;
    // A folder that does not exist fails at open with the system's text.
    f.t.state.OutputFileName = f.t.state.DataPath + QStringLiteral("missing/R.TXT");
    f.engine.outputLine({}, 80, QStringLiteral("O"));
    ASSERT_EQ(f.questions.size(), 1);
    EXPECT_FALSE(f.questions[0].isEmpty());
    EXPECT_EQ(f.t.state.OutputStopped, QStringLiteral("Y"));

    // Every call starts with OutputStopped "N".
    f.t.state.OutputFileName.clear();
    f.engine.outputLine(QStringLiteral("x"), 80, QStringLiteral("P"));
    EXPECT_EQ(f.t.state.OutputStopped, QStringLiteral("N"));

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
    f.engine.outputLine({}, 80, QStringLiteral("O"));
    EXPECT_EQ(opens, 3);
    EXPECT_EQ(f.questions,
        QStringList({QStringLiteral("Printer not ready"), QStringLiteral("Printer not ready")}));
    EXPECT_EQ(f.t.state.OutputStopped, QStringLiteral("N"));
}
