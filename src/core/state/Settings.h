#pragma once

#include <QString>

namespace scorvane {

struct AppState;

// The settings file: read into the program's state at start-up and written back at shut-down.
class Settings
{
public:
    enum class LoadResult { Loaded, Corrupt };

    // Opens file 1; when it is not exactly 669 bytes the result is Corrupt (an empty file the
    // open created stays behind, as it would with any other program run). Otherwise copies the
    // record into the settings part: the two folders trimmed with a trailing "/", the printer
    // settings, game type names, user codes, report columns and sort; fills the category codes.
    // Sort order "D" is descending, any other byte ascending; a non-zero bold flag is bold.
    static LoadResult load(AppState& state);

    // Writes the settings part back as record 1: version 200, sort order "D" or "A", bold -1 or
    // 0, reserved fields blank except the two at offsets 579 and 581, which keep what the file
    // held.
    static void save(AppState& state);
};

} // namespace scorvane
