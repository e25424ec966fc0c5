#pragma once

#include "core/text/OneBasedArray.h"

#include <QString>

namespace scorvane {

class DataFiles;
struct AppState;

// The seven contact fields of one player number, as the windows hold them while open.
struct PlayerContact
{
    QString phone;     // 20
    QString address1;  // 40
    QString address2;  // 40
    QString city;      // 20
    QString state;     // 5
    QString zip;       // 10
    QString otherInfo; // up to 200 while editing, 70 of them stored

    static constexpr int PhoneWidth = 20;
    static constexpr int AddressWidth = 40;
    static constexpr int CityWidth = 20;
    static constexpr int StateWidth = 5;
    static constexpr int ZipWidth = 10;
    static constexpr int OtherInfoWidth = 70;

    // True when every field is blank.
    bool isBlank() const;
    // Every field with its leading blanks removed.
    PlayerContact leftAligned() const;
};

using PlayerContactTable = OneBasedArray<PlayerContact, 99>;

// Reads the player-information file (file 9) into a table by player number. Records numbered
// outside 1-99 cannot be placed and are skipped. The file is opened and closed here.
PlayerContactTable readPlayerContacts(DataFiles& files);

// Deletes and re-creates the player-information file: one record per number whose fields are
// not all blank, in ascending number order, the fields left-aligned and the spare fields blank.
// The table keeps the left-aligned fields. The file is closed afterwards. The file is replaced
// whole, and only when its contents change; false when a write error was cancelled.
bool rewritePlayerContacts(DataFiles& files, PlayerContactTable& contacts);
void writeContactRecords(DataFiles& files, PlayerContactTable& contacts); // inside a change

// Deletes and re-creates the roster file (file 3): one record per used number in ascending
// order, from RosterFree and RosterNames. The file is left open, as the team selection had it.
// Replaced whole and only when its contents change; false when a write error was cancelled.
bool rewriteRosterFile(AppState& state);
void writeRosterRecords(AppState& state); // inside a change

} // namespace scorvane
