#pragma once

#include <QPixmap>

namespace scorvane {

// The row markers of the player table: a soccer ball for a player who played, nothing for one who
// did not, each in a plain variant and a highlighted one for the selected row.
enum class Marker { BallHL, BallNH, NoBallHL, NoBallNH };

QPixmap drawMarker(Marker marker, int size);

// The marker's picture-holder name ("picBallHL", ...), kept with each table cell.
const char* MarkerName(Marker marker);

} // namespace scorvane
