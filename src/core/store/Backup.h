#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace scorvane {

struct AppState;
class ChangeSet;
class ErrorReporter;

// Commits the change, offering Retry on a write error. False when cancelled: nothing changed.
// A change decided but not finished is finished by the next start-up or copy into `folder`.
bool commitWithRetry(ErrorReporter& reporter, ChangeSet& set, const QString& folder);

// True when `target` names the data folder itself: the same folder on disk (device and inode, so
// links and doubled slashes are seen through), or the same name without regard to letter case (so
// a folder that differs only in case is refused, as it would be on a case-insensitive disk).
bool isWorkingFolder(const QString& target, const QString& dataPath);

// Which way the back-up window copies: from the data folder to another, or back.
enum class BackupDirection { BackUp, Restore };

// The caption, labels and messages of the back-up window.
struct BackupTexts
{
    QString caption;
    QString fromLabel;
    QString toLabel;
    QString note;
    QString refusal;    // shown when the chosen folder is the data folder
    QString doneTitle;  // "Back Up Complete" / "Restore Complete"
    QString doneSuffix; // " files backed up!" / " files restored!"
    bool showsPattern;  // the path label shows the data folder & "*.DAT"
};
BackupTexts backupTextsFor(BackupDirection direction);

// Copies every non-empty "KV*.DAT" file (any letter case) of `from` into `to`, replacing files of
// the same name in any letter case, and returns how many were copied. Every data file is closed
// first. `copying` is told each source file's full name before it is copied. The files are
// written beside their targets and put in place together (ChangeSet), so a failed copy leaves
// the target folder as it was: a write error offers Retry, and Cancel gives -1. A source and
// target that are one file are skipped.
//
// With `keptFolder` (a restore), the files of `to` that the copy replaces are first kept in a new
// folder "before-restore-<date>-<time>/" inside `to`, whose name is given back.
int copyDataFiles(AppState& state, const QString& from, const QString& to,
    const std::function<void(const QString&)>& copying = {}, QString* keptFolder = nullptr);

// What restoring from `backupFolder` into the data folder would do, found before anything is
// copied: the files copied (the non-empty "KV*.DAT" files of the backup), how many of them
// replace a file of the data folder, and the data folder's non-empty data files that the backup
// does not hold, which a restore leaves as they are. Names compare without regard to case.
struct RestorePlan
{
    QStringList copied;
    int replaced = 0;
    QStringList leftAlone;
};
RestorePlan planRestore(const QString& backupFolder, const QString& dataPath);

} // namespace scorvane
