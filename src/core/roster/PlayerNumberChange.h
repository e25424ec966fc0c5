#pragma once

#include "core/roster/PlayerContacts.h"

#include <QString>

namespace scorvane {

struct AppState;

inline constexpr auto NewNumberInvalidTitle = "New Player Number Invalid";

// Why a new number is refused, as the message the window shows; empty when it is accepted.
// The checks run in order: out of range, the same number, active statistics under the new
// number (file 5, open), no player under the old number, the new number already on the roster.
QString checkNewPlayerNumber(AppState& state, int oldNumber, int newNumber);

// Gives the player `oldNumber` the number `newNumber` everywhere: every statistics record of
// the old number (whatever its status), the roster tables and the roster file, and the contact
// fields, written together as one change. The caller has checked the numbers with
// checkNewPlayerNumber. False when a write error was cancelled: files and tables are as before.
bool changePlayerNumber(
    AppState& state, PlayerContactTable& contacts, int oldNumber, int newNumber);

} // namespace scorvane
