#include "core/import/ImportColumns.h"

#include <map>

namespace scorvane {

namespace {

struct FieldNames
{
    ImportField field;
    const char* name;
    std::initializer_list<const char*> headings; // letters and digits only, lower case
};

const std::initializer_list<FieldNames>& rosterFields()
{
    static const std::initializer_list<FieldNames> fields = {
        {ImportField::Number, "Player Number",
            {"number", "no", "nr", "num", "#", "playernumber", "playerno", "shirt", "shirtnumber",
                "shirtno", "jersey", "jerseynumber", "jerseyno", "uniform", "uniformnumber",
                "squadnumber", "kitnumber"}},
        {ImportField::Name, "Player Name", {"name", "playername", "player", "fullname"}},
        {ImportField::FirstName, "First Name",
            {"firstname", "first", "givenname", "forename", "firstnames"}},
        {ImportField::LastName, "Last Name",
            {"lastname", "last", "surname", "familyname", "secondname"}},
        {ImportField::Phone, "Phone",
            {"phone", "phonenumber", "telephone", "tel", "telephonenumber", "mobile", "cell",
                "cellphone", "mobilephone", "homephone", "phoneno"}},
        {ImportField::Address1, "Address Line 1",
            {"address", "address1", "addressline1", "street", "streetaddress", "addr1"}},
        {ImportField::Address2, "Address Line 2", {"address2", "addressline2", "addr2"}},
        {ImportField::City, "City", {"city", "town", "citytown"}},
        {ImportField::State, "State", {"state", "province", "region", "st", "county"}},
        {ImportField::Zip, "Zip",
            {"zip", "zipcode", "postcode", "postalcode", "postal", "zippostalcode"}},
        {ImportField::OtherInfo, "Other Information",
            {"otherinformation", "otherinfo", "other", "email", "emailaddress", "mail", "notes",
                "note", "comment", "comments", "info", "information"}},
    };
    return fields;
}

const std::initializer_list<FieldNames>& gameFields()
{
    static const std::initializer_list<FieldNames> fields = {
        {ImportField::Date, "Date", {"date", "gamedate", "matchdate", "day", "datum"}},
        {ImportField::Opponent, "Opponent",
            {"opponent", "opponents", "opponentteam", "opposition", "vs", "versus",
                "opponentname"}},
        {ImportField::HomeAway, "Home/Away",
            {"homeaway", "ha", "home", "away", "homeoraway", "homeawayindicator"}},
        {ImportField::Location, "Location",
            {"location", "gamelocation", "place", "field", "venue", "ground", "pitch", "where",
                "stadium", "site"}},
        {ImportField::GameType, "Game Type",
            {"gametype", "type", "kind", "competition", "category", "matchtype"}},
        {ImportField::GoalsFor, "Goals For",
            {"goalsfor", "gf", "for", "scored", "goalsscored", "ourgoals", "ourscore", "us",
                "goals"}},
        {ImportField::GoalsAgainst, "Goals Against",
            {"goalsagainst", "ga", "against", "conceded", "goalsconceded", "theirgoals",
                "theirscore", "opponentscore", "them"}},
        {ImportField::Comment, "Comment", {"comment", "comments", "notes", "note", "remarks"}},
    };
    return fields;
}

const std::initializer_list<FieldNames>& fieldsOf(ImportKind kind)
{
    return kind == ImportKind::Roster ? rosterFields() : gameFields();
}

// Letters and digits in lower case; "#" counts as a letter, so that the heading "#" is known.
QString headingKey(const QString& heading)
{
    QString key;
    for (const QChar c : heading) {
        if (c.isLetterOrNumber() || c == u'#')
            key += c.toLower();
    }
    return key;
}

ImportField fieldOfHeading(ImportKind kind, const QString& heading)
{
    const QString key = headingKey(heading);
    for (const FieldNames& names : fieldsOf(kind)) {
        for (const char* known : names.headings) {
            if (key == QLatin1StringView(known))
                return names.field;
        }
    }
    return ImportField::None;
}

} // namespace

QList<ImportField> importFields(ImportKind kind)
{
    QList<ImportField> fields{ImportField::None};
    for (const FieldNames& names : fieldsOf(kind))
        fields << names.field;
    return fields;
}

QString importFieldName(ImportField field)
{
    for (const ImportKind kind : {ImportKind::Roster, ImportKind::Games}) {
        for (const FieldNames& names : fieldsOf(kind)) {
            if (names.field == field)
                return QString::fromLatin1(names.name);
        }
    }
    return QStringLiteral("(not imported)");
}

bool takesSeveralColumns(ImportField field)
{
    return field == ImportField::OtherInfo;
}

QList<ImportField> matchColumns(ImportKind kind, const QStringList& headings)
{
    QList<ImportField> columns;
    for (const QString& heading : headings) {
        const ImportField field = fieldOfHeading(kind, heading);
        const bool taken = field != ImportField::None && columns.contains(field);
        columns << (taken && !takesSeveralColumns(field) ? ImportField::None : field);
    }
    return columns;
}

} // namespace scorvane
