#include "core/roster/PlayerContacts.h"

#include "core/state/AppState.h"
#include "core/store/PlayerInfoRecord.h"
#include "core/store/PlayerNameRecord.h"
#include "core/text/Blanks.h"

namespace scorvane {

bool PlayerContact::isBlank() const
{
    return trimBlanks(phone + address1 + address2 + city + state + zip + otherInfo).isEmpty();
}

PlayerContact PlayerContact::leftAligned() const
{
    return {leftTrimBlanks(phone), leftTrimBlanks(address1), leftTrimBlanks(address2),
        leftTrimBlanks(city), leftTrimBlanks(state), leftTrimBlanks(zip),
        leftTrimBlanks(otherInfo)};
}

PlayerContactTable readPlayerContacts(DataFiles& files)
{
    PlayerContactTable contacts;
    files.openDataFile(FilePlayerInfo);
    const qint32 count = files.recordCount(FilePlayerInfo);
    for (qint32 r = 1; r <= count; ++r) {
        const auto record = files.get<PlayerInfoRecord>(FilePlayerInfo, r);
        if (record.playerNumber < 1 || record.playerNumber > 99)
            continue;
        contacts[record.playerNumber] = {record.phone, record.address1, record.address2,
            record.city, record.state, record.zip, record.otherInfo};
    }
    files.closeDataFile(FilePlayerInfo);
    return contacts;
}

bool rewritePlayerContacts(DataFiles& files, PlayerContactTable& contacts)
{
    return files.change(QStringLiteral("Saving the player contacts"),
        [&] { writeContactRecords(files, contacts); });
}

void writeContactRecords(DataFiles& files, PlayerContactTable& contacts)
{
    // Emptied and refilled under its own name, so a file copied from Windows keeps its own
    // letter case instead of being replaced by an upper-case twin. The change writes it only
    // when the new contents differ.
    files.openDataFile(FilePlayerInfo);
    files.truncate(FilePlayerInfo);
    qint32 next = 0;
    for (int n = 1; n <= 99; ++n) {
        PlayerContact& contact = contacts[n];
        contact = contact.leftAligned();
        if (contact.isBlank())
            continue;
        PlayerInfoRecord record;
        record.playerNumber = static_cast<qint16>(n);
        record.phone = contact.phone;
        record.address1 = contact.address1;
        record.address2 = contact.address2;
        record.city = contact.city;
        record.state = contact.state;
        record.zip = contact.zip;
        record.otherInfo = contact.otherInfo.left(PlayerContact::OtherInfoWidth);
        files.put(FilePlayerInfo, ++next, record);
    }
    files.closeDataFile(FilePlayerInfo);
}

bool rewriteRosterFile(AppState& state)
{
    return state.files.change(
        QStringLiteral("Saving the roster"), [&] { writeRosterRecords(state); });
}

void writeRosterRecords(AppState& state)
{
    DataFiles& files = state.files;
    files.openDataFile(FileRoster); // refilled under its own name, as the contacts file
    files.truncate(FileRoster);
    qint32 next = 0;
    for (int n = 1; n <= 99; ++n) {
        if (state.roster.free[n])
            continue;
        PlayerNameRecord record;
        record.playerNumber = static_cast<qint16>(n);
        record.playerName = state.roster.names[n];
        files.put(FileRoster, ++next, record);
    }
}

} // namespace scorvane
