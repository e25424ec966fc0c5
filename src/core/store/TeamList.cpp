#include "core/store/TeamList.h"

#include "core/store/TeamRecord.h"
#include "core/text/Blanks.h"

#include <QDateTime>
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
    record.teamName = longName;
    record.teamShortName = shortName;
    files.put(FileTeamList, slot, record);
}

TeamListCheck checkAndLoadTeamList(
    DataFiles& files, TeamNameTable& TeamNames, TeamNameTable& TeamShortNames)
{
    constexpr int Slots = 100;
    TeamListCheck check;
    files.closeDataFile(FileTeamList);
    files.openDataFile(FileTeamList);
    const qint64 length = files.fileLength(FileTeamList);
    if (length != Slots * TeamRecord::Length) {
        check.rebuilt = length > 0; // a new, empty list is filled, not reset
        if (length > 0) {
            // The names may still be readable by hand: keep the file before it is reset.
            const QString path = files.fileName(FileTeamList);
            check.keptAs
                = path + QDateTime::currentDateTime().toString(QStringLiteral(".yyyyMMdd-HHmmss"));
            if (!QFile::copy(path, check.keptAs))
                check.keptAs.clear();
        }
        const bool rebuilt = files.change(QStringLiteral("Resetting the team list"), [&] {
            files.truncate(FileTeamList);
            for (int slot = 1; slot <= Slots; ++slot)
                writeTeamNames(files, slot, defaultTeamName(slot), defaultTeamName(slot));
        });
        if (!rebuilt) {
            // Shown with the default names; the file stays as it was.
            for (int slot = 1; slot <= Slots; ++slot) {
                TeamNames[slot] = fitWidth(defaultTeamName(slot), 25);
                TeamShortNames[slot] = fitWidth(defaultTeamName(slot), 10);
            }
            return check;
        }
    }
    for (int slot = 1; slot <= Slots; ++slot) {
        const auto record = files.get<TeamRecord>(FileTeamList, slot);
        // Left-trimmed into a table of 25-character entries.
        TeamNames[slot] = fitWidth(leftTrimBlanks(record.teamName), 25);
        TeamShortNames[slot] = record.teamShortName;
    }
    return check;
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
