#pragma once

#include "core/output/ExportTable.h"
#include "core/roster/PlayerContacts.h"

#include <QString>

#include <functional>

namespace scorvane {

struct AppState;
class OutputEngine;

// The line that places a player: city, state and zip joined as "City, ST 12345", "ST 12345" or
// "City 12345"; empty (no line at all) when neither city nor state is given, even with a zip.
QString placeLine(const QString& city, const QString& state, const QString& zip);

// Prints the roster of the current team through the output engine, with the print job's title
// and copies and the settings' page length as the print dialog left them: the page heading,
// one block per used number in ascending order, a new page whenever a page is full, a blank
// line and a form feed after every copy. `afterOpen` runs once the output is open (the window
// lets the printer settle there). Stops at once when the user gives up an output error.
void printRoster(AppState& state, const PlayerContactTable& contacts, OutputEngine& engine,
    const std::function<void()>& afterOpen = {});

// The roster as a table for a spreadsheet or a web page: one row per used number in ascending
// order, as the printout lists them, with the contact fields in columns of their own.
ExportTable rosterExportTable(const AppState& state, const PlayerContactTable& contacts);

} // namespace scorvane
