#pragma once

#include "GameBytes.h"

#include "core/store/ChangeSet.h"
#include "core/store/DataFolderLock.h"
#include "core/store/SettingsRecord.h"
#include "core/store/TeamRecord.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace scorvane::testing {

// Every file of the folders a change may touch, by folder tag and name. The folder lock is left
// out: it belongs to the running program, not to the data.
using FolderSnapshot = std::map<QString, QByteArray>;

inline void addFolder(FolderSnapshot& snapshot, const QString& tag, const QString& folder)
{
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (name != DataFolderLock::lockFileName())
            snapshot[tag + u'/' + name] = readWholeFile(folder + name);
    }
}

// Runs `work` in a child process and returns its pid; the child ends without any clean-up.
template <typename Work> pid_t runInChild(Work work)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        work();
        ::_exit(0);
    }
    return pid;
}

// Kills `child` once `micros` microseconds have passed, waits for it, and finishes any change it
// left half done in `dataFolder`, as the program's next start does.
inline void killAndRecover(pid_t child, int micros, const QString& dataFolder)
{
    ::usleep(static_cast<useconds_t>(micros));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    recoverPendingChange(dataFolder);
}

// A team list of all 100 slots, "Team 1" ("T1") to "Team 100" ("T100").
inline QByteArray numberedTeamList()
{
    QByteArray teams;
    for (int slot = 1; slot <= 100; ++slot) {
        TeamRecord record;
        record.teamName = QStringLiteral("Team %1").arg(slot);
        record.teamShortName = QStringLiteral("T%1").arg(slot);
        teams += record.encode();
    }
    return teams;
}

// Equal snapshots, or the names of the files that differ.
inline ::testing::AssertionResult sameFiles(const FolderSnapshot& now, const FolderSnapshot& want)
{
    if (now == want)
        return ::testing::AssertionSuccess();
    QStringList differ;
    for (const auto& [name, bytes] : now) {
        const auto other = want.find(name);
        if (other == want.end())
            differ << name + QStringLiteral(" (extra)");
        else if (other->second != bytes)
            differ << name + QStringLiteral(" (differs)");
    }
    for (const auto& [name, bytes] : want) {
        if (!now.contains(name))
            differ << name + QStringLiteral(" (missing)");
    }
    return ::testing::AssertionFailure() << differ.join(QStringLiteral(", ")).toStdString();
}

// A whole team in a fresh folder: team list, roster, five games with two results each,
// contacts and the settings file; team 1 chosen as the team window chooses it.
struct TeamFolder : TempState
{
    QString backup; // a second folder for back up and restore

    explicit TeamFolder(int extraResults = 0)
    {
        const QByteArray teams = numberedTeamList();
        writeWholeFile(state.settings.dataFolder + QStringLiteral("KVTEAMS.DAT"), teams);
        writeWholeFile(state.settings.dataFolder + QStringLiteral("KVPN1.DAT"),
            nameBytes(10, "Ann") + nameBytes(11, "Bea") + nameBytes(12, "Cal"));
        const QByteArray games = numberedGames(5);
        QByteArray results = resultsOfGames(5, 10, 11);
        // Later games' results in bulk, so a renumbering has much to move.
        for (int i = 0; i < extraResults; ++i)
            results += statBytes(5, 20 + i % 70);
        writeWholeFile(state.settings.dataFolder + QStringLiteral("KVGS1.DAT"), games);
        writeWholeFile(state.settings.dataFolder + QStringLiteral("KVPS1.DAT"), results);
        writeWholeFile(state.settings.dataFolder + QStringLiteral("KVPI1.DAT"),
            InfoBytes{10, "555-0100", "1 Main St"}.bytes()
                + InfoBytes{11, "555-0111", "", "", "Town"}.bytes());
        writeWholeFile(state.settings.settingsFolder + QStringLiteral("QMKV.INI"), settingsBytes());

        backup = dir.path() + QStringLiteral("/backup/");
        QDir().mkpath(backup);
        writeWholeFile(backup + QStringLiteral("KVPN1.DAT"), nameBytes(40, "Old"));
        writeWholeFile(backup + QStringLiteral("KVTEAMS.DAT"), teams);

        checkAndLoadTeamList(state.files, state.teamChoice.names, state.teamChoice.shortNames);
        chooseTeam(state, 1);
    }

    static QByteArray settingsBytes()
    {
        SettingsRecord record;
        record.linesPerPage = 60;
        return record.encode();
    }

    FolderSnapshot snapshot() const
    {
        FolderSnapshot all;
        addFolder(all, QStringLiteral("data"), state.settings.dataFolder);
        addFolder(all, QStringLiteral("settings"), state.settings.settingsFolder);
        addFolder(all, QStringLiteral("backup"), backup);
        return all;
    }
};

} // namespace scorvane::testing
