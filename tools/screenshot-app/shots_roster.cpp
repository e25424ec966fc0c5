#include "Shots.h"

namespace scorvane::shots {

// Pictures of the roster window (frmRoster) and the player number change: filled in by that window
// area.
void ShotsRoster(ShotContext& context)
{
    (void)context;
}

} // namespace scorvane::shots
