#include "core/state/StartUp.h"

#include "core/state/AppState.h"
#include "core/state/HelpTopics.h"
#include "core/state/Settings.h"
#include "core/store/TeamList.h"
#include "core/text/Paths.h"
#include "core/text/Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace scorvane {
namespace {

QString standardFolderName()
{
    return QStringLiteral("Quillmere Software/") + QString::fromLatin1(ProductName) + u'/';
}

// Copies a folder and everything in it, replacing files of the same name.
void copyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir source(from);
    const QFileInfoList entries = source.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString target = withSlash(to) + entry.fileName();
        if (entry.isDir()) {
            copyFolder(entry.absoluteFilePath(), target);
        } else {
            QFile::remove(target);
            QFile::copy(entry.absoluteFilePath(), target);
        }
    }
}

void yieldToWindowSystem(const std::function<void()>& yield)
{
    if (yield)
        yield();
}

} // namespace

ProgramFolders systemProgramFolders()
{
    ProgramFolders folders;
    folders.programFolder = withSlash(QCoreApplication::applicationDirPath());
    folders.programFilesFolder = QStringLiteral("/opt/");
    folders.commonDataFolder = QStringLiteral("/var/lib/");
    folders.tempFolder = withSlash(QDir::tempPath());
    folders.executableName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return folders;
}

bool installedInStandardPlace(const ProgramFolders& folders)
{
    const QString standard = withSlash(folders.programFilesFolder) + standardFolderName();
    return withSlash(folders.programFolder).compare(standard, Qt::CaseInsensitive) == 0;
}

QString sharedDataFolder(const ProgramFolders& folders)
{
    if (!installedInStandardPlace(folders))
        return withSlash(folders.programFolder);
    const QString shared = withSlash(folders.commonDataFolder) + standardFolderName();
    QDir().mkpath(shared); // a folder that cannot be made simply holds no marker
    return shared;
}

int moveProgramFilesOnFirstStart(const ProgramFolders& folders, const std::function<void()>& yield)
{
    if (!installedInStandardPlace(folders))
        return 0;
    const QString shared = sharedDataFolder(folders);
    const QString marker = shared + QStringLiteral("movefile.txt");
    if (!QFileInfo::exists(marker))
        return 0;
    QFile::remove(marker);

    const QString program = folders.executableName.toLower();
    const QDir programDir(folders.programFolder);
    const QFileInfoList entries = programDir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    int moved = 0;
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        const QString lower = name.toLower();
        if (entry.isDir()) {
            if (lower.trimmed() == u"help")
                continue;
            copyFolder(entry.absoluteFilePath(), shared + name);
            yieldToWindowSystem(yield);
            QDir(entry.absoluteFilePath()).removeRecursively();
        } else {
            // The program file itself (with or without ".exe") and log files stay.
            if (lower == program || lower == program + QStringLiteral(".exe")
                || lower.endsWith(QStringLiteral("log")))
                continue;
            QFile::remove(shared + name);
            QFile::copy(entry.absoluteFilePath(), shared + name);
            yieldToWindowSystem(yield);
            QFile::remove(entry.absoluteFilePath());
        }
        yieldToWindowSystem(yield);
        ++moved;
    }
    return moved;
}

QString pendingChangeText(const PendingChange& change)
{
    switch (change.kind) {
    case PendingChange::Kind::None:
        return {};
    case PendingChange::Kind::Finished:
        return QStringLiteral("The program stopped while %1. The change has now been completed: "
                              "%2.")
            .arg(change.operation.toLower(), change.files.join(QStringLiteral(", ")));
    case PendingChange::Kind::RolledBack:
        return QStringLiteral("The program stopped before a change was saved. The files were "
                              "left as they were before it: %1.")
            .arg(change.files.join(QStringLiteral(", ")));
    case PendingChange::Kind::StillPending:
        return QStringLiteral("The program stopped while %1, and the change cannot be completed "
                              "now: %2 could not be written. It will be tried again at the next "
                              "start.")
            .arg(change.operation.toLower(), change.failedPath);
    }
    return {};
}

StartOutcome startUp(AppState& state, const ProgramFolders& folders,
    const std::function<void()>& yield, StartNotes* notes)
{
    state.helpFilePath = locateHelpFile(withSlash(folders.programFolder), folders.tempFolder);
    state.teamChoice.selected.fill(false);

    if (Settings::load(state) != Settings::LoadResult::Loaded)
        return StartOutcome::SettingsCorrupt;
    moveProgramFilesOnFirstStart(folders, yield);

    if (notes) {
        notes->readOnlyFolder = false;
        switch (notes->lock.lock(state.settings.dataFolder)) {
        case DataFolderLock::Result::Locked:
            break;
        case DataFolderLock::Result::HeldByOther:
            return StartOutcome::FolderInUse;
        case DataFolderLock::Result::Unavailable:
            notes->readOnlyFolder = true;
            break;
        }
        notes->settingsChange = recoverPendingChange(state.settings.settingsFolder);
        if (!notes->readOnlyFolder)
            notes->dataChange = recoverPendingChange(state.settings.dataFolder);
    }

    if (notes) {
        notes->newDataFolder = !QFileInfo::exists(
            resolveInFolder(state.settings.dataFolder, QStringLiteral("KVTEAMS.DAT")));
    }
    state.teamChoice.listMissing = !state.files.tryOpenDataFile(FileTeamList);
    if (state.teamChoice.listMissing)
        return StartOutcome::DataFolderWindow;
    const TeamListCheck teamList
        = checkAndLoadTeamList(state.files, state.teamChoice.names, state.teamChoice.shortNames);
    if (notes)
        notes->teamList = teamList;
    return StartOutcome::TeamWindow;
}

void shutDown(AppState& state)
{
    state.files.closeDataFile(AllFiles);
    Settings::save(state);
    removeEmptyDataFiles(state.files.homeDataFolder());
}

} // namespace scorvane
