#pragma once

#include "core/text/Formatting.h"

#include <QString>

namespace scorvane {

struct GameRecord;

// The one-line description of a game in the game lists.
QString gameLine(const GameRecord& game, const GameTypeNameTable& gameTypeNames);

// The name of game type byte "1".."7"; any other byte has no name (blank).
QString gameTypeName(char gameType, const GameTypeNameTable& gameTypeNames);

} // namespace scorvane
