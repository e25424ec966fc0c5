#pragma once

#include "gui/app/ChildWindow.h"
#include "gui/app/TeamListView.h"

class QLabel;
class QListWidget;

namespace scorvane {

// The team window, home of the program: the 100 team slots, one or several of which are chosen
// for the menu commands.
class TeamWindow : public ChildWindow, public TeamListView
{
    Q_OBJECT

public:
    explicit TeamWindow(WindowHost& host);

    TeamLines selectedLines() const override;
    int countSelected() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void selectionChanged();

    QListWidget* selectTeamList_ = nullptr;
    QLabel* numberOfTeamsLabel_ = nullptr;
    bool loading_ = true;
};

} // namespace scorvane
