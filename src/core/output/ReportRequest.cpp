#include "core/output/ReportRequest.h"

#include "core/state/AppState.h"
#include "core/text/Blanks.h"

#include <functional>
#include <map>

namespace scorvane {

namespace {

const QStringList Kinds = {QStringLiteral("players"), QStringLiteral("record"),
    QStringLiteral("scores"), QStringLiteral("standings"), QStringLiteral("roster")};

// A whole decimal number, or nothing.
std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || text.isEmpty() || !(text[0].isDigit()))
        return std::nullopt;
    return value;
}

std::optional<QList<int>> numberList(const QString& text)
{
    QList<int> values;
    for (const QString& piece : text.split(u',')) {
        const auto value = wholeNumber(piece.trimmed());
        if (!value)
            return std::nullopt;
        values << *value;
    }
    return values;
}

class Parser
{
public:
    explicit Parser(const QStringList& arguments)
        : args_(arguments)
    { }

    ParsedRequest run()
    {
        ParsedRequest result;
        QString error = parse(result.request);
        if (error.isEmpty() && !result.request.help)
            error = check(result.request);
        result.error = error;
        return result;
    }

private:
    QString parse(ReportRequest& r)
    {
        for (int i = 0; i < args_.size(); ++i) {
            const QString arg = args_[i];
            if (arg == u"--help" || arg == u"-h") {
                r.help = true;
                return {};
            }
            if (!arg.startsWith(u'-')) {
                if (!r.kind.isEmpty())
                    return QStringLiteral("unexpected argument \"%1\"").arg(arg);
                if (!Kinds.contains(arg))
                    return QStringLiteral("unknown report kind \"%1\"").arg(arg);
                r.kind = arg;
                continue;
            }
            QString error = option(r, arg, i);
            if (!error.isEmpty())
                return error;
        }
        return {};
    }

    // The value after option `name`, moving past it.
    std::optional<QString> value(int& i)
    {
        if (i + 1 >= args_.size())
            return std::nullopt;
        return args_[++i];
    }

    QString number(const QString& name, const QString& text, int low, int high, int& target)
    {
        const auto n = wholeNumber(text);
        if (!n)
            return QStringLiteral("%1 needs a number, not \"%2\"").arg(name, text);
        if (*n < low || *n > high)
            return QStringLiteral("%1 must be %2 to %3").arg(name).arg(low).arg(high);
        target = *n;
        return {};
    }

    QString option(ReportRequest& r, const QString& name, int& i)
    {
        if (name == u"--special") {
            r.special = true;
            return {};
        }
        if (name == u"--short") {
            r.shortScores = true;
            return {};
        }
        if (name == u"--append") {
            r.append = true;
            return {};
        }
        static const QStringList valued = {QStringLiteral("--data"), QStringLiteral("--settings"),
            QStringLiteral("--teams"), QStringLiteral("--from"), QStringLiteral("--to"),
            QStringLiteral("--types"), QStringLiteral("--player-number"),
            QStringLiteral("--player-name"), QStringLiteral("--columns"), QStringLiteral("--sort"),
            QStringLiteral("--order"), QStringLiteral("--minimum-games"),
            QStringLiteral("--minimum-sog"), QStringLiteral("--individual"),
            QStringLiteral("--top"), QStringLiteral("--title"), QStringLiteral("--lines-per-page"),
            QStringLiteral("--copies"), QStringLiteral("-o"), QStringLiteral("--output")};
        if (!valued.contains(name))
            return QStringLiteral("unknown option \"%1\"").arg(name);
        const auto text = value(i);
        if (!text)
            return QStringLiteral("%1 needs a value").arg(name);
        return valuedOption(r, name, *text);
    }

    QString valuedOption(ReportRequest& r, const QString& name, const QString& text)
    {
        int n = 0;
        QString error;
        if (name == u"--data") {
            r.dataFolder = text;
        } else if (name == u"--settings") {
            r.settingsFile = text;
        } else if (name == u"--teams") {
            const auto slots = numberList(text);
            if (!slots)
                return QStringLiteral("--teams needs slot numbers, not \"%1\"").arg(text);
            for (int slot : *slots) {
                if (slot < 1 || slot > 100)
                    return QStringLiteral("--teams: slot %1 is outside 1 to 100").arg(slot);
                // A slot given twice would count the team twice in TeamCount.
                if (slots->count(slot) > 1)
                    return QStringLiteral("--teams: slot %1 is given twice").arg(slot);
            }
            r.teams = *slots;
        } else if (name == u"--from" || name == u"--to") {
            const auto game = wholeNumber(text);
            if (!game)
                return QStringLiteral("%1 needs a number, not \"%2\"").arg(name, text);
            if (*game < 1 || *game > 999)
                return QStringLiteral("%1: Must be 1 to 999").arg(name);
            (name == u"--from" ? r.fromGame : r.toGame) = *game;
        } else if (name == u"--types") {
            r.gameTypes.fill(false);
            if (text == u"none")
                return {};
            const auto types = numberList(text);
            if (!types)
                return QStringLiteral("--types needs digits 1-7 or none, not \"%1\"").arg(text);
            for (int type : *types) {
                if (type < 1 || type > 7)
                    return QStringLiteral("--types: game type %1 is outside 1 to 7").arg(type);
                r.gameTypes[static_cast<std::size_t>(type - 1)] = true;
            }
        } else if (name == u"--player-number") {
            error = number(name, text, 0, 99, r.playerNumber);
        } else if (name == u"--player-name") {
            r.playerName = text;
        } else if (name == u"--columns") {
            const auto codes = numberList(text);
            if (!codes)
                return QStringLiteral("--columns needs category codes, not \"%1\"").arg(text);
            if (codes->size() > 50)
                return QStringLiteral("--columns: at most 50 columns");
            for (int code : *codes) {
                if (code < 1 || code > 37)
                    return QStringLiteral("--columns: code %1 is outside 1 to 37").arg(code);
            }
            r.columns = *codes;
        } else if (name == u"--sort") {
            error = number(name, text, 1, 50, n);
            r.sortColumn = n;
        } else if (name == u"--order") {
            if (text != u"A" && text != u"D")
                return QStringLiteral("--order must be A or D");
            r.sortOrder = text == u"D" ? SortOrder::Descending : SortOrder::Ascending;
        } else if (name == u"--minimum-games") {
            error = number(name, text, 0, 999, n);
            r.minimumGames = n;
        } else if (name == u"--minimum-sog") {
            error = number(name, text, 0, 999, n);
            r.minimumShotsOnGoal = n;
        } else if (name == u"--individual") {
            error = number(name, text, 1, 99, n);
            r.individual = n;
        } else if (name == u"--top") {
            error = number(name, text, 1, 999, r.top);
        } else if (name == u"--title") {
            r.title = text.left(50);
        } else if (name == u"--lines-per-page") {
            error = number(name, text, 21, 999, n);
            r.linesPerPage = n;
        } else if (name == u"--copies") {
            error = number(name, text, 1, 50, r.copies);
        } else {
            r.outputFile = text;
        }
        return error;
    }

