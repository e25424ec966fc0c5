#pragma once

namespace scorvane {

// The kinds of child window the main window shows, one at a time.
enum WindowKind : int {
    WindowSelectTeam = 1,
    WindowStats = 2,
    WindowScores = 3,
    WindowRecord = 4,
    WindowRoster = 5,
    WindowStandings = 6,
    WindowGameMenu = 7,
    WindowGameScreen = 8,
    WindowPScreen = 9,
    WindowTeamName = 10,
    WindowDeleteFiles = 11,
    WindowPlayerNumber = 12,
    WindowNameYourOwn = 13,
    WindowDatapath = 14,
    WindowBackup = 15,
    WindowBegScreen = 16,
    WindowLeagueTable = 17,
};
inline constexpr int WindowKindCount = 17;

} // namespace scorvane
