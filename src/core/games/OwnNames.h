#pragma once

#include <QString>

#include <array>

namespace scorvane {

struct AppState;

// The user's names for the seven game types and codes for the five spare statistics, as typed.
struct OwnNames
{
    std::array<QString, 7> gameTypes;
    std::array<QString, 5> statCodes;
};

// The names as the name-your-own window shows them: trailing blanks removed.
OwnNames currentOwnNames(const AppState& state);

// Takes the typed names into GameTypeNames (10 characters) and UserStatCodes (3 characters),
// trimmed at both ends; an empty name becomes GameType1..GameType7 or KV1..KV5 by its position.
// The report categories that show the user's codes follow at once.
void applyOwnNames(AppState& state, const OwnNames& names);

} // namespace scorvane
