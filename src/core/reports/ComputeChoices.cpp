#include "core/reports/ComputeChoices.h"

#include "core/text/Blanks.h"
#include "core/text/Formatting.h"

#include <algorithm>

namespace scorvane {

bool offersPlayerChoice(ReportKind kind, int teamCount)
{
    return kind == ReportKind::PlayerStatistics && teamCount > 1;
}

ComputeForm computeFormOf(const ReportSelection& selection, bool playerBoxes)
{
    ComputeForm form;
    form.fromText = QString::number(selection.fromGame);
    form.toText = QString::number(selection.toGame);
    form.typeTicked = selection.typeCounted;
    form.onlySelectedGames = selection.onlySelectedGames;
    if (playerBoxes) {
        form.playerNumberText = QString::number(selection.playerNumber);
        form.playerNameText = rightTrimBlanks(selection.playerName);
    }
    return form;
}

ComputeForm allGamesForm()
{
    ComputeForm form;
    form.fromText = QStringLiteral("1");
    form.toText = QStringLiteral("999");
    form.playerNameText = QStringLiteral(" ");
    return form;
}

ComputeOutcome applyComputeForm(const ReportSelection& selection, const ComputeForm& form)
{
    ComputeOutcome outcome{selection, std::nullopt};
    const GameRange range = checkGameRange(form.fromText, form.toText);
    if (range.problem) {
        outcome.problem = range.problem;
        return outcome;
    }
    ReportSelection& s = outcome.selection;
    s.fromGame = range.fromGame;
    s.toGame = range.toGame;
    s.typeCounted = form.typeTicked;
    s.allTypesCounted = std::all_of(
        form.typeTicked.begin(), form.typeTicked.end(), [](bool ticked) { return ticked; });
    s.onlySelectedGames = form.onlySelectedGames;
    s.playerNumber = static_cast<int>(numericValue(form.playerNumberText));
    s.playerName = rightTrimBlanks(leftTrimBlanks(form.playerNameText).toLower().left(17));
    return outcome;
}

QString gamesSelectedText(int count)
{
    return padText(numberText(count), 3, Align::Right);
}

} // namespace scorvane
