#include "core/entry/StatIndex.h"

#include "core/store/DataFiles.h"
#include "core/store/GameRecord.h"
#include "core/store/PlayerStatRecord.h"

#include <algorithm>

namespace scorvane {
namespace {

// Records read per block: large files are scanned a few hundred kilobytes at a time rather than
// one record per read.
constexpr qint32 RecordsPerBlock = 4096;
constexpr qint64 Length = PlayerStatRecord::Length;

bool isActiveResultOf(const char* record, qint16 gameNumber)
{
    return record[PlayerStatAt::Status] == 'A'
        && integerAt(record, PlayerStatAt::GameNumber) == gameNumber;
}

// Calls `visit` with each record's number and bytes from `first` to `last`, a block at a time,
// until it returns false.
template <typename Visit> void scanRecords(DataFiles& files, qint32 first, qint32 last, Visit visit)
{
    for (qint32 start = first; start <= last; start += RecordsPerBlock) {
        const qint32 count = std::min(RecordsPerBlock, last - start + 1);
        const QByteArray block = files.readBytes(FileStats, (start - 1) * Length, count * Length);
        for (qint32 i = 0; i < count; ++i) {
            if (!visit(start + i, block.constData() + i * Length))
                return;
        }
    }
}

} // namespace

StatIndex buildStatIndex(DataFiles& files, qint16 gameNumber)
{
    StatIndex index;
    index.gameNumber = gameNumber;
    index.recordCount = files.recordCount(FileStats);
    scanRecords(files, 1, index.recordCount, [&](qint32 r, const char* record) {
        if (isActiveResultOf(record, gameNumber)) {
            if (index.firstRecord == 0)
                index.firstRecord = r;
            const qint16 player = integerAt(record, PlayerStatAt::PlayerNumber);
            if (player >= 1 && player <= 99) {
                index.recordOf[player] = r;
                ++index.playersRecorded;
            }
        } else if (integerAt(record, PlayerStatAt::GameNumber) > gameNumber) {
            index.insertPosition = r;
            return false;
        }
        return true;
    });
    if (index.insertPosition == 0)
        index.insertPosition = index.recordCount + 1;
    return index;
}

void updateCopiedGameFields(DataFiles& files, const StatIndex& index, const GameRecord& game)
{
    if (index.firstRecord == 0)
        return;
    scanRecords(
        files, index.firstRecord, index.insertPosition - 1, [&](qint32 r, const char* record) {
            if (isActiveResultOf(record, index.gameNumber)
                && (record[PlayerStatAt::SpecialSelect] != game.specialSelect
                    || record[PlayerStatAt::GameType] != game.gameType)) {
                auto result = PlayerStatRecord::decode(QByteArray(record, Length));
                result.statSpecialSelect = game.specialSelect;
                result.statGameType = game.gameType;
                files.put(FileStats, r, result);
            }
            return true;
        });
}

} // namespace scorvane
