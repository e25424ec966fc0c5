#include "core/roster/PlayerContacts.h"

#include "core/state/AppState.h"
#include "core/store/PlayerInfoRecord.h"
#include "core/store/PlayerNameRecord.h"
#include "core/text/Blanks.h"

namespace scorvane {

bool PlayerContact::isBlank() const
{
    return trimBlanks(Phone + Address1 + Address2 + City + State + Zip + OtherInfo).isEmpty();
}

PlayerContact PlayerContact::leftAligned() const
{
    return {leftTrimBlanks(Phone), leftTrimBlanks(Address1), leftTrimBlanks(Address2),
        leftTrimBlanks(City), leftTrimBlanks(State), leftTrimBlanks(Zip),
        leftTrimBlanks(OtherInfo)};
}

PlayerContactTable readPlayerContacts(DataFiles& files)
{
    PlayerContactTable contacts;
    files.openDataFile(FilePlayerInfo);
    const qint32 count = files.recordCount(FilePlayerInfo);
    for (qint32 r = 1; r <= count; ++r) {
        const auto record = files.Get<PlayerInfoRecord>(FilePlayerInfo, r);
        if (record.PlayerNumber < 1 || record.PlayerNumber > 99)
            continue;
        contacts[record.PlayerNumber] = {record.Phone, record.Address1, record.Address2,
            record.City, record.State, record.Zip, record.OtherInfo};
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
        record.PlayerNumber = static_cast<qint16>(n);
        record.Phone = contact.Phone;
        record.Address1 = contact.Address1;
        record.Address2 = contact.Address2;
        record.City = contact.City;
        record.State = contact.State;
        record.Zip = contact.Zip;
        record.OtherInfo = contact.OtherInfo.left(PlayerContact::OtherInfoWidth);
        files.Put(FilePlayerInfo, ++next, record);
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
        record.PlayerNumber = static_cast<qint16>(n);
        record.PlayerName = state.roster.names[n];
        files.Put(FileRoster, ++next, record);
    }
}

} // namespace scorvane
