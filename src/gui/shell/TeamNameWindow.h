#pragma once

#include "gui/app/ChildWindow.h"

class QLineEdit;

namespace scorvane {

// Names the current team: a long name and a short name for multi-team reports.
class TeamNameWindow : public ChildWindow
{
    Q_OBJECT

public:
    explicit TeamNameWindow(WindowHost& host);

private:
    void ok();
    void useDefault();

    QLineEdit* teamNameEdit_ = nullptr;
    QLineEdit* shortTeamNameEdit_ = nullptr;
};

} // namespace scorvane
