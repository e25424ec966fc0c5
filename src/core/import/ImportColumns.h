#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace scorvane {

// What a spreadsheet holds: a team's players or its games.
enum class ImportKind { Roster, Games };

// The field a spreadsheet column is read into.
enum class ImportField {
    None, // the column is not read
    Number,
    Name,
    FirstName,
    LastName,
    Phone,
    Address1,
    Address2,
    City,
    State,
    Zip,
    OtherInfo,
    Date,
    Opponent,
    HomeAway,
    Location,
    GameType,
    GoalsFor,
    GoalsAgainst,
    Comment,
};

// The fields a column may be read into for a kind, None first.
QList<ImportField> importFields(ImportKind kind);
// The field's name as the mapping step shows it ("Player Number", "Goals For").
QString importFieldName(ImportField field);

// Which field each column of the heading row is read into, matched by heading: letter case,
// blanks and punctuation do not count, and the common English variants are known ("No", "#",
// "Number"; "E-mail" as other information). A field is given to the first column that matches
// it; only other information takes several columns, joined in column order.
QList<ImportField> matchColumns(ImportKind kind, const QStringList& headings);

// Whether more than one column may be read into the field.
bool takesSeveralColumns(ImportField field);

} // namespace scorvane
