#pragma once

#include "shell/Backup.h"
#include "ui/ChildWindow.h"

class QLabel;

namespace scorvane {

class FolderPicker;

// Copies every data file to a chosen folder (back-up mode) or from it (restore mode).
class FrmBackup : public ChildWindow
{
    Q_OBJECT

public:
    explicit FrmBackup(WindowHost& host);

private:
    void ok();
    QString patternText();

    BackupTexts texts_;
    FolderPicker* picker_ = nullptr;
    QLabel* lblPathDesc_ = nullptr;
};

} // namespace scorvane
