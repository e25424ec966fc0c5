#include "core/roster/PlayerContacts.h"

#include "core/state/AppState.h"
#include "core/store/PlayerInfoRecord.h"
#include "core/store/PlayerNameRecord.h"
#include "core/text/Blanks.h"

namespace scorvane {

bool PlayerContact::isBlank() const
{
    return TrimBlanks(Phone + Address1 + Address2 + City + State + Zip + OtherInfo).isEmpty();
}

PlayerContact PlayerContact::leftAligned() const
{
    return {LeftTrimBlanks(Phone), LeftTrimBlanks(Address1), LeftTrimBlanks(Address2),
        LeftTrimBlanks(City), LeftTrimBlanks(State), LeftTrimBlanks(Zip),
        LeftTrimBlanks(OtherInfo)};
}

PlayerContactTable ReadPlayerContacts(DataFiles& files)
{
    PlayerContactTable contacts;
    files.OpenDataFile(FilePlayerInfo);
    const qint32 count = files.RecordCount(FilePlayerInfo);
    for (qint32 r = 1; r <= count; ++r) {
        const auto record = files.Get<PlayerInfoRecord>(FilePlayerInfo, r);
        if (record.PlayerNumber < 1 || record.PlayerNumber > 99)
            continue;
        contacts[record.PlayerNumber] = {record.Phone, record.Address1, record.Address2,
            record.City, record.State, record.Zip, record.OtherInfo};
    }
    files.CloseDataFile(FilePlayerInfo);
    return contacts;
}

void RewritePlayerContacts(DataFiles& files, PlayerContactTable& contacts)
{
    // Emptied in place rather than deleted and re-created, so a file copied from Windows keeps
    // its own letter case instead of being replaced by an upper-case twin.
    files.OpenDataFile(FilePlayerInfo);
    files.Truncate(FilePlayerInfo);
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
    files.CloseDataFile(FilePlayerInfo);
}

void RewriteRosterFile(AppState& state)
{
    DataFiles& files = state.Files;
    files.OpenDataFile(FileRoster); // emptied in place, as the contacts file
    files.Truncate(FileRoster);
    qint32 next = 0;
    for (int n = 1; n <= 99; ++n) {
        if (state.RosterFree[n] != u"N")
            continue;
        PlayerNameRecord record;
        record.PlayerNumber = static_cast<qint16>(n);
        record.PlayerName = state.RosterNames[n];
        files.Put(FileRoster, ++next, record);
    }
}

} // namespace scorvane
