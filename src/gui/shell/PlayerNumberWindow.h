#pragma once

#include "core/roster/PlayerContacts.h"
#include "gui/app/ChildWindow.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace scorvane {

// Gives one player of the current team a new number in every file at once: statistics, roster
// and contact details. The contact file is rewritten on Close.
class PlayerNumberWindow : public ChildWindow
{
    Q_OBJECT

public:
    bool QueryClose() override;
    explicit PlayerNumberWindow(WindowHost& host);

private:
    void buildUi();
    void fillList();
    void cmdOK_Click();
    void cmdClose_Click();

    PlayerContactTable contacts_;

    QListWidget* lstPlayer = nullptr;
    QLineEdit* txtNewNumber = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace scorvane
