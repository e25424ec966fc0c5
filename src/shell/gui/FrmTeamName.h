#pragma once

#include "ui/ChildWindow.h"

class QLineEdit;

namespace scorvane {

// Names the current team: a long name and a short name for multi-team reports.
class FrmTeamName : public ChildWindow
{
    Q_OBJECT

public:
    explicit FrmTeamName(WindowHost& host);

private:
    void ok();
    void useDefault();

    QLineEdit* txtTeamName_ = nullptr;
    QLineEdit* TxtShortTeamName_ = nullptr;
};

} // namespace scorvane
