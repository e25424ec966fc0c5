#include "Shots.h"

#include "core/teams/TeamSelection.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>

namespace scorvane::shots {

// Pictures of the player screen for the first sample team: a played player selected, a new
// figure typed for another with the Edit menu offering to undo it, and the team totals view.
void shotsEntry(ShotContext& context)
{
    TeamLines first{};
    first[0] = true;
    takeTeamSelection(context.state, first);
    context.state.currentGame.number = 2;

    // The boxes only take the focus (and the message line its text) in the active window.
    context.mdi.activateWindow();
    ShotContext::settle();
    QWidget* screen = context.open(WindowPScreen);
    if (screen == nullptr)
        return;
    auto* table = screen->findChild<QTableWidget*>(QStringLiteral("tblPlayerList"));
    table->setCurrentCell(2, 1);
    context.save(screen, QStringLiteral("entry-pscreen"));
    context.saveMain(QStringLiteral("entry-pscreen-in-main-window"));

    // One player marked as not played (no ball), then a figure typed for another.
    table->setCurrentCell(4, 1);
    screen->findChild<QCheckBox*>(QStringLiteral("chkPlayed"))->click();
    table->setCurrentCell(5, 1);
    auto* goals = screen->findChild<QLineEdit*>(QStringLiteral("txtCat2"));
    goals->setFocus();
    goals->setText(QStringLiteral("2"));
    context.save(screen, QStringLiteral("entry-pscreen-editing"));

    // The Edit menu naming the screen's last step: the figure just typed.
    if (auto* edit = context.mdi.findChild<QMenu*>(QStringLiteral("mnuEdit"))) {
        edit->popup(context.mdi.mapToGlobal(QPoint(40, context.mdi.menuBar()->height())));
        context.save(edit, QStringLiteral("entry-pscreen-edit-menu"));
        edit->hide();
    }

    screen->findChild<QPushButton*>(QStringLiteral("cmdTeam"))->click();
    context.save(screen, QStringLiteral("entry-pscreen-team-totals"));

    context.mdi.closeChildWindows();
    context.mdi.setExitEnabled(true);
    context.mdi.showWindow(WindowSelectTeam);
}

} // namespace scorvane::shots
