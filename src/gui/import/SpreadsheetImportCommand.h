#pragma once

namespace scorvane {

class WindowHost;

// File > Import from Spreadsheet: closes the open window, asks for a file, reads it and shows the
// import dialog for the current team; a file that is no spreadsheet is refused with a message.
// Ends on the team window, with the main window's status bar saying what an import stored.
void importFromSpreadsheet(WindowHost& host);

} // namespace scorvane
