#include "Shots.h"

#include "shell/gui/FrmHelp.h"

#include <QListWidget>

namespace scorvane::shots {

// Pictures of the main window, the team window and the shell's own windows.
void ShotsShell(ShotContext& context)
{
    FrmMDI& mdi = context.mdi;
    context.saveMain(QStringLiteral("team-window"));

    // Two teams chosen: the menus follow the count.
    if (QWidget* team = context.open(WindowSelectTeam)) {
        if (auto* list = team->findChild<QListWidget*>(QStringLiteral("lstSelectTeam"))) {
            list->item(0)->setSelected(true);
            list->item(1)->setSelected(true);
        }
        context.saveMain(QStringLiteral("team-window-two-teams"));
        mdi.CloseChildWindows();
        mdi.ShowWindow(WindowSelectTeam);
    }

    mdi.RunMenuCommand(QStringLiteral("mnuTeamName"));
    context.save(mdi.currentChild(), QStringLiteral("team-name"));
    mdi.RunMenuCommand(QStringLiteral("mnuDeleteFiles"));
    context.save(mdi.currentChild(), QStringLiteral("delete-files"));
    mdi.RunMenuCommand(QStringLiteral("mnuDataPath"));
    context.saveMain(QStringLiteral("data-directory"));
    mdi.RunMenuCommand(QStringLiteral("mnuBackUp"));
    context.save(mdi.currentChild(), QStringLiteral("back-up"));
    mdi.RunMenuCommand(QStringLiteral("mnuRestore"));
    context.save(mdi.currentChild(), QStringLiteral("restore"));
    mdi.RunMenuCommand(QStringLiteral("mnuAbout"));
    context.save(mdi.currentChild(), QStringLiteral("about"));

    mdi.ShowHelpTopic(QStringLiteral("10"));
    context.save(mdi.helpViewer(), QStringLiteral("help-overview"));
    mdi.ShowHelpTopic(QStringLiteral("240"));
    context.save(mdi.helpViewer(), QStringLiteral("help-statistics"));
    if (mdi.helpViewer() != nullptr)
        mdi.helpViewer()->close();

    mdi.CloseChildWindows();
    mdi.ShowWindow(WindowSelectTeam);
}

} // namespace scorvane::shots
