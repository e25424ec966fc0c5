#pragma once

#include <QString>

namespace scorvane {

// Trimming of blanks (0x20 only, as fixed-width text fields are padded), and fitting to a width.
QString trimBlanks(const QString& text);
QString leftTrimBlanks(const QString& text);
QString rightTrimBlanks(const QString& text);
// The same trimming as a view into the text, for callers that copy the result on at once.
QStringView leftTrimmedView(QStringView text);
QStringView rightTrimmedView(QStringView text);

// Cut to `width` characters or padded on the right with blanks to exactly `width`.
QString fitWidth(const QString& text, int width);

// Numeric value of a text as the program reads typed numbers: leading blanks skipped, then an
// optional sign and digits; anything else ends the number. Empty or no digits gives 0.
qint64 numericValue(const QString& text);

} // namespace scorvane
