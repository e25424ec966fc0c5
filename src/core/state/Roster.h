#pragma once

#include "core/text/OneBasedArray.h"

#include <QString>

namespace scorvane {

// The current team's roster by player number 1-99, as the roster file holds it.
struct Roster
{
    Roster() { free.fill(true); }

    OneBasedArray<bool, 99> free;     // true: nobody has the number
    OneBasedArray<QString, 99> names; // 17 characters each
};

} // namespace scorvane
