#pragma once

#include "core/games/GameEdit.h"

#include <QtGlobal>

namespace scorvane {

// The game the game windows and the player screen work on.
struct CurrentGame
{
    int number = 0;    // its game number; 0 before any game was chosen
    int reselect = 0;  // the game the game list selects when it is next shown
    qint32 record = 0; // its record number in the games file
    GameEdit edit = GameEdit::Add;
    int opponentSlot = 0; // the opponent's team slot chosen on the game window, 0 none
};

} // namespace scorvane
