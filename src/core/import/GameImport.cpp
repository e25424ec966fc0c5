#include "core/import/GameImport.h"

#include "core/state/AppState.h"
#include "core/store/DataFiles.h"
#include "core/text/Blanks.h"

#include <QHash>
#include <algorithm>
#include <array>

namespace scorvane {

namespace {

constexpr int LocationWidth = 20;
constexpr int OpponentWidth = 25;
constexpr int CommentWidth = 58;

// The last two digits of a number from 0 to 99 (a date's parts), written straight in.
void appendTwoDigits(QString& text, int value)
{
    text += QChar(char16_t(u'0' + value / 10 % 10));
    text += QChar(char16_t(u'0' + value % 10));
}

// Home or away from the cell; empty when the cell says neither.
std::optional<char> homeMark(QStringView text)
{
    static constexpr std::array<const char16_t*, 9> Home{
        u"home", u"h", u"1", u"yes", u"y", u"true", u"x", u"vs", u"vs."};
    static constexpr std::array<const char16_t*, 8> Away{
        u"away", u"a", u"2", u"no", u"n", u"false", u"@", u"at"};
    const auto among = [&](const auto& words) {
        return std::any_of(words.begin(), words.end(), [&](const char16_t* word) {
            return text.compare(QStringView(word), Qt::CaseInsensitive) == 0;
        });
    };
    if (text.isEmpty() || among(Away))
        return '2';
    if (among(Home))
        return '1';
    return std::nullopt;
}

// The type whose name (trimmed) the cell gives, ignoring case, or its digit; the first type
// for an empty cell.
std::optional<char> typeDigit(const QString& text, const GameTypeNameTable& trimmedNames)
{
    if (text.isEmpty())
        return '1';
    for (int t = 1; t <= 7; ++t) {
        if (trimmedNames[t].compare(text, Qt::CaseInsensitive) == 0)
            return static_cast<char>('0' + t);
    }
    if (text.size() == 1 && text[0] >= u'1' && text[0] <= u'7')
        return text[0].toLatin1();
    return std::nullopt;
}

// The day a month and day name: the game screen's rule, under which 29 February passes in
// every year.
bool realDay(int month, int day)
{
    static constexpr std::array<int, 12> Days{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 && day >= 1
        && day <= Days[static_cast<std::size_t>(month - 1)];
}

std::optional<qint16> goals(const QString& text)
{
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0 || value > 999 || text.startsWith(u'+'))
        return std::nullopt;
    return static_cast<qint16>(value);
}

QString duplicateKey(const GameRecord& game)
{
    const QStringView opponent = rightTrimmedView(leftTrimmedView(game.opponent));
    QString key;
    key.reserve(game.gameDate.size() + 1 + opponent.size());
    key += game.gameDate;
    key += u'|';
    for (const QChar c : opponent)
        key += c.toLower();
    return key;
}

} // namespace

ImportedDate importedGameDate(const QString& text)
{
    if (text.isEmpty())
        return {QStringLiteral("000000"), {}};
    const ImportedDate notADate{
        {}, QStringLiteral("date \"%1\" is not a date (MM/DD/YYYY)").arg(text)};
    // Runs of digits and the one separator between them; a time after an ISO date is ignored.
    QStringView view(text);
    if (view.size() > 10 && (view[10] == u'T' || view[10] == u' '))
        view = view.left(10);
    std::array<QStringView, 3> parts;
    std::size_t count = 0;
    QChar separator;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= view.size(); ++i) {
        if (i < view.size() && view[i].isDigit() && view[i].unicode() < 0x80)
            continue;
        if (i < view.size()) {
            if (separator.isNull())
                separator = view[i];
            if (view[i] != separator
                || (separator != u'/' && separator != u'-' && separator != u'.'))
                return notADate;
        }
        if (count == parts.size() || i == start)
            return notADate;
        parts[count++] = view.mid(start, i - start);
        start = i + 1;
    }
    int month = 0;
    int day = 0;
    int year = 0;
    qsizetype yearDigits = 2;
    const auto number = [](QStringView digits) { return digits.toInt(); };
    if (count == 1 && parts[0].size() == 6) {
        month = number(parts[0].left(2));
        day = number(parts[0].mid(2, 2));
        year = number(parts[0].mid(4));
    } else if (count == 3 && separator == u'-' && parts[0].size() == 4 && parts[1].size() <= 2
        && parts[2].size() <= 2) {
        year = number(parts[0]);
        month = number(parts[1]);
        day = number(parts[2]);
        yearDigits = 4;
    } else if (count == 3 && parts[0].size() <= 2 && parts[1].size() <= 2
        && (parts[2].size() == 2 || parts[2].size() == 4)) {
        // Dots are the day-first order of most of Europe; slashes and dashes the US order.
        month = number(parts[separator == u'.' ? 1 : 0]);
        day = number(parts[separator == u'.' ? 0 : 1]);
        year = number(parts[2]);
        yearDigits = parts[2].size();
    } else {
        return notADate;
    }
    if (yearDigits == 4) {
        if (year < 1930 || year > 2029)
            return {{},
                QStringLiteral("date \"%1\": only the years 1930 to 2029 can be stored").arg(text)};
        year %= 100;
    }
    if (!realDay(month, day))
        return {{}, QStringLiteral("date \"%1\" is not a real day").arg(text)};
    QString stored;
    stored.reserve(6);
    appendTwoDigits(stored, month);
    appendTwoDigits(stored, day);
    appendTwoDigits(stored, year);
    return {stored, {}};
}

