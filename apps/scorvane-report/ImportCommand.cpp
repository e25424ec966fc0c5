#include "ImportCommand.h"

#include "ToolSupport.h"

#include "core/import/GameImport.h"
#include "core/import/RosterImport.h"
#include "core/state/AppState.h"
#include "core/store/ChangeSet.h"
#include "core/store/DataFolderLock.h"
#include "core/store/FileError.h"
#include "core/store/TeamList.h"
#include "core/teams/TeamSelection.h"
#include "core/text/Paths.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>

namespace scorvane {

namespace {

constexpr int ExitDone = 0;
constexpr int ExitProblems = 1;
constexpr int ExitBadArguments = 2;

struct ImportRequest
{
    ImportKind kind = ImportKind::Roster;
    QString file;
    QString dataFolder;
    QString settingsFile;
    int team = 0;
    bool dryRun = false;
    bool skipProblems = false;
    std::optional<ConflictChoice> onConflict;
    QStringList mappings; // "Heading=field"
};

QString fieldKey(const QString& text)
{
    QString key;
    for (const QChar c : text) {
        if (c.isLetterOrNumber())
            key += c.toLower();
    }
    return key;
}

// The field a --map names: its name as the mapping step shows it, without blanks or case
// ("first-name", "FirstName"), or "none".
std::optional<ImportField> namedField(ImportKind kind, const QString& name)
{
    const QString key = fieldKey(name);
    for (const ImportField field : importFields(kind)) {
        if (field == ImportField::None) {
            if (key == u"none")
                return field;
            continue;
        }
        // "Player Number" is also just "number".
        const QString full = fieldKey(importFieldName(field));
        if (key == full || QStringLiteral("player") + key == full)
            return field;
    }
    return std::nullopt;
}

QString applyMappings(
    const ImportRequest& r, const QStringList& headings, QList<ImportField>& mapping)
{
    for (const QString& given : r.mappings) {
        const qsizetype equals = given.lastIndexOf(u'=');
        if (equals < 0)
            return QStringLiteral("--map needs HEADING=FIELD, not \"%1\"").arg(given);
        const QString heading = given.left(equals).trimmed();
        const auto field = namedField(r.kind, given.mid(equals + 1));
        if (!field)
            return QStringLiteral("--map: \"%1\" is not a field to import into")
                .arg(given.mid(equals + 1));
        qsizetype column = -1;
        for (qsizetype c = 0; c < headings.size() && column < 0; ++c) {
            if (headings[c].compare(heading, Qt::CaseInsensitive) == 0)
                column = c;
        }
        bool numbered = false;
        const int number = heading.toInt(&numbered);
        if (column < 0 && numbered && number >= 1 && number <= headings.size())
            column = number - 1;
        if (column < 0)
            return QStringLiteral("--map: the file has no column \"%1\"").arg(heading);
        // A field taken by one column only moves to the column named.
        if (!takesSeveralColumns(*field)) {
            for (ImportField& other : mapping) {
                if (other == *field)
                    other = ImportField::None;
            }
        }
        mapping[column] = *field;
    }
    return {};
}

// Reads the arguments into the request; the one-line error, empty when they are good.
QString parse(const QStringList& arguments, ImportRequest& r, bool& help)
{
    QCommandLineParser parser;
    parser.addOptions({
        {QStringList{QStringLiteral("h"), QStringLiteral("help")}, QString()},
        {QStringLiteral("team"), QString(), QStringLiteral("N")},
        {QStringLiteral("data"), QString(), QStringLiteral("DIR")},
        {QStringLiteral("settings"), QString(), QStringLiteral("FILE")},
        {QStringLiteral("dry-run"), QString()},
        {QStringLiteral("skip-problems"), QString()},
        {QStringLiteral("on-conflict"), QString(), QStringLiteral("CHOICE")},
        {QStringLiteral("map"), QString(), QStringLiteral("HEADING=FIELD")},
    });
    if (!parser.parse(QStringList{QStringLiteral("scorvane-report import")} + arguments))
        return parser.errorText();
    if (parser.isSet(QStringLiteral("help"))) {
        help = true;
        return {};
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        return QStringLiteral("give what to import (roster or games) and the file");
    if (positional[0] == u"roster")
        r.kind = ImportKind::Roster;
    else if (positional[0] == u"games")
        r.kind = ImportKind::Games;
    else
        return QStringLiteral("import roster or games, not \"%1\"").arg(positional[0]);
    r.file = positional[1];
    bool ok = false;
    r.team = parser.value(QStringLiteral("team")).toInt(&ok);
    if (!parser.isSet(QStringLiteral("team")))
        return QStringLiteral("--team N is required");
    if (!ok || r.team < 1 || r.team > 100)
        return QStringLiteral("--team must be a slot from 1 to 100");
    r.dataFolder = parser.value(QStringLiteral("data"));
    if (r.dataFolder.isEmpty())
        return QStringLiteral("--data DIR is required");
    r.settingsFile = parser.value(QStringLiteral("settings"));
    r.dryRun = parser.isSet(QStringLiteral("dry-run"));
    r.skipProblems = parser.isSet(QStringLiteral("skip-problems"));
    if (parser.isSet(QStringLiteral("on-conflict"))) {
        const QString choice = parser.value(QStringLiteral("on-conflict"));
        if (choice == u"replace")
            r.onConflict = ConflictChoice::Replace;
        else if (choice == u"add")
            r.onConflict = ConflictChoice::Add;
        else if (choice == u"skip")
            r.onConflict = ConflictChoice::Skip;
        else
            return QStringLiteral("--on-conflict must be replace, add or skip");
    }
    r.mappings = parser.values(QStringLiteral("map"));
    return {};
}

// The game type names come from the settings: the file given, else the installed one, else
// the built-in defaults. The settings are read from a copy and never written.
QString choiceWord(ConflictChoice choice)
{
    switch (choice) {
    case ConflictChoice::Replace:
        return QStringLiteral("replace");
    case ConflictChoice::Add:
        return QStringLiteral("add");
    case ConflictChoice::Skip:
        break;
    }
    return QStringLiteral("skip");
}

void printPreview(const ImportRequest& r, const CsvSheet& sheet, const QList<ImportField>& mapping,
    const ImportPlan& plan, std::FILE* out)
{
    printLine(out,
        QStringLiteral("%1: %2, separated by %3, %4 rows")
            .arg(r.file, encodingName(sheet.encoding), separatorName(sheet.separator))
            .arg(sheet.rows.size()));
    QStringList columns;
    for (qsizetype c = 0; c < sheet.headings.size(); ++c)
        columns
            << QStringLiteral("%1 -> %2").arg(sheet.headings[c], importFieldName(mapping.value(c)));
    printLine(out, QStringLiteral("columns: ") + columns.join(QStringLiteral(", ")));
    for (std::size_t at = 0; at < plan.rows().size(); ++at) {
        const ImportRow& row = plan.rows()[at];
        const QStringList shown = plan.cells(at);
        QStringList cells;
        for (qsizetype c = 0; c < shown.size(); ++c) {
            if (!shown[c].isEmpty())
                cells << plan.columns()[c] + u' ' + shown[c];
        }
        const QString state = row.hasProblem() ? QStringLiteral("left out")
            : row.isStored()                   ? QStringLiteral("stored")
                                               : QStringLiteral("skipped");
        printLine(out,
            QStringLiteral("line %1 (%2): %3")
                .arg(row.line)
                .arg(state, cells.join(QStringLiteral(", "))));
        if (row.conflict)
            printLine(out,
                QStringLiteral("    conflict: %1 (%2)")
                    .arg(row.conflictText,
                        r.onConflict ? choiceWord(row.choice)
                                     : QStringLiteral("choose with --on-conflict")));
        for (const ImportIssue& issue : row.issues) {
            printLine(out,
                (issue.severity == ImportIssue::Severity::Problem ? QStringLiteral("    problem: ")
                                                                  : QStringLiteral("    note: "))
                    + issue.text);
        }
    }
}

// The team's files that the import may open, which must not stay behind as empty files when
// they did not exist before.
QStringList missingTeamFiles(const QString& folder, int team)
{
    QStringList missing;
    for (const char* prefix : {"KVPN", "KVGS", "KVPS", "KVPI"}) {
        const QString name
            = QString::fromLatin1(prefix) + QString::number(team) + QStringLiteral(".DAT");
        if (!QFileInfo::exists(resolveInFolder(folder, name)))
            missing << folder + name;
    }
    return missing;
}

int run(const ImportRequest& r, std::FILE* out, std::FILE* err)
{
    QFile file(r.file);
    if (!QFileInfo(r.file).isFile() || !file.open(QIODevice::ReadOnly))
        throw ToolStopped{QStringLiteral("cannot read %1").arg(r.file)};
    const CsvSheet sheet = readCsvSheet(file.readAll());
    if (!sheet.refusal.isEmpty())
        throw ToolStopped{QStringLiteral("%1: %2").arg(r.file, sheet.refusal)};

    QList<ImportField> mapping = matchColumns(r.kind, sheet.headings);
    const QString mapError = applyMappings(r, sheet.headings, mapping);
    if (!mapError.isEmpty()) {
        printLine(err, QStringLiteral("scorvane-report import: ") + mapError);
        return ExitBadArguments;
    }
    if (const QString absent = missingColumns(r.kind, mapping); !absent.isEmpty())
        throw ToolStopped{
            QStringLiteral("%1: %2 (--map HEADING=FIELD names the column)").arg(r.file, absent)};
    const QString data = folderWithSlash(r.dataFolder);
    if (!QFileInfo(data).isDir())
        throw ToolStopped{QStringLiteral("cannot read data folder %1").arg(r.dataFolder)};
    if (QFileInfo(resolveInFolder(data, QStringLiteral("KVTEAMS.DAT"))).size() != 4000)
        throw ToolStopped{QStringLiteral("no team list KVTEAMS.DAT in %1").arg(r.dataFolder)};
    // The desktop program on the same folder would not see the change: one program at a time.
    DataFolderLock lock;
    switch (lock.lock(data)) {
    case DataFolderLock::Result::Locked:
        break;
    case DataFolderLock::Result::HeldByOther:
        throw ToolStopped{QStringLiteral("the data folder is in use by %1").arg(lock.holder())};
    case DataFolderLock::Result::Unavailable:
        throw ToolStopped{QStringLiteral("the data folder %1 cannot be written").arg(r.dataFolder)};
    }
    recoverPendingChange(data);

    QTemporaryDir work;
    if (!work.isValid())
        throw ToolStopped{QStringLiteral("cannot create a temporary folder")};
    ToolErrorReporter reporter(ErrorReporter::Choice::Cancel);
    AppState state(reporter);
    state.settings.dataFolder = data;
    state.settings.reportFolder = data;
    loadToolSettings(state, r.settingsFile, work.path() + u'/');
    const QStringList missing = missingTeamFiles(data, r.team);
    checkAndLoadTeamList(state.files, state.teamChoice.names, state.teamChoice.shortNames);
    TeamLines lines{};
    lines[static_cast<std::size_t>(r.team - 1)] = true;
    takeTeamSelection(state, lines);

    std::unique_ptr<ImportPlan> plan;
    if (r.kind == ImportKind::Roster)
        plan = RosterImport::forTeam(state, sheet, mapping);
    else
        plan = GameImport::forTeam(state, sheet, mapping);
    if (r.onConflict)
        plan->chooseForEveryConflict(*r.onConflict);
    printPreview(r, sheet, mapping, *plan, out);

    const ImportSummary s = plan->summary();
    const int unresolved = r.onConflict ? 0 : s.conflicts;
    printLine(out,
        QStringLiteral(
            "%1 rows: %2 to store (%3 replacing), %4 with problems, %5 conflicts, %6 skipped")
            .arg(plan->rows().size())
            .arg(s.stored)
            .arg(s.replaced)
            .arg(s.problems)
            .arg(s.conflicts)
            .arg(s.skipped));
    int code = ExitDone;
    if ((s.problems > 0 || unresolved > 0) && !r.skipProblems) {
        QStringList reasons;
        if (s.problems > 0)
            reasons << QStringLiteral("%1 rows have problems").arg(s.problems);
        if (unresolved > 0)
            reasons << QStringLiteral("%1 conflicts are unresolved (--on-conflict replace, add or "
                                      "skip resolves them)")
                           .arg(unresolved);
        printLine(err,
            QStringLiteral("scorvane-report import: nothing written: %1; --skip-problems leaves "
                           "such rows out")
                .arg(reasons.join(QStringLiteral(" and "))));
        code = ExitProblems;
    } else if (r.dryRun) {
        printLine(out, QStringLiteral("nothing written (--dry-run)"));
    } else if (s.stored == 0) {
        printLine(out, QStringLiteral("nothing to write"));
    } else if (!plan->write(state)) {
        printLine(
            err, QStringLiteral("scorvane-report import: nothing written: ") + reporter.last());
        code = ExitProblems;
    } else {
        printLine(out, QStringLiteral("written: %1 rows").arg(s.stored));
    }
    state.files.closeDataFile(AllFiles);
    for (const QString& path : missing) {
        if (QFileInfo(path).exists() && QFileInfo(path).size() == 0)
            QFile::remove(path);
    }
    return code;
}

} // namespace

QString importUsage()
{
    return QStringLiteral(
        "usage: scorvane-report import roster|games --team N --data DIR FILE [options]\n"
        "Reads a spreadsheet saved as CSV (UTF-8 with or without byte-order mark, UTF-16 or\n"
        "Windows-1252; separated by commas, semicolons or tabs) into team N's roster or games.\n"
        "Columns are matched by their headings. Every row is printed as it will be stored,\n"
        "with its problems; nothing is written when any row has a problem or an unresolved\n"
        "conflict, and then everything is written at once.\n"
        "\n"
        "  --team N              the team slot, 1 to 100\n"
        "  --data DIR            data folder holding KVTEAMS.DAT and the team files\n"
        "  --settings FILE       a 669-byte settings file for the game type names (default: the\n"
        "                        installed one, else built-in defaults)\n"
        "  --dry-run             print the preview only\n"
        "  --skip-problems       leave out rows with problems and unresolved conflicts, and\n"
        "                        write the others\n"
        "  --on-conflict CHOICE  replace, add or skip rows that duplicate a player (by number)\n"
        "                        or a game (by date and opponent) of the team\n"
        "  --map HEADING=FIELD   read the column HEADING (or its number, from 1) into FIELD, one\n"
        "                        of: number, name, first-name, last-name, phone, address-line-1,\n"
        "                        address-line-2, city, state, zip, other-information (roster);\n"
        "                        date, opponent, home/away, location, game-type, goals-for,\n"
        "                        goals-against, comment (games); or none\n"
        "  --help                show this text\n"
        "\n"
        "Games are appended in date order, numbered on from the team's last game, without\n"
        "player figures. Exit status: 0 written (or a clean --dry-run), 1 rows with problems or\n"
        "data that cannot be read or written (nothing written), 2 bad arguments.");
}

int runImportCommand(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    ImportRequest request;
    bool help = false;
    const QString error = parse(arguments, request, help);
    if (help) {
        printLine(out, importUsage());
        return ExitDone;
    }
    if (!error.isEmpty()) {
        printLine(err, QStringLiteral("scorvane-report import: ") + error);
        return ExitBadArguments;
    }
    try {
        return run(request, out, err);
    } catch (const ToolStopped& stopped) {
        printLine(err, QStringLiteral("scorvane-report import: ") + stopped.message);
        return ExitProblems;
    }
}

} // namespace scorvane
