#include "core/reports/GameFileReader.h"

#include "core/reports/GameTest.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace scorvane {

namespace {

constexpr int NumberAt = offsetOf(&GameRecord::gameNumber);
constexpr int StatusAt = offsetOf(&GameRecord::gameStatus);
constexpr int TypeAt = offsetOf(&GameRecord::gameType);
constexpr int SpecialAt = offsetOf(&GameRecord::specialSelect);

qsizetype recordCount(QByteArrayView bytes)
{
    return bytes.size() / GameRecord::Length;
}

// Hands every counted record of `bytes` to `take`. Only the fields the game test reads are
// filled in the probe, which is reused so that skipped games cost no copies.
template <typename Take>
void walkCountedGames(QByteArrayView bytes, const ReportSelection& selection, Take take)
{
    const qsizetype count = recordCount(bytes);
    GameRecord probe;
    for (qsizetype index = std::max(selection.fromGame, 1) - 1; index < count; ++index) {
        const char* record = bytes.data() + index * GameRecord::Length;
        probe.gameNumber = integerAt(record, NumberAt);
        if (probe.gameNumber > selection.toGame)
            break;
        probe.gameStatus = record[StatusAt];
        probe.gameType = record[TypeAt];
        probe.specialSelect = record[SpecialAt];
        if (gameCounts(selection, probe))
            take(record, probe);
    }
}

// The entry of `folder` named `name` in another letter case; empty when there is none.
QString nameInAnyCase(const QString& folder, const QString& name)
{
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + entry;
    }
    return {};
}

// Opens the file under the name the program writes first, then under the same name in any
// letter case (files copied from another system). False with no error when there is none.
bool openGameFile(
    QFile& file, const QString& folder, const QString& name, std::optional<FileError>& fault)
{
    file.setFileName(folder + name);
    if (file.open(QIODevice::ReadOnly))
        return true;
    if (!file.exists()) {
        const QString other = nameInAnyCase(folder, name);
        if (other.isEmpty())
            return false;
        file.setFileName(other);
        if (file.open(QIODevice::ReadOnly))
            return true;
    }
    fault = FileError{FileError::Other, file.errorString(), file.fileName(), {}};
    return false;
}

} // namespace

QByteArrayView GameFileReader::bytes() const
{
    if (readByQFile_)
        return buffer_;
    return {file_.data(), file_.size()};
}

std::optional<FileError> GameFileReader::load(int slot)
{
    const QString name = QStringLiteral("KVGS") + QString::number(slot) + QStringLiteral(".DAT");
    readByQFile_ = false;
    if (!file_.read(dataFolder_ + name))
        return std::nullopt;
    // A file that cannot be read so is read again through QFile, whose words for the error the
    // messages have always shown.
    readByQFile_ = true;
    return loadByQFile(name);
}

std::optional<FileError> GameFileReader::loadByQFile(const QString& name)
{
    buffer_.resize(0);
    QFile file;
    std::optional<FileError> fault;
    if (!openGameFile(file, dataFolder_, name, fault))
        return fault;
    buffer_.resize(file.size());
    const qint64 read = file.read(buffer_.data(), buffer_.size());
    if (read < 0)
        return FileError{FileError::Other, file.errorString(), file.fileName(), {}};
    buffer_.resize(read);
    return std::nullopt;
}

CountedResults GameFileReader::results(int slot, const ReportSelection& selection)
{
    CountedResults result;
    result.fault = load(slot);
    result.games.reserve(static_cast<std::size_t>(recordCount(bytes())));
    walkCountedGames(bytes(), selection, [&result](const char* record, const GameRecord& probe) {
        const GameRecordView game(record);
        result.games.push_back(
            GameResult{probe.gameNumber, probe.gameType, game.goalsFor(), game.goalsAgainst()});
    });
    return result;
}

std::optional<FileError> GameFileReader::countedRecords(
    int slot, const ReportSelection& selection, std::vector<GameRecordView>& games)
{
    games.clear();
    std::optional<FileError> fault = load(slot);
    games.reserve(static_cast<std::size_t>(recordCount(bytes())));
    walkCountedGames(bytes(), selection,
        [&games](const char* record, const GameRecord&) { games.emplace_back(record); });
    return fault;
}

QByteArray GameRecordView::bytesOf(const LeagueGame& game)
{
    QByteArray record(GameRecord::Length, ' ');
    putInteger(record.data(), GoalsForAt, game.goalsFor);
    putInteger(record.data(), GoalsAgainstAt, game.goalsAgainst);
    record[HomeAt] = game.homeGame;
    std::copy(game.date.begin(), game.date.end(), record.begin() + DateAt);
    std::copy(game.opponent.begin(), game.opponent.end(), record.begin() + OpponentAt);
    return record;
}

CountedGames GameFileReader::games(int slot, const ReportSelection& selection)
{
    CountedGames result;
    result.fault = load(slot);
    walkCountedGames(bytes(), selection, [&result](const char* record, const GameRecord&) {
        result.games.push_back(
            GameRecord::decode(QByteArray::fromRawData(record, GameRecord::Length)));
    });
    return result;
}

} // namespace scorvane