int dateOrderKey(const QString& stored)
{
    if (stored == u"000000" || stored.size() != 6)
        return 99999999;
    const int year = stored.mid(4, 2).toInt();
    const int century = year <= 29 ? 2000 : 1900;
    return (century + year) * 10000 + stored.left(2).toInt() * 100 + stored.mid(2, 2).toInt();
}

GameImport::GameImport(const CsvSheet& sheet, const QList<ImportField>& mapping,
    const GameTypeNameTable& typeNames, std::vector<ListedGame> games)
    : ImportPlan(ImportKind::Games,
        {QStringLiteral("Game"), QStringLiteral("Date"), QStringLiteral("Opponent"),
            QStringLiteral("Home/Away"), QStringLiteral("Location"), QStringLiteral("Game Type"),
            QStringLiteral("Goals For"), QStringLiteral("Goals Against"),
            QStringLiteral("Comment")})
    , existing_(std::move(games))
    , mapping_(mapping)
    , typeNames_(typeNames)
{
    for (int t = 1; t <= 7; ++t)
        typeNames_[t] = trimBlanks(typeNames_[t]);
    QHash<QString, int> existingByKey;
    for (std::size_t g = 0; g < existing_.size(); ++g) {
        const QString key = duplicateKey(existing_[g].game);
        if (!existingByKey.contains(key)) // the first of two such games is the one shown
            existingByKey.insert(key, static_cast<int>(g));
    }
    QHash<QString, int> lineByKey;
    lineByKey.reserve(sheet.rows.size());
    rows_.reserve(sheet.rows.size());
    games_.reserve(sheet.rows.size());
    const auto text = [&](const CsvSheet::Row& row, ImportField field) {
        return fieldText(row, mapping, field);
    };
    for (const CsvSheet::Row& source : sheet.rows) {
        ImportRow row;
        row.line = source.line;
        if (!source.fault.isEmpty())
            addProblem(row, source.fault);
        if (nothingToImport(source, mapping))
            addProblem(row, QStringLiteral("nothing in this row to import"));
        Game game;
        GameRecord& record = game.record;
        const ImportedDate date = importedGameDate(text(source, ImportField::Date));
        if (!date.error.isEmpty())
            addProblem(row, date.error);
        record.gameDate = date.error.isEmpty() ? date.stored : QStringLiteral("000000");
        record.opponent = storedText(text(source, ImportField::Opponent), OpponentWidth,
            QStringLiteral("Opponent"), row.issues);
        const QString home = text(source, ImportField::HomeAway);
        if (const auto mark = homeMark(home))
            record.homeGame = *mark;
        else
            addProblem(row, QStringLiteral("home/away \"%1\" is neither home nor away").arg(home));
        record.gameLocation = storedText(text(source, ImportField::Location), LocationWidth,
            QStringLiteral("Location"), row.issues);
        const QString type = text(source, ImportField::GameType);
        if (const auto digit = typeDigit(type, typeNames_))
            record.gameType = *digit;
        else
            addProblem(
                row, QStringLiteral("game type \"%1\" is not one of the game types").arg(type));
        const QString goalsFor = text(source, ImportField::GoalsFor);
        const QString goalsAgainst = text(source, ImportField::GoalsAgainst);
        const auto scored = goals(goalsFor);
        const auto conceded = goals(goalsAgainst);
        if (!scored)
            addProblem(row, QStringLiteral("goals for \"%1\" is not 0 to 999").arg(goalsFor));
        if (!conceded)
            addProblem(
                row, QStringLiteral("goals against \"%1\" is not 0 to 999").arg(goalsAgainst));
        record.goalsFor = scored.value_or(0);
        record.goalsAgainst = conceded.value_or(0);
        record.gameComment = storedText(text(source, ImportField::Comment), CommentWidth,
            QStringLiteral("Comment"), row.issues);
        if (date.error.isEmpty() && record.gameDate != u"000000") {
            const QString key = duplicateKey(record);
            if (const auto earlier = lineByKey.constFind(key); earlier != lineByKey.cend()) {
                addProblem(row, QStringLiteral("same date and opponent as line %1").arg(*earlier));
            } else {
                lineByKey.insert(key, row.line);
                if (const auto found = existingByKey.constFind(key);
                    found != existingByKey.cend()) {
                    game.existing = *found;
                    row.conflict = true;
                    row.conflictText = QStringLiteral("same date and opponent as game %1")
                                           .arg(existing_[*found].game.gameNumber);
                }
            }
        }
        game.dateKey = dateOrderKey(record.gameDate);
        rows_.push_back(std::move(row));
        games_.push_back(std::move(game));
    }
    refresh();
}

