#include "core/reports/CountedGames.h"

#include "core/reports/GameTest.h"
#include "core/store/DataFiles.h"

#include <QFile>

#include <algorithm>

namespace scorvane {

namespace {

// Byte positions inside a 150-byte game record.
constexpr int NumberAt = 0;
constexpr int StatusAt = 2;
constexpr int GoalsForAt = 56;
constexpr int GoalsAgainstAt = 58;
constexpr int TypeAt = 118;
constexpr int SpecialAt = 120;

qint16 integerAt(const char* record, int offset)
{
    const auto low = static_cast<quint8>(record[offset]);
    const auto high = static_cast<quint8>(record[offset + 1]);
    return static_cast<qint16>(low | (high << 8));
}

// Reads the file whole and hands every counted record to `take`. Only the fields the game
// test reads are filled in the probe, which is reused so that skipped games cost no copies.
template <typename Take>
QString walkCountedGames(const QString& path, const ReportSelection& selection, Take take)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists())
            return {};
        return QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("cannot read %1: %2").arg(path, file.errorString());

    const qsizetype count = bytes.size() / GameRecord::Length;
    GameRecord probe;
    for (qsizetype index = std::max(selection.fromGame, 1) - 1; index < count; ++index) {
        const char* record = bytes.constData() + index * GameRecord::Length;
        probe.GameNumber = integerAt(record, NumberAt);
        if (probe.GameNumber > selection.toGame)
            break;
        probe.GameStatus = record[StatusAt];
        probe.GameType = record[TypeAt];
        probe.SpecialSelect = record[SpecialAt];
        if (gameCounts(selection, probe))
            take(record, probe);
    }
    return {};
}

} // namespace

CountedResults readCountedResults(const QString& gameFile, const ReportSelection& selection)
{
    CountedResults result;
    result.error = walkCountedGames(
        gameFile, selection, [&result](const char* record, const GameRecord& probe) {
            result.games.push_back(GameResult{probe.GameNumber, probe.GameType,
                integerAt(record, GoalsForAt), integerAt(record, GoalsAgainstAt)});
        });
    return result;
}

CountedGames readCountedGames(const QString& gameFile, const ReportSelection& selection)
{
    CountedGames result;
    result.error
        = walkCountedGames(gameFile, selection, [&result](const char* record, const GameRecord&) {
              result.games.push_back(
                  GameRecord::decode(QByteArray::fromRawData(record, GameRecord::Length)));
          });
    return result;
}

QString teamGameFile(const QString& dataFolder, int slot)
{
    return resolveInFolder(
        dataFolder, QStringLiteral("KVGS") + QString::number(slot) + QStringLiteral(".DAT"));
}

} // namespace scorvane
