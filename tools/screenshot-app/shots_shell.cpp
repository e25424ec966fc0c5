#include "Shots.h"

#include "gui/app/DesktopPrompter.h"
#include "gui/shell/HelpWindow.h"
#include "gui/shell/SampleLeagueCommand.h"

#include <QListWidget>
#include <QMenu>

namespace scorvane::shots {

// Pictures of the main window, the team window and the shell's own windows.
void shotsShell(ShotContext& context)
{
    MainWindow& mdi = context.mdi;
    context.saveMain(QStringLiteral("team-window"));

    // Two teams chosen: the menus follow the count.
    if (QWidget* team = context.open(WindowSelectTeam)) {
        if (auto* list = team->findChild<QListWidget*>(QStringLiteral("lstSelectTeam"))) {
            list->item(0)->setSelected(true);
            list->item(1)->setSelected(true);
        }
        context.saveMain(QStringLiteral("team-window-two-teams"));
        // The File menu with two teams chosen: Export Season Workbook among its commands.
        if (auto* file = mdi.findChild<QMenu*>(QStringLiteral("mnuFile"))) {
            file->popup(mdi.mapToGlobal(QPoint(0, 0)));
            ShotContext::settle();
            context.save(file, QStringLiteral("file-menu"));
            file->hide();
        }
        mdi.closeChildWindows();
        mdi.showWindow(WindowSelectTeam);
    }

    // Menu commands run from the team window, as a user chooses them.
    const auto fromTeamWindow = [&](const char* item) {
        mdi.closeChildWindows();
        context.state.teamChoice.selected.fill(false);
        context.state.teamChoice.selected[1] = true; // the first team alone
        mdi.showWindow(WindowSelectTeam);
        mdi.runMenuCommand(QString::fromLatin1(item));
        ShotContext::settle();
    };
    fromTeamWindow("mnuTeamName");
    context.save(mdi.currentChild(), QStringLiteral("team-name"));
    fromTeamWindow("mnuDeleteFiles");
    context.save(mdi.currentChild(), QStringLiteral("delete-files"));
    fromTeamWindow("mnuDataPath");
    context.saveMain(QStringLiteral("data-directory"));
    fromTeamWindow("mnuBackUp");
    context.save(mdi.currentChild(), QStringLiteral("back-up"));
    fromTeamWindow("mnuRestore");
    context.save(mdi.currentChild(), QStringLiteral("restore"));
    // About is a dialog above the open window: pictured while it runs, then closed.
    context.saveNextModal(QStringLiteral("about"));
    fromTeamWindow("mnuAbout");

    // The first start on an empty data folder offers the sample league. The shots' prompter
    // declines it and keeps the message, which the desktop prompter then shows as a user sees it.
    context.prompter.asked.clear();
    offerSampleLeague(mdi);
    if (!context.prompter.asked.isEmpty()) {
        DesktopPrompter desktop;
        context.saveNextModal(QStringLiteral("first-start-offer"));
        desktop.ask(&mdi, context.prompter.asked.constLast());
    }

    mdi.showHelpTopic(QStringLiteral("10"));
    context.save(mdi.helpViewer(), QStringLiteral("help-overview"));
    mdi.showHelpTopic(QStringLiteral("240"));
    context.save(mdi.helpViewer(), QStringLiteral("help-statistics"));
    if (mdi.helpViewer() != nullptr)
        mdi.helpViewer()->close();

    mdi.closeChildWindows();
    mdi.showWindow(WindowSelectTeam);
}

} // namespace scorvane::shots
