#pragma once

#include "core/state/ReportSelection.h"
#include "core/store/GameRecord.h"

#include <QString>

#include <optional>

namespace scorvane {

// Whether a game type byte passes the selection: every type counts when all are ticked;
// otherwise a byte is refused only when it is the digit of an unticked type, so a byte outside
// "1".."7" (a blank, a "9") always passes.
inline bool gameTypePasses(const ReportSelection& selection, char gameType)
{
    if (selection.allTypesCounted)
        return true;
    for (int type = 1; type <= 7; ++type) {
        if (!selection.typeIsCounted(type) && gameType == static_cast<char>('0' + type))
            return false;
    }
    return true;
}

// The one test every report applies to a game: active, inside the range, of a counted type,
// and marked in the explicit list when only those games count. The player filters play no part.
// Defined here so that the game walks, which apply it to every record, inline it.
inline bool gameCounts(const ReportSelection& selection, const GameRecord& game)
{
    return game.gameStatus == 'A' && game.gameNumber >= selection.fromGame
        && game.gameNumber <= selection.toGame && gameTypePasses(selection, game.gameType)
        && (!selection.onlySelectedGames || game.specialSelect == '2');
}

// The range typed in the Compute window, checked and ordered.
struct GameRangeProblem
{
    QString title;          // "From Game Invalid" or "To Game Invalid"
    QString text;           // "Must be 1 to 999"
    bool atFromGame = true; // which box gets the focus
};
struct GameRange
{
    int fromGame = 1;
    int toGame = 999;
    std::optional<GameRangeProblem> problem;
};

// Each box must hold a number of at least 1 (empty or not a number counts as 0); a from game
// above the to game is exchanged with it.
GameRange checkGameRange(const QString& fromText, const QString& toText);

} // namespace scorvane
