#pragma once

#include <QString>

namespace scorvane {

// A winning percentage in the "###.000" form: three decimals, rounded half away from zero, and
// no digit before the point below 1 (".500", "1.000", ".000").
QString winningPctText(float pct);

// The same percentage for a spreadsheet: "0.625", "1.000".
QString rawWinningPct(float pct);

// Games behind in the "####.0" form from the difference in wins minus losses: half of it, with
// no digit before the point below 1 (".5", "1.0", "12.5").
QString gamesBehindText(int winsMinusLossesBehind);

// The result word of a game from the team's side: "WON"/"Lost"/"Tie" in the printed lines.
QString printedResultWord(qint16 goalsFor, qint16 goalsAgainst);
// The same on screen: "Won"/"Lost"/"Tie".
QString shownResultWord(qint16 goalsFor, qint16 goalsAgainst);

// A count right-aligned in `width` (kind "L" of the shared padding: a text that does not fit
// leaves the field empty).
QString countField(qint64 value, int width);

} // namespace scorvane
