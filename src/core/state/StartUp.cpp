#include "core/state/StartUp.h"

#include "core/state/AppState.h"
#include "core/state/HelpTopics.h"
#include "core/state/Settings.h"
#include "core/store/TeamList.h"
#include "core/text/Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace scorvane {
namespace {

QString WithSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString StandardFolderName()
{
    return QStringLiteral("Quillmere Software/") + QString::fromLatin1(ProductName) + u'/';
}

// Copies a folder and everything in it, replacing files of the same name.
void CopyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir source(from);
    const QFileInfoList entries = source.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString target = WithSlash(to) + entry.fileName();
        if (entry.isDir()) {
            CopyFolder(entry.absoluteFilePath(), target);
        } else {
            QFile::remove(target);
            QFile::copy(entry.absoluteFilePath(), target);
        }
    }
}

void Yield(const std::function<void()>& yield)
{
    if (yield)
        yield();
}

} // namespace

ProgramFolders SystemProgramFolders()
{
    ProgramFolders folders;
    folders.programFolder = WithSlash(QCoreApplication::applicationDirPath());
    folders.programFilesFolder = QStringLiteral("/opt/");
    folders.commonDataFolder = QStringLiteral("/var/lib/");
    folders.tempFolder = WithSlash(QDir::tempPath());
    folders.executableName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return folders;
}

bool InstalledInStandardPlace(const ProgramFolders& folders)
{
    const QString standard = WithSlash(folders.programFilesFolder) + StandardFolderName();
    return WithSlash(folders.programFolder).compare(standard, Qt::CaseInsensitive) == 0;
}

QString SharedDataFolder(const ProgramFolders& folders)
{
    if (!InstalledInStandardPlace(folders))
        return WithSlash(folders.programFolder);
    const QString shared = WithSlash(folders.commonDataFolder) + StandardFolderName();
    QDir().mkpath(shared); // a folder that cannot be made simply holds no marker
    return shared;
}

int MoveProgramFilesOnFirstStart(const ProgramFolders& folders, const std::function<void()>& yield)
{
    if (!InstalledInStandardPlace(folders))
        return 0;
    const QString shared = SharedDataFolder(folders);
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
            CopyFolder(entry.absoluteFilePath(), shared + name);
            Yield(yield);
            QDir(entry.absoluteFilePath()).removeRecursively();
        } else {
            // The program file itself (with or without ".exe") and log files stay.
            if (lower == program || lower == program + QStringLiteral(".exe")
                || lower.endsWith(QStringLiteral("log")))
                continue;
            QFile::remove(shared + name);
            QFile::copy(entry.absoluteFilePath(), shared + name);
            Yield(yield);
            QFile::remove(entry.absoluteFilePath());
        }
        Yield(yield);
        ++moved;
    }
    return moved;
}

StartOutcome StartUp(
    AppState& state, const ProgramFolders& folders, const std::function<void()>& yield)
{
    state.ProgramFolder = WithSlash(folders.programFolder);
    state.HelpFilePath = LocateHelpFile(state.ProgramFolder, folders.tempFolder);

    state.WindowOpen.fill(false);
    state.TeamSelected.fill(QStringLiteral("N"));
    state.GameTypeOn.fill(true);
    state.TeamWindowShown = false;

    if (Settings::Load(state) != Settings::LoadResult::Loaded)
        return StartOutcome::SettingsCorrupt;
    if (state.ProgramCode.isEmpty())
        return StartOutcome::InternalError;
    MoveProgramFilesOnFirstStart(folders, yield);

    state.TeamListError.clear();
    if (!state.Files.TryOpenDataFile(FileTeamList)) {
        state.TeamListError = QStringLiteral("E");
        return StartOutcome::DataFolderWindow;
    }
    CheckAndLoadTeamList(state.Files, state.TeamNames, state.TeamShortNames);
    state.TeamListLoaded = true;
    return StartOutcome::TeamWindow;
}

void ShutDown(AppState& state)
{
    state.Files.CloseDataFile(AllFiles);
    Settings::Save(state);
    RemoveEmptyDataFiles(state.DataPath);
}

} // namespace scorvane
