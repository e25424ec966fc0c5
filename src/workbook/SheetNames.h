#pragma once

#include <QString>
#include <QStringList>

namespace scorvane {

// The longest name a worksheet may have.
inline constexpr int SheetNameLength = 31;

// `wanted` as a worksheet name no other sheet of the workbook has: the characters a sheet name
// cannot hold ([ ] : * ? / \) become blanks, blanks and apostrophes at either end go, an empty
// name becomes "Sheet", and the name is cut to 31 characters. A name `taken` already holds
// (letter case aside, as spreadsheets compare them) gets " (2)", " (3)", ... within the 31.
QString uniqueSheetName(const QString& wanted, const QStringList& taken);

} // namespace scorvane
