#pragma once

#include "core/reports/GameTest.h"
#include "core/state/ReportSelection.h"

#include <QString>

#include <array>
#include <optional>

namespace scorvane {

// What the Compute window's boxes hold, as text where the user types it.
struct ComputeForm
{
    QString fromText;
    QString toText;
    std::array<bool, 7> typeTicked{true, true, true, true, true, true, true};
    bool onlySelectedGames = false;
    QString playerNumberText = QStringLiteral("0");
    QString playerNameText;
};

// The player number and name boxes are offered only for player statistics over several teams.
bool offersPlayerChoice(ReportKind kind, int teamCount);

// The boxes as the window opens on `selection`; without the player boxes they hold "0" and
// nothing, so that OK sets no player filter.
ComputeForm computeFormOf(const ReportSelection& selection, bool playerBoxes);

// "All": every game of every type, no explicit list, any player.
ComputeForm allGamesForm();

struct ComputeOutcome
{
    ReportSelection selection;               // unchanged when there is a problem
    std::optional<GameRangeProblem> problem; // the window stays open and shows it
};

// OK: the range checked and ordered, the game types, the explicit-list box and the player
// filters taken into `selection`; every other part of it is kept.
ComputeOutcome applyComputeForm(const ReportSelection& selection, const ComputeForm& form);

// The count beside "Games Selected", right-aligned in 3.
QString gamesSelectedText(int count);

} // namespace scorvane
