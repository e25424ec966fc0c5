#include "entry/StatIndex.h"

#include "store/DataFiles.h"
#include "store/PlayerStatRecord.h"

namespace scorvane {

StatIndex BuildStatIndex(DataFiles& files, qint16 gameNumber, char gameType, char specialSelect)
{
    StatIndex index;
    index.StatRecordCount = files.RecordCount(FileStats);
    if (index.StatRecordCount == 0) {
        index.StatInsertPos = 1;
        return index;
    }
    for (qint32 r = 1; r <= index.StatRecordCount; ++r) {
        auto record = files.Get<PlayerStatRecord>(FileStats, r);
        if (record.StatStatus == 'A' && record.GameNumber == gameNumber) {
            if (index.FirstStatRecord == 0)
                index.FirstStatRecord = r;
            if (record.PlayerNumber >= 1 && record.PlayerNumber <= 99) {
                index.StatRecordOf[record.PlayerNumber] = r;
                ++index.PlayersRecorded;
            }
            if (record.StatSpecialSelect != specialSelect || record.StatGameType != gameType) {
                record.StatSpecialSelect = specialSelect;
                record.StatGameType = gameType;
                files.Put(FileStats, r, record);
            }
        } else if (record.GameNumber > gameNumber) {
            index.StatInsertPos = r;
            break;
        }
    }
    if (index.StatInsertPos == 0)
        index.StatInsertPos = index.StatRecordCount + 1;
    return index;
}

} // namespace scorvane
