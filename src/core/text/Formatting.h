#pragma once

#include "core/text/OneBasedArray.h"

#include <QString>

namespace scorvane {

using GameTypeNameTable = OneBasedArray<QString, 7>;

// A number as text with one leading blank in place of the sign for values that are not negative.
QString numberText(qint64 value);

// Where padText puts the text in its width; a centred text has the odd blank on its right.
enum class Align { Left, Right, Centre };

// Trims the text, then pads it with blanks to exactly `width`. A trimmed text longer than the
// width gives an empty text.
QString padText(const QString& text, int width, Align align);
// padText's result added to the end of `line`, without making the padded text on its own.
void appendPadded(QString& line, QStringView text, int width, Align align);

// The key filter of numeric boxes: digits, Backspace (8) and 127 pass; any other key becomes 0.
int digitKeyFilter(int keyCode);

// "MMDDYY" as "MM/DD/YY", unchecked.
QString dateWithSlashes(const QString& date);

// "MMDDYY" as the month abbreviation, the day and the four-digit year, each number keeping its
// sign blank ("Jan  15,  2005"), or "ERROR" for an impossible date (29 February always passes).
QString dateInWords(const QString& date);

} // namespace scorvane
