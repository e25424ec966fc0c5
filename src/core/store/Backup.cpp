#include "core/store/Backup.h"

#include "core/state/AppState.h"
#include "core/store/DataFiles.h"
#include "core/text/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace scorvane {
namespace {

// One whole-file copy with the system's error number kept for the error reporter.
bool copyOnce(const QString& from, const QString& to)
{
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    const int out
        = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) {
        const int saved = errno;
        ::close(in);
        errno = saved;
        return false;
    }
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0) {
            ok = false;
            break;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out, buffer + done, static_cast<size_t>(got - done));
            if (put < 0) {
                ok = false;
                break;
            }
            done += put;
        }
        if (!ok)
            break;
    }
    const int saved = errno;
    if (::close(out) != 0 && ok)
        return false;
    ::close(in);
    errno = saved;
    return ok;
}

void guardedCopy(ErrorReporter& reporter, const QString& from, const QString& to)
{
    for (;;) {
        if (copyOnce(from, to))
            return;
        const FileError error = FileError::fromErrno(errno, to);
        if (reporter.reportFileError(error) != ErrorReporter::Choice::Retry)
            reporter.endProgram();
    }
}

} // namespace

bool isWorkingFolder(const QString& target, const QString& dataPath)
{
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

int copyDataFiles(AppState& state, const QString& from, const QString& to,
    const std::function<void(const QString&)>& copying)
{
    state.files.closeDataFile(AllFiles);
    const QString source = folderWithSlash(from);
    const QString target = folderWithSlash(to);
    const QStringList names = QDir(source).entryList(
        {QStringLiteral("KV*.DAT")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    int count = 0;
    for (const QString& name : names) {
        if (QFileInfo(source + name).size() == 0)
            continue;
        if (copying)
            copying(source + name);
        // A file already in the target under another letter case (a folder copied from a
        // case-insensitive system) is replaced, not joined by a second copy the program would
        // not read.
        guardedCopy(state.reporter, source + name, resolveInFolder(target, name));
        ++count;
    }
    return count;
}

} // namespace scorvane
