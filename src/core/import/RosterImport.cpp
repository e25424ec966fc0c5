#include "core/import/RosterImport.h"

#include "core/state/AppState.h"
#include "core/text/Blanks.h"

#include <map>

namespace scorvane {

namespace {

constexpr int NameWidth = 17;

struct ContactField
{
    ImportField field;
    QString PlayerContact::*member;
    int width;
    const char* name;
};

const std::array<ContactField, 7>& contactFields()
{
    static const std::array<ContactField, 7> fields{{
        {ImportField::Phone, &PlayerContact::phone, PlayerContact::PhoneWidth, "Phone"},
        {ImportField::Address1, &PlayerContact::address1, PlayerContact::AddressWidth,
            "Address line 1"},
        {ImportField::Address2, &PlayerContact::address2, PlayerContact::AddressWidth,
            "Address line 2"},
        {ImportField::City, &PlayerContact::city, PlayerContact::CityWidth, "City"},
        {ImportField::State, &PlayerContact::state, PlayerContact::StateWidth, "State"},
        {ImportField::Zip, &PlayerContact::zip, PlayerContact::ZipWidth, "Zip"},
        {ImportField::OtherInfo, &PlayerContact::otherInfo, PlayerContact::OtherInfoWidth,
            "Other information"},
    }};
    return fields;
}

// A player number as a spreadsheet writes it: digits, perhaps with ".0" after them.
int readNumber(const QString& text, ImportRow& row)
{
    if (text.isEmpty()) {
        addProblem(row, QStringLiteral("no player number"));
        return 0;
    }
    QString digits = text;
    if (digits.endsWith(QStringLiteral(".0")))
        digits.chop(2);
    bool ok = false;
    const int number = digits.toInt(&ok);
    if (!ok || digits.startsWith(u'+')) {
        addProblem(row, QStringLiteral("player number \"%1\" is not a number").arg(text));
        return 0;
    }
    if (number < 1 || number > 99) {
        addProblem(row, QStringLiteral("player number %1 is outside 1 to 99").arg(number));
        return 0;
    }
    return number;
}

QString readName(
    const CsvSheet& sheet, const CsvSheet::Row& source, const QList<ImportField>& mapping)
{
    const QString name = fieldText(sheet, source, mapping, ImportField::Name);
    if (!name.isEmpty())
        return name;
    const QString joined = fieldText(sheet, source, mapping, ImportField::FirstName) + u' '
        + fieldText(sheet, source, mapping, ImportField::LastName);
    return joined.trimmed();
}

} // namespace

RosterImport::RosterImport(const CsvSheet& sheet, const QList<ImportField>& mapping,
    const Roster& roster, const PlayerContactTable& contacts)
    : ImportPlan(ImportKind::Roster,
        {QStringLiteral("Number"), QStringLiteral("Name"), QStringLiteral("Phone"),
            QStringLiteral("Address 1"), QStringLiteral("Address 2"), QStringLiteral("City"),
            QStringLiteral("State"), QStringLiteral("Zip"), QStringLiteral("Other Information")})
    , roster_(roster)
    , contacts_(contacts)
{
    for (std::size_t f = 0; f < contactFields().size(); ++f)
        mappedContacts_[f] = isMapped(mapping, contactFields()[f].field);
    std::map<int, int> lineOfNumber;
    for (const CsvSheet::Row& source : sheet.rows) {
        ImportRow row;
        row.line = source.line;
        if (!source.fault.isEmpty())
            addProblem(row, source.fault);
        Player player;
        player.number = readNumber(fieldText(sheet, source, mapping, ImportField::Number), row);
        const QString name = readName(sheet, source, mapping);
        if (name.isEmpty())
            addProblem(row, QStringLiteral("no player name"));
        player.name = storedText(name, NameWidth, QStringLiteral("Name"), row.issues);
        for (const ContactField& f : contactFields())
            player.contact.*f.member = storedText(fieldText(sheet, source, mapping, f.field),
                f.width, QString::fromLatin1(f.name), row.issues);
        if (player.number != 0) {
            const auto [earlier, first] = lineOfNumber.emplace(player.number, row.line);
            if (!first)
                addProblem(row,
                    QStringLiteral("number %1 is also on line %2")
                        .arg(player.number)
                        .arg(earlier->second));
            else if (!roster_.free[player.number]) {
                row.conflict = true;
                row.conflictText = QStringLiteral("number %1 is already %2")
                                       .arg(player.number)
                                       .arg(trimBlanks(roster_.names[player.number]));
            }
        }
        for (int n = 1; n <= 99 && !player.name.isEmpty(); ++n) {
            if (n != player.number && !roster_.free[n]
                && trimBlanks(roster_.names[n]).compare(player.name, Qt::CaseInsensitive) == 0)
                row.issues << ImportIssue{ImportIssue::Severity::Notice,
                    QStringLiteral("%1 is also number %2 on the roster").arg(player.name).arg(n)};
        }
        rows_.push_back(row);
        players_.push_back(player);
    }
    refresh();
}

std::unique_ptr<RosterImport> RosterImport::forTeam(
    AppState& state, const CsvSheet& sheet, const QList<ImportField>& mapping)
{
    return std::make_unique<RosterImport>(
        sheet, mapping, state.roster, readPlayerContacts(state.files));
}

void RosterImport::refresh()
{
    // Numbers the file keeps come first; rows added on a taken number then take the lowest
    // numbers left, in row order.
    OneBasedArray<bool, 99> taken;
    for (int n = 1; n <= 99; ++n)
        taken[n] = !roster_.free[n];
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (players_[r].number != 0 && !rows_[r].conflict)
            taken[players_[r].number] = true;
    }
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        ImportRow& row = rows_[r];
        Player& player = players_[r];
        player.storedNumber = player.number;
        row.issues.removeIf([](const ImportIssue& i) { return i.text.startsWith(u"no number"); });
        if (row.conflict && row.choice == ConflictChoice::Add && !row.hasProblem()) {
            int free = 1;
            while (free <= 99 && taken[free])
                ++free;
            if (free > 99) {
                addProblem(row, QStringLiteral("no number is free to add the player under"));
                player.storedNumber = 0;
            } else {
                taken[free] = true;
                player.storedNumber = free;
            }
        }
    }
}

