// A report table of 2,000 rows by 40 figures (a tenth of them percentages, a date column)
// written as an .xlsx workbook, measured against writing the finished workbook's bytes to a
// file whole (the least writing that file can cost) and beside writing the same table as CSV.
// The run ends with both ratios to the baseline; there is no goal, the figures are recorded in
// docs/PERFORMANCE.md.
#include "core/output/TableExport.h"
#include "workbook/WorkbookFile.h"

#include "RatioReporter.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

using namespace scorvane;

namespace {

constexpr int Rows = 2000;
constexpr int Figures = 40;

ExportTable bigTable()
{
    ExportTable table;
    table.title = QStringLiteral("Player Statistics");
    table.headings << QStringLiteral("Player") << QStringLiteral("Date");
    table.dateColumns << 1;
    for (int c = 0; c < Figures; ++c) {
        table.headings << QStringLiteral("C%1").arg(c);
        table.numericColumns << c + 2;
        if (c % 10 == 9)
            table.percentColumns.insert(c + 2, 100);
    }
    for (int r = 0; r < Rows; ++r) {
        QStringList cells{QStringLiteral("Player %1").arg(r),
            QStringLiteral("%1/%2/05")
                .arg(r % 12 + 1, 2, 10, QChar(u'0'))
                .arg(r % 28 + 1, 2, 10, QChar(u'0'))};
        for (int c = 0; c < Figures; ++c)
            cells << (c % 10 == 9 ? QStringLiteral("%1.%2").arg(r % 100).arg(c % 10)
                                  : QString::number((r * 31 + c * 7) % 500));
        table.rows.append({ExportTable::RowKind::Body, cells});
    }
    return table;
}

struct BenchFolder
{
    QTemporaryDir dir;
    ExportTable table = bigTable();
    QString workbook = dir.filePath(QStringLiteral("report.xlsx"));
    QByteArray workbookBytes;

    BenchFolder()
    {
        if (!writeTableWorkbook(workbook, table).isEmpty())
            std::abort();
        QFile file(workbook);
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        workbookBytes = file.readAll();
    }
};

BenchFolder& folder()
{
    static BenchFolder shared;
    return shared;
}

void BM_WriteWorkbookBytes(benchmark::State& state)
{
    BenchFolder& f = folder();
    const QString path = f.dir.filePath(QStringLiteral("copy.xlsx"));
    for (auto _ : state) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(f.workbookBytes) != f.workbookBytes.size() || !file.commit())
            state.SkipWithError("cannot write");
    }
    state.SetBytesProcessed(state.iterations() * f.workbookBytes.size());
}
BENCHMARK(BM_WriteWorkbookBytes)->Unit(benchmark::kMillisecond);

void BM_Workbook(benchmark::State& state)
{
    BenchFolder& f = folder();
    for (auto _ : state) {
        if (!writeTableWorkbook(f.workbook, f.table).isEmpty())
            state.SkipWithError("cannot write");
    }
}
BENCHMARK(BM_Workbook)->Unit(benchmark::kMillisecond);

void BM_Csv(benchmark::State& state)
{
    BenchFolder& f = folder();
    const QString path = f.dir.filePath(QStringLiteral("report.csv"));
    for (auto _ : state) {
        if (!writeExportFile(path, f.table, ExportFormat::Csv).isEmpty())
            state.SkipWithError("cannot write");
    }
}
BENCHMARK(BM_Csv)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    scorvane::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const double base = reporter.realTime["BM_WriteWorkbookBytes"];
    if (base <= 0)
        return 0;
    for (const char* name : {"BM_Workbook", "BM_Csv"}) {
        if (reporter.realTime.count(name) != 0)
            std::printf(
                "%s / writing the workbook's bytes: %.2f\n", name, reporter.realTime[name] / base);
    }
    std::printf("workbook: %lld bytes\n", static_cast<long long>(folder().workbookBytes.size()));
    return 0;
}
