#pragma once

#include "core/reports/TeamStatsReader.h"

#include <QList>

#include <vector>

namespace scorvane {

// Reads the teams' statistics on several threads when there are several teams, and returns
// their parts in the order of `slots`, exactly as reading them one after another would.
std::vector<TeamStatsPart> readTeamParts(const PlayerStatsInput& input, const QList<int>& slots);

} // namespace scorvane
