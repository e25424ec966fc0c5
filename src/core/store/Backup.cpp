#include "core/store/Backup.h"

#include "core/state/AppState.h"
#include "core/store/DataFiles.h"
#include "core/text/Paths.h"

#include "core/store/ChangeSet.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace scorvane {
namespace {

// A whole file read for copying; Retry repeats the read, anything else ends the program, as every
// other read does.
QByteArray guardedRead(ErrorReporter& reporter, const QString& path)
{
    for (;;) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            QByteArray bytes = file.readAll();
            if (file.error() == QFileDevice::NoError)
                return bytes;
        }
        const FileError error = FileError::fromErrno(errno != 0 ? errno : EIO, path);
        if (reporter.reportFileError(error) != ErrorReporter::Choice::Retry)
            reporter.endProgram();
    }
}

} // namespace

bool commitWithRetry(ErrorReporter& reporter, ChangeSet& set, const QString& folder)
{
    for (;;) {
        const ChangeSet::Outcome outcome = set.commit();
        if (outcome == ChangeSet::Outcome::Done)
            return true;
        FileError error = FileError::fromErrno(set.failedErrno(), set.failedPath());
        error.operation = set.operation();
        // A decided copy that is cancelled is finished by the next start-up (data folder) or
        // the next copy into the same folder.
        if (reporter.reportWriteError(error) != ErrorReporter::Choice::Retry)
            return false;
        if (outcome == ChangeSet::Outcome::Pending
            && recoverPendingChange(folder).kind != PendingChange::Kind::StillPending)
            return true;
    }
}

namespace {

bool sameEntry(const QString& a, const QString& b)
{
    struct stat first
    {
    };
    struct stat second
    {
    };
    return ::stat(QFile::encodeName(a).constData(), &first) == 0
        && ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev
        && first.st_ino == second.st_ino;
}

} // namespace

bool isWorkingFolder(const QString& target, const QString& dataPath)
{
    // The same folder reached through a link, "//" or "/./" is the same device and inode.
    if (sameEntry(target, dataPath))
        return true;
    return folderWithSlash(target).toUpper() == folderWithSlash(dataPath).toUpper();
}

BackupTexts backupTextsFor(BackupDirection direction)
{
    if (direction == BackupDirection::BackUp)
        return {QStringLiteral("Back Up Data Files"), QStringLiteral("Back up data files:"),
            QStringLiteral("To:"), QStringLiteral("Backs up ALL team and player files."),
            QStringLiteral("Can not back up to working directory"),
            QStringLiteral("Back Up Complete"), QStringLiteral(" files backed up!"), true};
    return {QStringLiteral("Restore Data Files"), QStringLiteral("Restore data files to:"),
        QStringLiteral("From:"), QStringLiteral("Restores team and player files."),
        QStringLiteral("Can not restore from working directory"),
        QStringLiteral("Restore Complete"), QStringLiteral(" files restored!"), false};
}

namespace {

// The non-empty "KV*.DAT" files of a folder, by name.
QStringList nonEmptyDataFiles(const QString& folder)
{
    const QString path = folderWithSlash(folder);
    QStringList names = QDir(path).entryList(
        {QStringLiteral("KV*.DAT")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    names.removeIf([&path](const QString& name) { return QFileInfo(path + name).size() == 0; });
    return names;
}

} // namespace

RestorePlan planRestore(const QString& backupFolder, const QString& dataPath)
{
    RestorePlan plan;
    plan.copied = nonEmptyDataFiles(backupFolder);
    QStringList copiedUpper;
    for (const QString& name : std::as_const(plan.copied))
        copiedUpper.append(name.toUpper());
    const QString data = folderWithSlash(dataPath);
    for (const QString& name : std::as_const(plan.copied)) {
        if (QFileInfo::exists(resolveInFolder(data, name)))
            ++plan.replaced;
    }
    for (const QString& name : nonEmptyDataFiles(dataPath)) {
        if (!copiedUpper.contains(name.toUpper()))
            plan.leftAlone.append(name);
    }
    return plan;
}

int copyDataFiles(AppState& state, const QString& from, const QString& to,
    const std::function<void(const QString&)>& copying, QString* keptFolder)
{
    state.files.closeDataFile(AllFiles);
    const QString source = folderWithSlash(from);
    const QString target = folderWithSlash(to);
    if (state.files.refusesWrite(target,
            keptFolder ? QStringLiteral("Restoring the data files")
                       : QStringLiteral("Backing up the data files")))
        return -1;
    recoverPendingChange(target); // a copy a crash cut short is finished or thrown away first
    const QStringList names = QDir(source).entryList(
        {QStringLiteral("KV*.DAT")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    ChangeSet copies(keptFolder ? QStringLiteral("Restoring the data files")
                                : QStringLiteral("Backing up the data files"));
    QStringList replaced;
    int count = 0;
    for (const QString& name : names) {
        if (QFileInfo(source + name).size() == 0)
            continue;
        // A file already in the target under another letter case (a folder copied from a
        // case-insensitive system) is replaced, not joined by a second copy the program would
        // not read.
        const QString destination = resolveInFolder(target, name);
        if (sameEntry(source + name, destination))
            continue; // one file under two names: copying it onto itself would only lose it
        if (copying)
            copying(source + name);
        copies.replace(destination, guardedRead(state.reporter, source + name));
        if (QFileInfo::exists(destination))
            replaced << destination;
        ++count;
    }
    if (keptFolder && !replaced.isEmpty()) {
        // The working files a restore replaces are kept inside the data folder, so a wrong
        // restore can be undone by hand.
        const QString kept = target
            + QDateTime::currentDateTime().toString(
                QStringLiteral("'before-restore-'yyyyMMdd-HHmmss/"));
        ChangeSet keep(QStringLiteral("Keeping the working files before the restore"));
        if (!QDir().mkpath(kept)) {
            FileError error = FileError::fromErrno(errno, kept);
            error.operation = keep.operation();
            state.reporter.reportWriteError(error);
            return -1;
        }
        for (const QString& path : replaced)
            keep.replace(kept + QFileInfo(path).fileName(), guardedRead(state.reporter, path));
        if (!commitWithRetry(state.reporter, keep, kept))
            return -1;
        *keptFolder = kept;
    }
    if (!commitWithRetry(state.reporter, copies, target))
        return -1;
    return count;
}

} // namespace scorvane
