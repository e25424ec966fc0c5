#include "core/store/TeamList.h"

#include "core/store/TeamRecord.h"
#include "core/text/Blanks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace scorvane {

QString defaultTeamName(int slot)
{
    return QStringLiteral("Team ") + QString::number(slot);
}

void writeTeamNames(DataFiles& files, int slot, const QString& longName, const QString& shortName)
{
    TeamRecord record;
    record.TeamName = longName;
    record.TeamShortName = shortName;
    files.Put(FileTeamList, slot, record);
}

void checkAndLoadTeamList(DataFiles& files, TeamNameTable& TeamNames, TeamNameTable& TeamShortNames)
{
    constexpr int Slots = 100;
    files.closeDataFile(FileTeamList);
    files.openDataFile(FileTeamList);
    if (files.fileLength(FileTeamList) != Slots * TeamRecord::Length) {
        files.killDataFile(FileTeamList);
        files.openDataFile(FileTeamList);
        for (int slot = 1; slot <= Slots; ++slot)
            writeTeamNames(files, slot, defaultTeamName(slot), defaultTeamName(slot));
    }
    for (int slot = 1; slot <= Slots; ++slot) {
        const auto record = files.Get<TeamRecord>(FileTeamList, slot);
        // Left-trimmed into a table of 25-character entries.
        TeamNames[slot] = fitWidth(leftTrimBlanks(record.TeamName), 25);
        TeamShortNames[slot] = record.TeamShortName;
    }
}

int removeEmptyDataFiles(const QString& folder)
{
    // Name filters match without regard to case, so files copied as "kvps3.dat" are cleaned too.
    const QDir dir(folder);
    const QFileInfoList entries
        = dir.entryInfoList({QStringLiteral("KV*.DAT")}, QDir::Files | QDir::Hidden | QDir::System);
    int removed = 0;
    for (const QFileInfo& entry : entries) {
        if (entry.size() != 0)
            continue;
        if (!QFile::remove(entry.absoluteFilePath()))
            break;
        ++removed;
    }
    return removed;
}

} // namespace scorvane
