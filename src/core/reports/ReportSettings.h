#pragma once

#include "core/reports/ReportFormatList.h"

#include <QList>

namespace scorvane {

struct ProgramSettings;
struct TeamChoice;

// The report's 50 column slots and its sort as the settings hold them.
ChosenFormat currentFormat(const ProgramSettings& settings);
// Makes a chosen format (or a new sort) the report's columns and sort.
void applyFormat(ProgramSettings& settings, const ChosenFormat& format);

// The team slots chosen for a report, ascending; the current team alone when none is chosen.
QList<int> chosenTeams(const TeamChoice& teams);

} // namespace scorvane
