#include "core/entry/StatIndex.h"

#include "core/store/DataFiles.h"
#include "core/store/PlayerStatRecord.h"

#include <QtEndian>

#include <algorithm>

namespace scorvane {
namespace {

// Records read per block: large files are scanned a few hundred kilobytes at a time rather than
// one record per read.
constexpr qint32 RecordsPerBlock = 4096;

qint16 integerAt(const char* bytes)
{
    return qFromLittleEndian<qint16>(bytes);
}

} // namespace

StatIndex buildStatIndex(DataFiles& files, qint16 gameNumber, char gameType, char specialSelect)
{
    StatIndex index;
    index.StatRecordCount = files.recordCount(FileStats);
    constexpr qint64 length = PlayerStatRecord::Length;
    for (qint32 first = 1; first <= index.StatRecordCount && index.StatInsertPos == 0;
         first += RecordsPerBlock) {
        const qint32 count = std::min(RecordsPerBlock, index.StatRecordCount - first + 1);
        const QByteArray block = files.readBytes(FileStats, (first - 1) * length, count * length);
        for (qint32 i = 0; i < count; ++i) {
            const char* record = block.constData() + i * length;
            const qint32 r = first + i;
            const qint16 recordGame = integerAt(record);
            const char status = record[5];
            if (status == 'A' && recordGame == gameNumber) {
                if (index.FirstStatRecord == 0)
                    index.FirstStatRecord = r;
                const qint16 player = integerAt(record + 2);
                if (player >= 1 && player <= 99) {
                    index.StatRecordOf[player] = r;
                    ++index.playersRecorded;
                }
                if (record[7] != specialSelect || record[6] != gameType) {
                    auto result = PlayerStatRecord::decode(block.mid(i * length, length));
                    result.StatSpecialSelect = specialSelect;
                    result.StatGameType = gameType;
                    files.Put(FileStats, r, result);
                }
            } else if (recordGame > gameNumber) {
                index.StatInsertPos = r;
                break;
            }
        }
    }
    if (index.StatInsertPos == 0)
        index.StatInsertPos = index.StatRecordCount + 1;
    return index;
}

} // namespace scorvane
