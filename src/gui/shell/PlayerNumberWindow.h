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
    bool queryClose() override;
    explicit PlayerNumberWindow(WindowHost& host);

private:
    void buildUi();
    void fillList();
    void okClicked();
    void closeClicked();

    PlayerContactTable contacts_;

    QListWidget* playerList_ = nullptr;
    QLineEdit* newNumberEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace scorvane
