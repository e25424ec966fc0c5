#include "Shots.h"

namespace scorvane::shots {

// Pictures of the game list, game information, import and Name Your Own windows: filled in by that
// window area.
void ShotsGames(ShotContext& context)
{
    (void)context;
}

} // namespace scorvane::shots
