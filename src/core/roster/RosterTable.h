#pragma once

#include <QString>

namespace scorvane {

struct AppState;

// The list line of player number n (1-99) in the roster and player number windows: the number
// right-aligned after a blank prefix for 1-9, then a blank and the 17-character name, or a blank
// and twenty underscores for a free number.
QString playerListLine(const AppState& state, int number);

// Frees number n: flag "Y" and the placeholder name "player" with the number's sign blank.
void freeRosterSlot(AppState& state, int number);

// What leaving the name box did to the roster.
enum class NameEdit {
    Unchanged, // empty on a free number, or the same name again
    Freed,     // the name was erased: the number is free now
    Named,     // a new or changed name was stored
};

// Applies a typed name to number n: compared and stored trimmed, cut to 17 characters.
NameEdit applyNameEdit(AppState& state, int number, const QString& typed);

} // namespace scorvane
