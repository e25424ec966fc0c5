#include "Shots.h"

namespace scorvane::shots {

// Pictures of the main window, the team window and the shell's own dialogs.
void ShotsShell(ShotContext& context)
{
    context.saveMain(QStringLiteral("main-window"));
}

} // namespace scorvane::shots
