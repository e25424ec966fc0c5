#include "ReportArguments.h"

#include "core/output/ReportPrinting.h"
#include "core/state/AppState.h"
#include "core/text/Blanks.h"

#include <QCommandLineParser>

#include <algorithm>
#include <functional>
#include <map>

namespace scorvane {

namespace {

struct KindName
{
    const char16_t* name;
    ReportKind kind;
};

constexpr std::array<KindName, 6> Kinds{{
    {u"players", ReportKind::PlayerStatistics},
    {u"record", ReportKind::Record},
    {u"scores", ReportKind::GameScores},
    {u"standings", ReportKind::Standings},
    {u"roster", ReportKind::Roster},
    {u"table", ReportKind::LeagueTable},
}};

const KindName* findKind(const QString& name)
{
    const auto found = std::find_if(
        Kinds.begin(), Kinds.end(), [&](const KindName& k) { return name == QStringView(k.name); });
    return found == Kinds.end() ? nullptr : &*found;
}

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

// Sets `target` from a number within low..high; else the error.
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

QString optionalNumber(
    const QString& name, const QString& text, int low, int high, std::optional<int>& target)
{
    int n = 0;
    QString error = number(name, text, low, high, n);
    target = n;
    return error;
}

QString teams(ReportRequest& r, const QString& text)
{
    const auto slots = numberList(text);
    if (!slots)
        return QStringLiteral("--teams needs slot numbers, not \"%1\"").arg(text);
    for (int slot : *slots) {
        if (slot < 1 || slot > 100)
            return QStringLiteral("--teams: slot %1 is outside 1 to 100").arg(slot);
        // A slot given twice would count the team twice.
        if (slots->count(slot) > 1)
            return QStringLiteral("--teams: slot %1 is given twice").arg(slot);
    }
    r.teams = *slots;
    return {};
}

QString game(const QString& name, const QString& text, int& target)
{
    const auto n = wholeNumber(text);
    if (!n)
        return QStringLiteral("%1 needs a number, not \"%2\"").arg(name, text);
    if (*n < 1 || *n > 999)
        return QStringLiteral("%1: Must be 1 to 999").arg(name);
    target = *n;
    return {};
}

QString gameTypes(ReportRequest& r, const QString& text)
{
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
    return {};
}

QString columns(ReportRequest& r, const QString& text)
{
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
    return {};
}

// Reads one option's value into the request; the error, if any. `name` is as the user wrote it.
using OptionReader = std::function<QString(ReportRequest&, const QString& name, const QString&)>;

// Every option, by each of its names, with what it does to the request.
const std::map<QString, OptionReader>& optionReaders()
{
    using R = ReportRequest;
    const auto flag = [](bool R::*member) {
        return [member](R& r, const QString&, const QString&) {
            r.*member = true;
            return QString();
        };
    };
    const auto text = [](QString R::*member) {
        return [member](R& r, const QString&, const QString& value) {
            r.*member = value;
            return QString();
        };
    };
    const auto ranged = [](std::optional<int> R::*member, int low, int high) {
        return [member, low, high](R& r, const QString& name, const QString& value) {
            return optionalNumber(name, value, low, high, r.*member);
        };
    };
    const auto count = [](int R::*member, int low, int high) {
        return [member, low, high](R& r, const QString& name, const QString& value) {
            return number(name, value, low, high, r.*member);
        };
    };
    static const std::map<QString, OptionReader> readers = {
        {QStringLiteral("special"), flag(&R::special)},
        {QStringLiteral("short"), flag(&R::shortScores)},
        {QStringLiteral("append"), flag(&R::append)},
        {QStringLiteral("data"), text(&R::dataFolder)},
        {QStringLiteral("settings"), text(&R::settingsFile)},
        {QStringLiteral("player-name"), text(&R::playerName)},
        {QStringLiteral("output"), text(&R::outputFile)},
        {QStringLiteral("rules"), text(&R::rulesFile)},
        {QStringLiteral("o"), text(&R::outputFile)},
        {QStringLiteral("teams"),
            [](R& r, const QString&, const QString& v) { return teams(r, v); }},
        {QStringLiteral("from"),
            [](R& r, const QString& name, const QString& v) { return game(name, v, r.fromGame); }},
        {QStringLiteral("to"),
            [](R& r, const QString& name, const QString& v) { return game(name, v, r.toGame); }},
        {QStringLiteral("types"),
            [](R& r, const QString&, const QString& v) { return gameTypes(r, v); }},
        {QStringLiteral("columns"),
            [](R& r, const QString&, const QString& v) { return columns(r, v); }},
        {QStringLiteral("player-number"), count(&R::playerNumber, 0, 99)},
        {QStringLiteral("sort"), ranged(&R::sortColumn, 1, 50)},
        {QStringLiteral("order"),
            [](R& r, const QString&, const QString& v) {
                if (v != u"A" && v != u"D")
                    return QStringLiteral("--order must be A or D");
                r.sortOrder = v == u"A" ? SortOrder::Ascending : SortOrder::Descending;
                return QString();
            }},
        {QStringLiteral("minimum-games"), ranged(&R::minimumGames, 0, 999)},
        {QStringLiteral("minimum-sog"), ranged(&R::minimumShotsOnGoal, 0, 999)},
        {QStringLiteral("individual"), ranged(&R::individual, 1, 99)},
        {QStringLiteral("top"), count(&R::top, 1, 999)},
        {QStringLiteral("title"),
            [](R& r, const QString&, const QString& v) {
                r.title = v.left(50);
                return QString();
            }},
        {QStringLiteral("lines-per-page"), ranged(&R::linesPerPage, 21, 999)},
        {QStringLiteral("format"),
            [](R& r, const QString&, const QString& v) {
                if (v == u"text")
                    r.format = OutputFormat::Text;
                else if (v == u"csv")
                    r.format = OutputFormat::Csv;
                else if (v == u"html")
                    r.format = OutputFormat::Html;
                else if (v == u"xlsx")
                    r.format = OutputFormat::Xlsx;
                else
                    return QStringLiteral("--format must be text, csv, html or xlsx, not \"%1\"")
                        .arg(v);
                return QString();
            }},
        {QStringLiteral("copies"), count(&R::copies, 1, 50)},
        {QStringLiteral("seasons"),
            [](R& r, const QString&, const QString& v) {
                QStringList names;
                for (const QString& name : v.split(u','))
                    names << name.trimmed();
                if (names.contains(QString()))
                    return QStringLiteral("--seasons takes all or season names, comma separated");
                r.seasons = names;
                return QString();
            }},
    };
    return readers;
}

const QStringList Flags
    = {QStringLiteral("special"), QStringLiteral("short"), QStringLiteral("append")};

void addOptions(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
        QString(), QStringLiteral("FILE")));
    for (const auto& [name, reader] : optionReaders()) {
        if (name.size() == 1 || name == u"output")
            continue;
        if (Flags.contains(name))
            parser.addOption(QCommandLineOption(name));
        else
            parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("VALUE")));
    }
}

