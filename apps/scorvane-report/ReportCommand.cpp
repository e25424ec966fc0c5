#include "ReportCommand.h"

#include "ReportArguments.h"
#include "ToolSupport.h"

#include "core/output/OutputEngine.h"
#include "core/output/ReportPrinting.h"
#include "core/output/TableExport.h"
#include "core/reports/LeagueRulesFile.h"
#include "core/seasons/CareerStats.h"
#include "core/state/AppState.h"
#include "core/state/DefaultSettings.h"
#include "core/store/DataFiles.h"
#include "core/store/TeamList.h"
#include "core/teams/TeamSelection.h"
#include "core/text/Paths.h"
#include "workbook/WorkbookFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

#include <sys/stat.h>

namespace scorvane {

namespace {

constexpr int ExitDone = 0;
constexpr int ExitDataError = 1;
constexpr int ExitBadArguments = 2;

// An archived season asked for that the career leaves out is named, with its problem.
void tellLeftOutSeasons(const AppState& state, const QStringList& seasons, std::FILE* err)
{
    QList<int> teams;
    for (int slot = 1; slot <= 100; ++slot) {
        if (state.teamChoice.selected[slot])
            teams << slot;
    }
    std::vector<ArchivedSeason> leftOut;
    careerSeasons(state.settings.dataFolder, seasons, teams, &leftOut);
    for (const ArchivedSeason& season : leftOut)
        printLine(err,
            QStringLiteral("scorvane-report: season %1 left out: %2")
                .arg(season.name, season.problem));
}

// Copies the named file of `from` (any letter case) into `to` under the program's own name;
// a missing file is left missing, as a team that never saved anything has none.
void copyIfPresent(const QString& from, const QString& to, const QString& name)
{
    const QString source = resolveInFolder(from, name);
    if (!QFileInfo::exists(source))
        return;
    // A named pipe or a device would block or never end: only plain files are read.
    if (!QFileInfo(source).isFile())
        throw ToolStopped{QStringLiteral("%1 is not a regular file").arg(source)};
    if (!QFile::copy(source, to + name))
        throw ToolStopped{QStringLiteral("cannot read %1").arg(source)};
}

bool teamReport(const ReportRequest& r)
{
    return r.reportKind == ReportKind::Record || r.reportKind == ReportKind::GameScores
        || r.reportKind == ReportKind::Standings || r.reportKind == ReportKind::LeagueTable;
}

// Builds a private copy of everything the report reads, so the data folder is only read.
void copyData(const ReportRequest& r, AppState& state, const QString& work)
{
    const QString data = folderWithSlash(r.dataFolder);
    if (!QFileInfo(data).isDir())
        throw ToolStopped{QStringLiteral("cannot read data folder %1").arg(r.dataFolder)};
    const QString teamList = resolveInFolder(data, QStringLiteral("KVTEAMS.DAT"));
    if (!QFileInfo::exists(teamList))
        throw ToolStopped{QStringLiteral("no team list KVTEAMS.DAT in %1").arg(r.dataFolder)};
    const QString copy = work + QStringLiteral("data/");
    QDir().mkpath(copy);
    copyIfPresent(data, copy, QStringLiteral("KVTEAMS.DAT"));
    copyIfPresent(data, copy, QStringLiteral("KVRPTFMT.DAT"));
    // The player statistics and the team reports read the files they need where they are, read
    // only: the player statistics copy only the current team's roster, for the names the program
    // holds, and the team reports copy nothing. Copying every team's files would cost more than
    // the whole report.
    const bool players = r.kind == u"players";
    const QList<const char*> prefixes
        = players ? QList<const char*>{"KVPN"} : QList<const char*>{"KVPN", "KVGS", "KVPS", "KVPI"};
    const QList<int> slots = teamReport(r)
        ? QList<int>()
        : (players ? QList<int>{*std::min_element(r.teams.begin(), r.teams.end())} : r.teams);
    for (int slot : slots) {
        for (const char* prefix : prefixes) {
            copyIfPresent(data, copy,
                QString::fromLatin1(prefix) + QString::number(slot) + QStringLiteral(".DAT"));
        }
    }
    state.settings.dataFolder = copy;
    state.settings.reportFolder = copy;
}

// The settings, in a folder of the run's own; a page too short for the headings gets the default.
void loadSettings(const ReportRequest& r, AppState& state, const QString& work)
{
    loadToolSettings(state, r.settingsFile, work + QStringLiteral("settings/"));
    // A page shorter than the report's own headings cannot be laid out.
    if (state.settings.linesPerPage < 21)
        state.settings.linesPerPage = 60;
}

// The league table's rules: the file given, else the one beside the settings file (the installed
// one unless --settings names another), else the default rules. A file that cannot be used ends
// the run, as printing with rules other than the user's would mislead.
void loadLeagueRules(const ReportRequest& r, AppState& state)
{
    QString path = r.rulesFile;
    if (path.isEmpty()) {
        const QString folder = r.settingsFile.isEmpty()
            ? defaultSettingsFolder()
            : folderWithSlash(QFileInfo(r.settingsFile).absolutePath());
        path = resolveInFolder(folder, leagueRulesFileName());
    } else if (!QFileInfo::exists(path)) {
        throw ToolStopped{QStringLiteral("cannot read rules file %1").arg(path)};
    }
    const LeagueRulesRead read = readLeagueRules(path);
    if (!read.rules)
        throw ToolStopped{QStringLiteral("rules file %1: %2").arg(path, read.error)};
    state.leagueRules = *read.rules;
}

// The tool only reads the data folder: an output file inside it is refused.
bool outputInDataFolder(const ReportRequest& r)
{
    if (r.outputFile.isEmpty())
        return false;
    const QFileInfo output(r.outputFile);
    struct stat data
    {
    };
    struct stat folder
    {
    };
    return ::stat(QFile::encodeName(r.dataFolder).constData(), &data) == 0
        && ::stat(QFile::encodeName(output.absolutePath()).constData(), &folder) == 0
        && data.st_dev == folder.st_dev && data.st_ino == folder.st_ino;
}

void selectTeams(const ReportRequest& r, AppState& state)
{
    checkAndLoadTeamList(state.files, state.teamChoice.names, state.teamChoice.shortNames);
    TeamLines lines{};
    for (int slot : r.teams)
        lines[static_cast<std::size_t>(slot - 1)] = true;
    takeTeamSelection(state, lines);
}

// The table as a workbook's bytes, made in `work` (the run's private folder); the error, if any.
QString workbookBytes(const ExportTable& table, const QString& work, QByteArray& bytes)
{
    const QString path = work + QStringLiteral("report.xlsx");
    QString error = writeTableWorkbook(path, table);
    if (!error.isEmpty())
        return error;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    bytes = file.readAll();
    return {};
}

// The report's table as CSV, HTML or a workbook, to the output file (whole or not at all) or to
// `out`.
int writeTable(const ReportRequest& r, const ExportTable& table, const QString& work,
    std::FILE* out, std::FILE* err)
{
    const ExportFormat format
        = r.format == OutputFormat::Html ? ExportFormat::Html : ExportFormat::Csv;
    QString error;
    if (r.format == OutputFormat::Xlsx && !r.outputFile.isEmpty()) {
        error = writeTableWorkbook(r.outputFile, table);
    } else if (r.outputFile.isEmpty()) {
        QByteArray bytes;
        if (r.format == OutputFormat::Xlsx)
            error = workbookBytes(table, work, bytes);
        else
            bytes = exportTable(table, format);
        if (error.isEmpty()
            && (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), out)
                    != static_cast<std::size_t>(bytes.size())
                || std::fflush(out) != 0))
            error = QStringLiteral("Cannot write to the output stream");
    } else {
        error = writeExportFile(r.outputFile, table, format);
    }
    if (error.isEmpty())
        return ExitDone;
    printLine(err,
        QStringLiteral("scorvane-report: cannot write %1: %2")
            .arg(r.outputFile.isEmpty() ? QStringLiteral("standard output") : r.outputFile, error));
    return ExitDataError;
}