    // Rules that need the whole request.
    static QString check(ReportRequest& r)
    {
        if (r.kind.isEmpty())
            return QStringLiteral("a report kind is required (players, record, scores, "
                                  "standings or roster)");
        if (r.dataFolder.isEmpty())
            return QStringLiteral("--data DIR is required");
        const bool oneTeam = r.kind == u"record" || r.kind == u"scores" || r.kind == u"roster";
        if (oneTeam && r.teams.size() != 1)
            return QStringLiteral("%1 takes exactly one team").arg(r.kind);
        if (r.minimumGames && r.minimumShotsOnGoal)
            return QStringLiteral("give either --minimum-games or --minimum-sog, not both");
        if (r.individual && r.teams.size() != 1)
            return QStringLiteral("--individual takes exactly one team");
        if (r.fromGame > r.toGame)
            std::swap(r.fromGame, r.toGame);
        return {};
    }

    const QStringList& args_;
};

} // namespace

ParsedRequest parseReportArguments(const QStringList& arguments)
{
    return Parser(arguments).run();
}

QString defaultReportTitle(ReportKind kind)
{
    switch (kind) {
    case ReportKind::PlayerStatistics:
        return QStringLiteral("Player Statistics");
    case ReportKind::Record:
        return QStringLiteral("Team Record");
    case ReportKind::GameScores:
        return QStringLiteral("Game Scores");
    case ReportKind::Standings:
        return QStringLiteral("Team Standings");
    case ReportKind::Roster:
        break;
    }
    return QStringLiteral("Roster");
}

ReportKind reportKindNamed(const QString& kind)
{
    if (kind == u"players")
        return ReportKind::PlayerStatistics;
    if (kind == u"record")
        return ReportKind::Record;
    if (kind == u"scores")
        return ReportKind::GameScores;
    if (kind == u"standings")
        return ReportKind::Standings;
    return ReportKind::Roster;
}

void applyReportRequest(const ReportRequest& r, AppState& state)
{
    ReportSelection& selection = state.reportSelection;
    selection = ReportSelection{};
    selection.kind = reportKindNamed(r.kind);
    selection.fromGame = r.fromGame;
    selection.toGame = r.toGame;
    selection.typeCounted = r.gameTypes;
    selection.allTypesCounted
        = std::all_of(r.gameTypes.begin(), r.gameTypes.end(), [](bool on) { return on; });
    selection.onlySelectedGames = r.special;
    selection.playerNumber = r.playerNumber;
    selection.playerName = leftTrimBlanks(r.playerName).toLower().left(17);
    ProgramSettings& settings = state.settings;
    if (!r.columns.isEmpty()) {
        for (int c = 1; c <= 50; ++c)
            settings.reportColumns[c]
                = c <= r.columns.size() ? static_cast<qint16>(r.columns[c - 1]) : 0;
    }
    if (r.sortColumn)
        settings.sortColumn = *r.sortColumn;
    if (r.sortOrder)
        settings.sortOrder = *r.sortOrder;
    if (r.minimumGames) {
        selection.minimumKind = MinimumKind::GamesPlayed;
        selection.minimumValue = *r.minimumGames;
    } else if (r.minimumShotsOnGoal) {
        selection.minimumKind = MinimumKind::ShotsOnGoal;
        selection.minimumValue = *r.minimumShotsOnGoal;
    }
    if (r.individual) {
        selection.individual = true;
        selection.individualPlayer = *r.individual;
    }
    if (r.linesPerPage)
        settings.linesPerPage = *r.linesPerPage;
    PrintJob& job = state.printJob;
    job.top = r.top;
    job.title = r.title.value_or(defaultReportTitle(selection.kind));
    job.copies = r.copies;
    job.outputFile = r.outputFile;
    job.append = r.append;
    job.format = OutputFormat::Text;
}

} // namespace scorvane