// The option as the user wrote it: one dash for a one-letter name, two for a word.
QString written(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The one-line error of arguments the parser could not read: the first unknown option, else the
// option at the end that lacks its value.
QString parseError(const QCommandLineParser& parser, const QStringList& arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return QStringLiteral("unknown option \"%1\"").arg(written(unknown.first()));
    const QString last = arguments.isEmpty() ? QString() : arguments.last();
    const QString lastName = last.mid(last.startsWith(QStringLiteral("--")) ? 2 : 1);
    if (last.startsWith(u'-') && optionReaders().contains(lastName) && !Flags.contains(lastName))
        return QStringLiteral("%1 needs a value").arg(last);
    return parser.errorText().simplified(); // a value given to an option that takes none
}

QString readKind(ReportRequest& r, const QStringList& positional)
{
    if (positional.size() > 1)
        return QStringLiteral("unexpected argument \"%1\"").arg(positional[1]);
    if (positional.isEmpty())
        return {};
    const KindName* kind = findKind(positional.first());
    if (kind == nullptr)
        return QStringLiteral("unknown report kind \"%1\"").arg(positional.first());
    r.kind = positional.first();
    r.reportKind = kind->kind;
    return {};
}

// The options in the order given, each value in turn; the first fault ends the reading.
QString readOptions(ReportRequest& r, const QCommandLineParser& parser)
{
    std::map<QString, qsizetype> used; // values of each option read so far
    for (const QString& name : parser.optionNames()) {
        const auto reader = optionReaders().find(name);
        if (reader == optionReaders().end())
            continue; // help
        // -o and --output share their values.
        const QStringList values = parser.values(name);
        const qsizetype index = used[name == u"o" ? QStringLiteral("output") : name]++;
        const QString value = index < values.size() ? values[index] : QString();
        QString error = reader->second(r, written(name), value);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

// Rules that need the whole request.
QString check(ReportRequest& r)
{
    if (r.kind.isEmpty())
        return QStringLiteral("a report kind is required (players, record, scores, "
                              "standings or roster)");
    if (r.dataFolder.isEmpty())
        return QStringLiteral("--data DIR is required");
    const bool oneTeam = r.reportKind == ReportKind::Record
        || r.reportKind == ReportKind::GameScores || r.reportKind == ReportKind::Roster;
    if (oneTeam && r.teams.size() != 1)
        return QStringLiteral("%1 takes exactly one team").arg(r.kind);
    if (r.minimumGames && r.minimumShotsOnGoal)
        return QStringLiteral("give either --minimum-games or --minimum-sog, not both");
    if (r.individual && r.teams.size() != 1)
        return QStringLiteral("--individual takes exactly one team");
    if (!r.rulesFile.isEmpty() && r.reportKind != ReportKind::LeagueTable)
        return QStringLiteral("--rules works only with table");
    if (r.seasons && r.reportKind != ReportKind::PlayerStatistics)
        return QStringLiteral("--seasons works only with players");
    if (r.append && r.format != OutputFormat::Text)
        return QStringLiteral("--append works only with --format text");
    if (r.fromGame > r.toGame)
        std::swap(r.fromGame, r.toGame);
    return {};
}

} // namespace

ParsedRequest parseReportArguments(const QStringList& arguments)
{
    ParsedRequest result;
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(QStringList{QStringLiteral("scorvane-report")} + arguments)) {
        result.error = parseError(parser, arguments);
        return result;
    }
    ReportRequest& r = result.request;
    if (parser.isSet(QStringLiteral("help"))) {
        r.help = true;
        return result;
    }
    result.error = readKind(r, parser.positionalArguments());
    if (result.error.isEmpty())
        result.error = readOptions(r, parser);
    if (result.error.isEmpty())
        result.error = check(r);
    return result;
}

void applyReportRequest(const ReportRequest& r, AppState& state)
{
    ReportSelection& selection = state.reportSelection;
    selection = ReportSelection{};
    selection.kind = r.reportKind;
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
    if (r.seasons) {
        selection.career = true;
        selection.careerSeasons = *r.seasons;
    }
    if (r.linesPerPage)
        settings.linesPerPage = *r.linesPerPage;
    PrintJob& job = state.printJob;
    job.top = r.top;
    job.title = r.title.value_or(defaultReportTitle(selection.kind));
    job.copies = r.copies;
    job.outputFile = r.outputFile;
    job.append = r.append;
    job.format = r.format;
}

} // namespace scorvane
