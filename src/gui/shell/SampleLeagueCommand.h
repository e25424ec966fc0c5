#pragma once

namespace scorvane {

class WindowHost;

// File > Open Sample League: makes the sample league the data folder, as choosing its folder in
// the Data Directory window does (WindowHost::changeDataFolder), writing the league there first
// when its folder holds no team list yet. Ends on the team window and tells the user how to
// return to the folder that was in use. False, with the data folder unchanged, when another copy
// of the program holds the sample folder or its files cannot be written.
bool openSampleLeague(WindowHost& host);

// The first start on an empty data folder: offers the sample league beside starting empty.
// True when the sample league was opened.
bool offerSampleLeague(WindowHost& host);

} // namespace scorvane
