#pragma once

#include <QString>

#include <functional>

namespace scorvane {

struct AppState;

// True when `target` names the data folder itself, compared without regard to letter case (so a
// folder that differs only in case is refused, as it would be on a case-insensitive disk).
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
// first. `copying` is told each source file's full name before it is copied. Copy faults go to the
// error reporter (Retry repeats the copy; anything else ends the program).
int copyDataFiles(AppState& state, const QString& from, const QString& to,
    const std::function<void(const QString&)>& copying = {});

} // namespace scorvane
