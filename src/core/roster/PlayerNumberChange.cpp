#include "core/roster/PlayerNumberChange.h"

#include "core/state/AppState.h"
#include "core/store/PlayerStatRecord.h"
#include "core/text/Blanks.h"

namespace scorvane {

QString checkNewPlayerNumber(AppState& state, int oldNumber, int newNumber)
{
    if (newNumber < 1 || newNumber > 99)
        return QStringLiteral("Must be 1 to 99!");
    if (newNumber == oldNumber)
        return QStringLiteral("Same as old player number!");
    DataFiles& files = state.files;
    const qint32 count = files.recordCount(FileStats);
    for (qint32 r = 1; r <= count; ++r) {
        const auto record = files.get<PlayerStatRecord>(FileStats, r);
        if (record.playerNumber == newNumber && record.statStatus == 'A')
            return QStringLiteral("Games already recorded for new number!");
    }
    if (state.roster.free[oldNumber])
        return QStringLiteral("No player under old number!");
    if (!state.roster.free[newNumber])
        return QStringLiteral("New number already on roster!");
    return {};
}

bool changePlayerNumber(AppState& state, PlayerContactTable& contacts, int oldNumber, int newNumber)
{
    const auto rosterFree = state.roster.free;
    const auto rosterNames = state.roster.names;
    const PlayerContactTable contactsBefore = contacts;

    state.roster.free[newNumber] = false;
    state.roster.names[newNumber] = state.roster.names[oldNumber];
    state.roster.free[oldNumber] = true;
    state.roster.names[oldNumber]
        = fitWidth(QStringLiteral("Player ") + QString::number(oldNumber), 17);
    contacts[newNumber] = contacts[oldNumber];
    contacts[oldNumber] = PlayerContact{};

    DataFiles& files = state.files;
    // Results, roster and contacts move together: a player is never found under two numbers.
    const bool changed = files.change(QStringLiteral("Changing the player number"), [&] {
        for (qint32 r = files.recordCount(FileStats); r >= 1; --r) {
            auto record = files.get<PlayerStatRecord>(FileStats, r);
            if (record.playerNumber != oldNumber)
                continue;
            record.playerNumber = static_cast<qint16>(newNumber);
            files.put(FileStats, r, record);
        }
        writeRosterRecords(state);
        PlayerContactTable written = contacts;
        writeContactRecords(files, written);
    });
    if (!changed) {
        state.roster.free = rosterFree;
        state.roster.names = rosterNames;
        contacts = contactsBefore;
    }
    return changed;
}

} // namespace scorvane
