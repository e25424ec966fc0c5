#include "core/import/GameImport.h"

#include "core/state/AppState.h"
#include "core/store/DataFiles.h"
#include "core/text/Blanks.h"
#include "core/text/TextCodec.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace scorvane {

namespace {

constexpr int LocationWidth = 20;
constexpr int OpponentWidth = 25;
constexpr int CommentWidth = 58;
constexpr int DateWidth = 6;

constexpr int NumberAt = offsetOf(&GameRecord::gameNumber);
constexpr int DateAt = offsetOf(&GameRecord::gameDate);
constexpr int LocationAt = offsetOf(&GameRecord::gameLocation);
constexpr int OpponentAt = offsetOf(&GameRecord::opponent);
constexpr int GoalsForAt = offsetOf(&GameRecord::goalsFor);
constexpr int GoalsAgainstAt = offsetOf(&GameRecord::goalsAgainst);
constexpr int CommentAt = offsetOf(&GameRecord::gameComment);
constexpr int TypeAt = offsetOf(&GameRecord::gameType);
constexpr int HomeAt = offsetOf(&GameRecord::homeGame);

// The last two digits of a number from 0 to 99 (a date's parts).
void putTwoDigits(char* at, int value)
{
    at[0] = static_cast<char>('0' + value / 10 % 10);
    at[1] = static_cast<char>('0' + value % 10);
}

// Games of the same date and opponent (trimmed, any letter case) are duplicates. The key holds
// the date and up to a field's width of the opponent, folded; the rest is zeros, which no
// stored or read character is.
struct DuplicateKey
{
    std::array<char16_t, DateWidth + OpponentWidth> chars{};

