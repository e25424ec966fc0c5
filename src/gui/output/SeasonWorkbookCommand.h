#pragma once

namespace scorvane {

class WindowHost;

// File > Export Season Workbook...: asks for a workbook file (the save dialog asks before an
// existing file is replaced), then writes one workbook holding the roster, the games, the player
// statistics, the record and the game scores of every chosen team, each on its own sheet, whole
// or not at all. A write that fails is offered again (Retry) or given up (Cancel), leaving any
// earlier file as it was. The team choice is taken before; the open window keeps its work. True
// when the workbook was written.
bool exportSeasonWorkbook(WindowHost& host);

} // namespace scorvane