QStringList RosterImport::cells(std::size_t r) const
{
    const Player& player = players_[r];
    QStringList cells{
        player.storedNumber == 0 ? QString() : QString::number(player.storedNumber), player.name};
    for (const ContactField& f : contactFields())
        cells << player.contact.*f.member;
    return cells;
}

Roster RosterImport::resultingRoster() const
{
    Roster roster = roster_;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (!rows_[r].isStored())
            continue;
        const Player& player = players_[r];
        roster.free[player.storedNumber] = false;
        roster.names[player.storedNumber] = fitWidth(player.name, NameWidth);
    }
    return roster;
}

PlayerContactTable RosterImport::resultingContacts() const
{
    PlayerContactTable contacts = contacts_;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (!rows_[r].isStored())
            continue;
        const Player& player = players_[r];
        PlayerContact& contact = contacts[player.storedNumber];
        // Only the fields the file has columns for: the others keep what the number held.
        for (std::size_t f = 0; f < contactFields().size(); ++f) {
            if (mappedContacts_[f])
                contact.*contactFields()[f].member = player.contact.*contactFields()[f].member;
        }
    }
    return contacts;
}

bool RosterImport::write(AppState& state)
{
    const Roster before = state.roster;
    state.roster = resultingRoster();
    PlayerContactTable contacts = resultingContacts();
    const bool written = state.files.change(QStringLiteral("Importing the roster"), [&] {
        writeRosterRecords(state);
        writeContactRecords(state.files, contacts);
    });
    if (!written)
        state.roster = before;
    return written;
}

} // namespace scorvane