// Where the private copy goes: a folder in memory when the system offers one the user may write
// ($XDG_RUNTIME_DIR, else /dev/shm), since on a disk making and removing its few files costs more
// than the report; else the temporary folder.
QString scratchTemplate()
{
    QStringList candidates;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        candidates << runtime;
    candidates << QStringLiteral("/dev/shm");
    for (const QString& folder : candidates) {
        const QFileInfo info(folder);
        if (info.isDir() && info.isWritable())
            return folder + QStringLiteral("/scorvane-report-XXXXXX");
    }
    return QDir::tempPath() + QStringLiteral("/scorvane-report-XXXXXX");
}

int run(const ReportRequest& r, std::FILE* out, std::FILE* err)
{
    QTemporaryDir work(scratchTemplate());
    if (!work.isValid())
        throw ToolStopped{QStringLiteral("cannot create a temporary folder")};
    ToolErrorReporter reporter;
    AppState state(reporter);
    const QString folder = work.path() + u'/';
    copyData(r, state, folder);
    loadSettings(r, state, folder);
    selectTeams(r, state);
    applyReportRequest(r, state);
    if (r.reportKind == ReportKind::LeagueTable)
        loadLeagueRules(r, state);
    // The player statistics read the statistics and roster files in the data folder itself,
    // read only (see copyData).
    if (r.reportKind == ReportKind::PlayerStatistics)
        state.settings.dataFolder = folderWithSlash(r.dataFolder);
    if (r.seasons)
        tellLeftOutSeasons(state, *r.seasons, err);

    StreamOutput standardOutput(out);
    OutputEngine engine(state.printJob, state.settings, [&](const QString& error) {
        printLine(err,
            QStringLiteral("scorvane-report: cannot write %1: %2")
                .arg(r.outputFile.isEmpty() ? QStringLiteral("standard output") : r.outputFile,
                    error));
        return false;
    });
    engine.setPrinter(&standardOutput);
    if (teamReport(r))
        state.settings.dataFolder = folderWithSlash(r.dataFolder);
    const ScoresForm scoresForm = r.shortScores ? ScoresForm::Short : ScoresForm::Long;
    if (r.format != OutputFormat::Text) {
        const int code
            = writeTable(r, reportExportTable(r.reportKind, state, scoresForm), folder, out, err);
        state.files.closeDataFile(AllFiles);
        return code;
    }
    int code = ExitDone;
    if (!printReport(r.reportKind, state, engine, scoresForm)) {
        printLine(err,
            QStringLiteral("scorvane-report: report kind %1 is not available yet").arg(r.kind));
        code = ExitDataError;
    } else if (engine.stopped()) {
        code = ExitDataError;
    }
    state.files.closeDataFile(AllFiles);
    return code;
}

} // namespace

