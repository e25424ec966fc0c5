#include "core/games/GameFile.h"

#include "core/entry/StatIndex.h"
#include "core/store/DataFiles.h"
#include "core/store/PlayerStatRecord.h"

#include <algorithm>
#include <map>

namespace scorvane {

std::vector<ListedGame> readActiveGames(DataFiles& files, int fileNumber)
{
    std::vector<ListedGame> games;
    const qint32 count = files.recordCount(fileNumber);
    for (qint32 r = 1; r <= count; ++r) {
        GameRecord game = files.get<GameRecord>(fileNumber, r);
        if (game.gameStatus == 'A')
            games.push_back({r, std::move(game)});
    }
    return games;
}

int lineToSelect(int lineCount, qint16 currentGame)
{
    if (lineCount == 0)
        return -1;
    if (currentGame <= 0 || currentGame >= lineCount)
        return lineCount - 1;
    return currentGame - 1;
}

qint32 findGameRecord(DataFiles& files, qint16 gameNumber)
{
    const qint32 count = files.recordCount(FileGames);
    for (qint32 r = qMax<qint32>(gameNumber, 1); r <= count; ++r) {
        const auto game = files.get<GameRecord>(FileGames, r);
        if (game.gameNumber == gameNumber && game.gameStatus == 'A')
            return r;
    }
    return 0;
}

bool deleteGame(DataFiles& files, qint32 recordNumber)
{
    return files.change(
        QStringLiteral("Deleting the game"), [&] { deleteGameRecords(files, recordNumber); });
}

void deleteGameRecords(DataFiles& files, qint32 recordNumber)
{
    const qint32 count = files.recordCount(FileGames);
    if (recordNumber < 1 || recordNumber > count)
        return;
    auto deleted = files.get<GameRecord>(FileGames, recordNumber);
    const qint16 gameNumber = deleted.gameNumber;
    deleted.gameStatus = 'D';
    deleted.gameNumber
        = recordNumber == 1 ? 0 : files.get<GameRecord>(FileGames, recordNumber - 1).gameNumber;
    files.put(FileGames, recordNumber, deleted);

    for (qint32 r = recordNumber + 1; r <= count; ++r) {
        auto later = files.get<GameRecord>(FileGames, r);
        --later.gameNumber;
        files.put(FileGames, r, later);
    }

    const qint32 stats = files.recordCount(FileStats);
    for (qint32 r = 1; r <= stats; ++r) {
        auto result = files.get<PlayerStatRecord>(FileStats, r);
        if (result.gameNumber == gameNumber)
            result.statStatus = 'D';
        else if (result.gameNumber > gameNumber)
            --result.gameNumber;
        else
            continue;
        files.put(FileStats, r, result);
    }
}

qint32 appendGame(DataFiles& files, const GameRecord& game)
{
    const qint32 recordNumber = files.recordCount(FileGames) + 1;
    files.put(FileGames, recordNumber, game);
    return recordNumber;
}

void insertGame(DataFiles& files, qint32 recordNumber, const GameRecord& game)
{
    const qint32 count = files.recordCount(FileGames);
    // Last record first, so that no record is overwritten before it has moved.
    for (qint32 r = count; r >= recordNumber; --r) {
        auto moved = files.get<GameRecord>(FileGames, r);
        ++moved.gameNumber;
        files.put(FileGames, r + 1, moved);
    }
    files.put(FileGames, recordNumber, game);

    const qint32 stats = files.recordCount(FileStats);
    for (qint32 r = 1; r <= stats; ++r) {
        auto result = files.get<PlayerStatRecord>(FileStats, r);
        if (result.gameNumber >= game.gameNumber) {
            ++result.gameNumber;
            files.put(FileStats, r, result);
        }
    }
}

qint32 saveGame(DataFiles& files, GameEdit edit, qint32 recordNumber, const GameRecord& game)
{
    qint32 written = recordNumber;
    const bool saved = files.change(QStringLiteral("Saving the game"), [&] {
        if (edit == GameEdit::Insert && recordNumber >= 1)
            insertGame(files, recordNumber, game);
        else if (edit == GameEdit::Change && recordNumber >= 1)
            files.put(FileGames, recordNumber, game);
        else
            written = appendGame(files, game);
        updateCopiedGameFields(files, buildStatIndex(files, game.gameNumber), game);
    });
    return saved ? written : 0;
}

bool gameNumbersInOrder(DataFiles& files)
{
    qint16 expected = 1;
    for (const ListedGame& listed : readActiveGames(files, FileGames)) {
        if (listed.game.gameNumber != expected++)
            return false;
    }
    return true;
}

bool renumberGamesInRecordOrder(DataFiles& files)
{
    return files.change(QStringLiteral("Renumbering the games"), [&] {
        std::map<qint16, qint16> newNumberOf; // the first active game of an old number wins
        qint16 next = 0;
        const qint32 count = files.recordCount(FileGames);
        for (qint32 r = 1; r <= count; ++r) {
            auto game = files.get<GameRecord>(FileGames, r);
            if (game.gameStatus == 'A') {
                newNumberOf.try_emplace(game.gameNumber, ++next);
                game.gameNumber = next;
            } else {
                game.gameNumber = next;
            }
            files.put(FileGames, r, game);
        }

        const qint32 stats = files.recordCount(FileStats);
        std::vector<PlayerStatRecord> results;
        results.reserve(static_cast<std::size_t>(stats));
        for (qint32 r = 1; r <= stats; ++r) {
            auto result = files.get<PlayerStatRecord>(FileStats, r);
            if (const auto found = newNumberOf.find(result.gameNumber); found != newNumberOf.end())
                result.gameNumber = found->second;
            results.push_back(std::move(result));
        }
        std::stable_sort(results.begin(), results.end(),
            [](const PlayerStatRecord& a, const PlayerStatRecord& b) {
                return a.gameNumber < b.gameNumber;
            });
        QByteArray all;
        all.reserve(static_cast<qsizetype>(stats) * PlayerStatRecord::Length);
        for (const PlayerStatRecord& result : results)
            all += result.encode();
        files.writeBytes(FileStats, 0, all);
    });
}

} // namespace scorvane
