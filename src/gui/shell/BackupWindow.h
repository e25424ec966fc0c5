#pragma once

#include "core/store/Backup.h"
#include "gui/app/ChildWindow.h"

class QLabel;

namespace scorvane {

class FolderPicker;

// Copies every data file to a chosen folder (backing up) or from it (restoring).
class BackupWindow : public ChildWindow
{
    Q_OBJECT

public:
    BackupWindow(WindowHost& host, BackupDirection direction);

private:
    void ok();
    // Asks before a restore overwrites the working files; true to go on.
    bool confirmRestore(const QString& backupFolder, const RestorePlan& plan);
    QString patternText();

    BackupDirection direction_;
    BackupTexts texts_;
    FolderPicker* picker_ = nullptr;
    QLabel* pathDescLabel_ = nullptr;
};

} // namespace scorvane
