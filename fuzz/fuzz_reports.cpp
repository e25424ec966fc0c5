// Two teams' game, result and roster files made of arbitrary bytes, and a report selection taken
// from the input: every report's computation and line building (player statistics in team,
// several-team and individual form with a minimum, record, game scores long and short,
// standings, roster) must cope with whatever the files hold. Lines go nowhere.
#include "core/output/OutputDevice.h"
#include "core/output/OutputEngine.h"
#include "core/output/ReportPrinting.h"
#include "core/state/AppState.h"

#include "FuzzSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace scorvane;
using namespace scorvane::fuzz;

namespace {

class CancellingReporter : public ErrorReporter
{
public:
    Choice reportFileError(const FileError&) override { return Choice::Cancel; }
    [[noreturn]] void endProgram() override { std::abort(); }
};

class DiscardingOutput : public OutputDevice
{
public:
    QString open() override { return {}; }
    QString writeLine(const QString& line) override
    {
        if (line.size() > 100000)
            std::abort(); // a runaway line is a fault of its own
        return {};
    }
    QString close() override { return {}; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    constexpr std::size_t Head = 8;
    if (size < Head)
        return 0;
    const QByteArray rest(
        reinterpret_cast<const char*>(data + Head), static_cast<qsizetype>(size - Head));
    // Six files share the rest in equal parts: games, results and roster of teams 1 and 2.
    const qsizetype part = rest.size() / 6;
    const QString folder = dir.path() + u'/';
    const char* names[]
        = {"KVGS1.DAT", "KVPS1.DAT", "KVPN1.DAT", "KVGS2.DAT", "KVPS2.DAT", "KVPN2.DAT"};
    for (int i = 0; i < 6; ++i)
        writeFile(folder + QLatin1String(names[i]), rest.mid(i * part, part));

    CancellingReporter reporter;
    AppState state(reporter);
    state.settings.dataFolder = folder;
    state.settings.reportFolder = folder;
    state.settings.linesPerPage = 21 + data[0] % 60;
    for (int c = 1; c <= 50; ++c)
        state.settings.reportColumns[c] = static_cast<qint16>((c * (1 + data[1])) % 51);
    state.settings.sortColumn = 1 + data[1] % 37;
    state.settings.sortOrder = data[1] & 0x80 ? SortOrder::Ascending : SortOrder::Descending;
    state.teamChoice.selected[1] = true;
    state.teamChoice.selected[2] = (data[2] & 1) != 0;
    state.teamChoice.count = state.teamChoice.selected[2] ? 2 : 1;
    state.teamChoice.currentSlot = 1;
    ReportSelection& selection = state.reportSelection;
    selection.fromGame = 1 + data[3] % 20;
    selection.toGame = selection.fromGame + data[4] % 40;
    for (std::size_t t = 0; t < 7; ++t)
        selection.typeCounted[t] = ((data[5] >> t) & 1) == 0;
    selection.allTypesCounted = data[5] == 0;
    selection.onlySelectedGames = (data[5] & 0x80) != 0;
    selection.individual = !state.teamChoice.selected[2] && (data[2] & 2) != 0;
    selection.individualPlayer = 1 + data[6] % 99;
    selection.minimumKind = data[6] & 0x80 ? MinimumKind::ShotsOnGoal : MinimumKind::GamesPlayed;
    selection.minimumValue = data[7] % 5;
    state.printJob.top = 1 + data[7] % 30;
    state.printJob.copies = 1 + (data[7] >> 6);

    DiscardingOutput printer;
    OutputEngine engine(state.printJob, state.settings, [](const QString&) { return false; });
    engine.setPrinter(&printer);
    const ReportKind kinds[] = {ReportKind::PlayerStatistics, ReportKind::Record,
        ReportKind::GameScores, ReportKind::Standings, ReportKind::Roster};
    for (const ReportKind kind : kinds) {
        if (kind == ReportKind::Standings && state.teamChoice.count < 2)
            continue;
        selection.kind = kind;
        printReport(kind, state, engine, data[0] & 0x80 ? ScoresForm::Short : ScoresForm::Long);
        state.files.closeDataFile(AllFiles);
    }
    return 0;
}