QString reportUsage()
{
    return QStringLiteral(
        "usage: scorvane-report KIND --data DIR [options]\n"
        "       scorvane-report import roster|games --team N --data DIR FILE (see import --help)\n"
        "KIND: players | record | scores | standings | roster | table\n"
        "\n"
        "  --data DIR            data folder holding KVTEAMS.DAT and the team files (read only)\n"
        "  --settings FILE       a 669-byte settings file (default: the installed one, else\n"
        "                        built-in defaults)\n"
        "  --teams LIST          team slots 1-100, comma separated; players, standings and table\n"
        "                        take one or more, record, scores and roster exactly one\n"
        "                        (default 1)\n"
        "  --from N / --to M     first and last game, 1 to 999 (default 1 / 999)\n"
        "  --types LIST          game types counted: digits 1-7 comma separated, or none\n"
        "                        (default all seven)\n"
        "  --special             count only specially selected games\n"
        "  --player-number N     only player N (players)\n"
        "  --player-name TEXT    only the player of this name (players)\n"
        "  --columns LIST        report category codes 1-37 in column order (players)\n"
        "  --sort N              sort column (players; default from the settings)\n"
        "  --order A|D           ascending or descending sort (players)\n"
        "  --minimum-games N     split by minimum games played (players, team mode)\n"
        "  --minimum-sog N       split by minimum shots on goal (players, team mode)\n"
        "  --individual N        individual report of player N (players, one team)\n"
        "  --top N               number of players printed, 1 to 999 (default 999)\n"
        "  --title TEXT          report title (default: the print dialog's title for the kind)\n"
        "  --lines-per-page N    lines per page, 21 or more (default from the settings)\n"
        "  --copies N            copies, 1 to 50 (default 1)\n"
        "  --short               game scores in the short form\n"
        "  --rules FILE          the league table's rules and deductions (table; default: the\n"
        "                        KVLEAGUE.INI beside the settings file, else 3-1-0 points,\n"
        "                        goal difference, goals for, head-to-head)\n"
        "  --format FORMAT       text (default; the printed report), csv (a header row of the\n"
        "                        column headings, one row per report row, the totals row\n"
        "                        marked), html (one self-contained page) or xlsx (a workbook\n"
        "                        of one sheet: numbers, percentages and dates stored as such)\n"
        "  -o, --output FILE     write to FILE (default: standard output)\n"
        "  --append              append to FILE instead of replacing it (text only)\n"
        "  --seasons all|NAMES   career statistics: the current season plus all or the named\n"
        "                        archived seasons, comma separated (players); an archive that\n"
        "                        is damaged or missing is named on standard error, left out\n"
        "  --help                show this text\n"
        "\n"
        "Text output is byte for byte what printing the same report to a text file writes;\n"
        "csv, html and xlsx hold the same rows in the same order.\n"
        "Exit status: 0 done, 1 data or output that cannot be read or written, 2 bad arguments.");
}

int runReportCommand(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    const ParsedRequest parsed = parseReportArguments(arguments);
    if (parsed.request.help) {
        printLine(out, reportUsage());
        return ExitDone;
    }
    if (!parsed.error.isEmpty()) {
        printLine(err, QStringLiteral("scorvane-report: ") + parsed.error);
        return ExitBadArguments;
    }
    if (outputInDataFolder(parsed.request)) {
        printLine(err,
            QStringLiteral("scorvane-report: %1 is inside the data folder, which is only read")
                .arg(parsed.request.outputFile));
        return ExitBadArguments;
    }
    try {
        return run(parsed.request, out, err);
    } catch (const ToolStopped& stopped) {
        printLine(err, QStringLiteral("scorvane-report: ") + stopped.message);
        return ExitDataError;
    }
}

} // namespace scorvane