    bool operator==(const DuplicateKey&) const = default;
};

size_t qHash(const DuplicateKey& key, size_t seed = 0)
{
    return qHashBits(key.chars.data(), sizeof(key.chars), seed);
}

char16_t codeUnit(QChar c)
{
    return c.unicode();
}
char16_t codeUnit(char c)
{
    return static_cast<unsigned char>(c);
}

template <typename DateText> DuplicateKey duplicateKey(const DateText& date, QStringView opponent)
{
    DuplicateKey key;
    for (std::size_t at = 0; at < DateWidth && at < static_cast<std::size_t>(date.size()); ++at)
        key.chars[at] = codeUnit(date[at]);
    std::size_t at = DateWidth;
    for (const QChar c : rightTrimmedView(leftTrimmedView(opponent)).left(OpponentWidth)) {
        const char16_t code = c.unicode();
        key.chars[at++] = code >= u'A' && code <= u'Z' ? static_cast<char16_t>(code + 32)
            : code < 0x80                              ? code
                                                       : c.toLower().unicode();
    }
    return key;
}

// Home or away from the cell; empty when the cell says neither.
std::optional<char> homeMark(QStringView text)
{
    static constexpr std::array<std::u16string_view, 9> Home{
        u"home", u"h", u"1", u"yes", u"y", u"true", u"x", u"vs", u"vs."};
    static constexpr std::array<std::u16string_view, 8> Away{
        u"away", u"a", u"2", u"no", u"n", u"false", u"@", u"at"};
    const auto among = [&](const auto& words) {
        // Texts of other lengths never match, whatever their letter case.
        return std::any_of(words.begin(), words.end(), [&](std::u16string_view word) {
            return static_cast<qsizetype>(word.size()) == text.size()
                && text.compare(QStringView(word), Qt::CaseInsensitive) == 0;
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
std::optional<char> typeDigit(QStringView text, const GameTypeNameTable& trimmedNames)
{
    if (text.isEmpty())
        return '1';
    for (int t = 1; t <= 7; ++t) {
        if (trimmedNames[t].size() == text.size()
            && trimmedNames[t].compare(text, Qt::CaseInsensitive) == 0)
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

std::optional<qint16> goals(QStringView text)
{
    if (text.isEmpty())
        return 0;
    // A few plain digits, as nearly every cell holds, are read here; the rest as numbers are.
    if (text.size() <= 3
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        int value = 0;
        for (const QChar c : text)
            value = value * 10 + (c.unicode() - u'0');
        return static_cast<qint16>(value);
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0 || value > 999 || text.startsWith(u'+'))
        return std::nullopt;
    return static_cast<qint16>(value);
}

} // namespace

ImportedDate importedGameDate(QStringView text)
{
    if (text.isEmpty())
        return {};
    const auto fault = [&](const char* reason) {
        ImportedDate date;
        date.error = QStringLiteral("date \"%1\"").arg(text) + QLatin1StringView(reason);
        return date;
    };
    const auto notADate = [&] { return fault(" is not a date (MM/DD/YYYY)"); };
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
                return notADate();
        }
        if (count == parts.size() || i == start)
            return notADate();
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
        return notADate();
    }
    if (yearDigits == 4) {
        if (year < 1930 || year > 2029)
            return fault(": only the years 1930 to 2029 can be stored");
        year %= 100;
    }
    if (!realDay(month, day))
        return fault(" is not a real day");
    ImportedDate date;
    putTwoDigits(date.stored.data(), month);
    putTwoDigits(date.stored.data() + 2, day);
    putTwoDigits(date.stored.data() + 4, year);
    return date;
}

int dateOrderKey(std::string_view stored)
{
    if (stored == "000000" || stored.size() != 6
        || !std::all_of(stored.begin(), stored.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 99999999;
    const auto two
        = [&](std::size_t at) { return (stored[at] - '0') * 10 + (stored[at + 1] - '0'); };
    const int year = two(4);
    const int century = year <= 29 ? 2000 : 1900;
    return (century + year) * 10000 + two(0) * 100 + two(2);
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
    QHash<DuplicateKey, int> existingByKey;
    existingByKey.reserve(static_cast<qsizetype>(existing_.size()));
    for (std::size_t g = 0; g < existing_.size(); ++g) {
        const GameRecord& game = existing_[g].game;
        const DuplicateKey key = duplicateKey(QStringView(game.gameDate), game.opponent);
        if (!existingByKey.contains(key)) // the first of two such games is the one shown
            existingByKey.insert(key, static_cast<int>(g));
    }
    const auto rowCount = static_cast<std::size_t>(sheet.rows.size());
    QHash<DuplicateKey, int> lineByKey;
    lineByKey.reserve(static_cast<qsizetype>(rowCount));
    rows_.reserve(rowCount);
    games_.reserve(rowCount);
    static const QByteArray blankGame = GameRecord{}.encode();
    records_.resize(static_cast<qsizetype>(rowCount) * GameRecord::Length);
    char* record = records_.data();
    // Each field's text is a slice of the file's text, or of a text of its own kept here; the
    // columns read into each field are worked out once.
    struct FieldTexts
    {
        std::vector<int> columns;
        QString joined;
        QString stored;
    };
    std::array<FieldTexts, static_cast<std::size_t>(ImportField::Comment) + 1> fields;
    const auto of
        = [&](ImportField field) -> FieldTexts& { return fields[static_cast<std::size_t>(field)]; };
    for (const ImportField field : importFields(ImportKind::Games))
        of(field).columns = columnsOf(mapping, field);
    const auto text = [&](const CsvSheet::Row& row, ImportField field) {
        return fieldView(sheet, row, of(field).columns, of(field).joined);
    };
    const auto storeText = [&](const CsvSheet::Row& source, ImportField field, int width,
                               const QString& name, int at, ImportRow& row) {
        const QStringView stored
            = storedTextView(text(source, field), width, name, row.issues, of(field).stored);
        TextCodec::encodeInto(stored, width, record + at);
        return stored;
    };
    for (const CsvSheet::Row& source : sheet.rows) {
        ImportRow row;
        row.line = source.line;
        if (!source.fault.isEmpty())
            addProblem(row, source.fault);
        if (nothingToImport(sheet, source, mapping))
            addProblem(row, QStringLiteral("nothing in this row to import"));
        Game game;
        std::memcpy(record, blankGame.constData(), GameRecord::Length);
        const ImportedDate date = importedGameDate(text(source, ImportField::Date));
        if (!date.error.isEmpty())
            addProblem(row, date.error);
        std::memcpy(record + DateAt, date.stored.data(), DateWidth);
        const QStringView opponent = storeText(source, ImportField::Opponent, OpponentWidth,
            QStringLiteral("Opponent"), OpponentAt, row);
        const QStringView home = text(source, ImportField::HomeAway);
        if (const auto mark = homeMark(home))
            record[HomeAt] = *mark;
        else
            addProblem(row, QStringLiteral("home/away \"%1\" is neither home nor away").arg(home));
        storeText(source, ImportField::Location, LocationWidth, QStringLiteral("Location"),
            LocationAt, row);
        const QStringView type = text(source, ImportField::GameType);
        if (const auto digit = typeDigit(type, typeNames_))
            record[TypeAt] = *digit;
        else
            addProblem(
                row, QStringLiteral("game type \"%1\" is not one of the game types").arg(type));
        const QStringView goalsFor = text(source, ImportField::GoalsFor);
        const QStringView goalsAgainst = text(source, ImportField::GoalsAgainst);
        const auto scored = goals(goalsFor);
        const auto conceded = goals(goalsAgainst);
        if (!scored)
            addProblem(row, QStringLiteral("goals for \"%1\" is not 0 to 999").arg(goalsFor));
        if (!conceded)
            addProblem(
                row, QStringLiteral("goals against \"%1\" is not 0 to 999").arg(goalsAgainst));
        putInteger(record, GoalsForAt, scored.value_or(0));
        putInteger(record, GoalsAgainstAt, conceded.value_or(0));
        storeText(
            source, ImportField::Comment, CommentWidth, QStringLiteral("Comment"), CommentAt, row);
        if (date.error.isEmpty() && date.digits() != "000000") {
            const DuplicateKey key = duplicateKey(date.stored, opponent);
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
        game.dateKey = dateOrderKey(date.digits());
        rows_.push_back(std::move(row));
        games_.push_back(game);
        record += GameRecord::Length;
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
    char* records = records_.data();
    for (std::size_t r : appended) {
        games_[r].storedNumber = ++next;
        putInteger(records + static_cast<qsizetype>(r) * GameRecord::Length, NumberAt, next);
    }
    appendOrder_ = std::move(appended);
}

GameRecord GameImport::readGame(std::size_t row) const
{
    return GameRecord::decode(
        records_.mid(static_cast<qsizetype>(row) * GameRecord::Length, GameRecord::Length));
}

QStringList GameImport::cells(std::size_t r) const
{
    const Game& game = games_[r];
    const GameRecord record = rows_[r].conflict && rows_[r].choice == ConflictChoice::Replace
        ? replacement(r)
        : readGame(r);
    return QStringList{game.storedNumber == 0 ? QString() : QString::number(game.storedNumber),
        record.gameDate == u"000000" ? QString() : dateWithSlashes(record.gameDate),
        trimBlanks(record.opponent),
        record.homeGame == '1' ? QStringLiteral("Home") : QStringLiteral("Away"),
        trimBlanks(record.gameLocation), trimBlanks(typeNames_[record.gameType - '0']),
        QString::number(record.goalsFor), QString::number(record.goalsAgainst),
        trimBlanks(record.gameComment)};
}

// The existing game with the fields the file has columns for written over it.
GameRecord GameImport::replacement(std::size_t row) const
{
    GameRecord record = existing_[games_[row].existing].game;
    const GameRecord read = readGame(row);
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

QByteArray GameImport::appendedBytes() const
{
    if (appendOrder_.empty())
        return {};
    // Every row appended in file order, as a schedule in date order is: the rows' bytes as
    // they are, shared rather than copied.
    bool inRowOrder = appendOrder_.size() == games_.size();
    for (std::size_t i = 0; inRowOrder && i < appendOrder_.size(); ++i)
        inRowOrder = appendOrder_[i] == i;
    if (inRowOrder)
        return records_;
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(appendOrder_.size()) * GameRecord::Length);
    for (std::size_t r : appendOrder_)
        bytes.append(QByteArrayView(records_).sliced(
            static_cast<qsizetype>(r) * GameRecord::Length, GameRecord::Length));
    return bytes;
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
                    replacement(r));
        }
        // One block after the last whole record, as Add Game writes each of them.
        const QByteArray bytes = appendedBytes();
        if (!bytes.isEmpty())
            files.writeBytes(FileGames,
                static_cast<qint64>(files.recordCount(FileGames)) * GameRecord::Length, bytes);
    });
}

} // namespace scorvane
