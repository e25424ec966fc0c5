#pragma once

#include "gui/app/ChildWindow.h"

class QLabel;
class QPushButton;

namespace scorvane {

class FolderPicker;

// Chooses the data folder. Opened from the File menu, or at start-up when the team list could
// not be opened (then a folder must be chosen: there is no Cancel).
class DataFolderWindow : public ChildWindow
{
    Q_OBJECT

public:
    explicit DataFolderWindow(WindowHost& host);
    void opened() override;

private:
    void ok();

    FolderPicker* picker_ = nullptr;
    QLabel* pathDescLabel_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace scorvane
