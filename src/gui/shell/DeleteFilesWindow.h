#pragma once

#include "gui/app/ChildWindow.h"

namespace scorvane {

// Deletes the current team's roster, games and statistics after a warning and a question.
class DeleteFilesWindow : public ChildWindow
{
    Q_OBJECT

public:
    explicit DeleteFilesWindow(WindowHost& host);

private:
    void deleteFiles();
};

} // namespace scorvane
