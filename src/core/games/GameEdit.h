#pragma once

namespace scorvane {

// What the game window does with the game it shows.
enum class GameEdit {
    Add,    // a new game after the last
    Insert, // a new game before the chosen one, which moves up a number
    Change, // the chosen game itself
};

} // namespace scorvane
