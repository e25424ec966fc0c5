#include "Shots.h"

namespace scorvane::shots {

// Pictures of the player screen (frmPScreen): filled in by that window area.
void ShotsEntry(ShotContext& context)
{
    (void)context;
}

} // namespace scorvane::shots
