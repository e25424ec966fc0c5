#pragma once

#include "ui/ChildWindow.h"

namespace scorvane {

// Deletes the current team's roster, games and statistics after a warning and a question.
class FrmDeleteFiles : public ChildWindow
{
    Q_OBJECT

public:
    explicit FrmDeleteFiles(WindowHost& host);

private:
    void deleteFiles();
};

} // namespace scorvane