std::unique_ptr<GameImport> GameImport::forTeam(
    AppState& state, const CsvSheet& sheet, const QList<ImportField>& mapping)
{
    state.files.openDataFile(FileGames);
    return std::make_unique<GameImport>(
        sheet, mapping, state.settings.gameTypeNames, readActiveGames(state.files, FileGames));
}

void GameImport::refresh()
{
    std::vector<std::size_t> appended;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        games_[r].storedNumber = 0;
        if (!rows_[r].isStored())
            continue;
        if (rows_[r].conflict && rows_[r].choice == ConflictChoice::Replace)
            games_[r].storedNumber = existing_[games_[r].existing].game.gameNumber;
        else
            appended.push_back(r);
    }
    std::stable_sort(appended.begin(), appended.end(),
        [&](std::size_t a, std::size_t b) { return games_[a].dateKey < games_[b].dateKey; });
    auto next = static_cast<qint16>(existing_.size());
    for (std::size_t r : appended) {
        games_[r].storedNumber = ++next;
        games_[r].record.gameNumber = next;
    }
    appendOrder_ = std::move(appended);
}

QStringList GameImport::cells(std::size_t r) const
{
    const Game& game = games_[r];
    const GameRecord record = rows_[r].conflict && rows_[r].choice == ConflictChoice::Replace
        ? replacement(game)
        : game.record;
    return QStringList{game.storedNumber == 0 ? QString() : QString::number(game.storedNumber),
        record.gameDate == u"000000" ? QString() : dateWithSlashes(record.gameDate),
        trimBlanks(record.opponent),
        record.homeGame == '1' ? QStringLiteral("Home") : QStringLiteral("Away"),
        trimBlanks(record.gameLocation), trimBlanks(typeNames_[record.gameType - '0']),
        QString::number(record.goalsFor), QString::number(record.goalsAgainst),
        trimBlanks(record.gameComment)};
}

// The existing game with the fields the file has columns for written over it.
GameRecord GameImport::replacement(const Game& game) const
{
    GameRecord record = existing_[game.existing].game;
    const GameRecord& read = game.record;
    const auto mapped = [&](ImportField f) { return isMapped(mapping_, f); };
    if (mapped(ImportField::Opponent))
        record.opponent = read.opponent;
    if (mapped(ImportField::HomeAway))
        record.homeGame = read.homeGame;
    if (mapped(ImportField::Location))
        record.gameLocation = read.gameLocation;
    if (mapped(ImportField::GameType))
        record.gameType = read.gameType;
    if (mapped(ImportField::GoalsFor))
        record.goalsFor = read.goalsFor;
    if (mapped(ImportField::GoalsAgainst))
        record.goalsAgainst = read.goalsAgainst;
    if (mapped(ImportField::Comment))
        record.gameComment = read.gameComment;
    return record;
}

std::vector<GameRecord> GameImport::appendedGames() const
{
    std::vector<GameRecord> appended;
    appended.reserve(appendOrder_.size());
    for (std::size_t r : appendOrder_)
        appended.push_back(games_[r].record);
    return appended;
}

bool GameImport::write(AppState& state)
{
    DataFiles& files = state.files;
    files.openDataFile(FileGames);
    files.openDataFile(FileStats);
    return files.change(QStringLiteral("Importing games"), [&] {
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            if (rows_[r].isStored() && rows_[r].conflict
                && rows_[r].choice == ConflictChoice::Replace)
                saveGame(files, GameEdit::Change, existing_[games_[r].existing].recordNumber,
                    replacement(games_[r]));
        }
        // One block after the last whole record, as Add Game writes each of them.
        QByteArray bytes;
        bytes.reserve(static_cast<qsizetype>(appendOrder_.size()) * GameRecord::Length);
        for (std::size_t r : appendOrder_)
            bytes += games_[r].record.encode();
        if (!bytes.isEmpty())
            files.writeBytes(FileGames,
                static_cast<qint64>(files.recordCount(FileGames)) * GameRecord::Length, bytes);
    });
}

} // namespace scorvane
