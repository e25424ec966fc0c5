#pragma once

#include "core/reports/PlayerStatsReport.h"

namespace scorvane {

class ErrorReporter;

// The player statistics report while its window is open: the computed table in its display
// order and the layout it is drawn and printed with. Each button of the window is one call here,
// taking the report's inputs as the program holds them at that moment.
class PlayerReportSession
{
public:
    // Computes with the request's selection; in team mode sorts by its sort. No minimum split: the
    // split is made only on request. An unreadable file goes to `reporter` (Retry reads again).
    void compute(const PlayerReportRequest& request, ErrorReporter& reporter);
    // Sorts by the request's sort (team mode); the split is dropped.
    void sort(const PlayerReportRequest& request);
    // Takes the request's columns; in team mode sorts again, splitting again when a split was
    // shown, so that the marker still stands between the two groups.
    void changeFormat(const PlayerReportRequest& request);
    // Moves the players below the request's minimum behind the marker; a minimum below 1 changes
    // nothing.
    void splitByMinimum(const PlayerReportRequest& request);

    // Prints the report as shown: the same rows, order and marker.
    bool print(const PrintChoices& choices, OutputEngine& engine) const;

    const PlayerStatsTable& table() const { return report_.table; }
    const PlayerReportLayout& layout() const { return report_.layout; }

private:
    PreparedPlayerReport report_;
};

} // namespace scorvane
