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

    // Writes the state back as record 1: version 200, reserved fields blank except the two at
    // offsets 579 and 581, which keep what the file held. The file is replaced whole, and only
    // when it changes; false when a write error was cancelled.
    static bool save(AppState& state);

    // Why the settings file cannot hold `folder` (with its trailing "/"): longer than its
    // 145-character field, or a character outside Windows-1252. Empty when it can.
    static QString folderRefusal(const QString& folder);

private:
    static void writeRecord(AppState& state);
};

} // namespace scorvane
