#include "core/output/SeasonWorkbook.h"

#include "core/games/GameFile.h"
#include "core/output/ReportPrinting.h"
#include "core/state/AppState.h"
#include "core/store/DataFiles.h"
#include "core/teams/TeamSelection.h"
#include "core/text/Blanks.h"
#include "core/text/Formatting.h"

namespace scorvane {

namespace {

// The name that starts a team's sheet names when the workbook holds several teams.
QString teamSheetPrefix(const AppState& state, int slot)
{
    const QString shortName = trimBlanks(state.teamChoice.shortNames[slot]);
    if (!shortName.isEmpty())
        return shortName;
    const QString name = trimBlanks(state.teamChoice.names[slot]);
    return name.isEmpty() ? QStringLiteral("Team %1").arg(slot) : name;
}

TeamLines chosenLines(const AppState& state)
{
    TeamLines lines{};
    for (int slot = 1; slot <= 100; ++slot)
        lines[static_cast<std::size_t>(slot - 1)] = state.teamChoice.selected[slot];
    return lines;
}

} // namespace

ExportTable gameListTable(AppState& state)
{
    ExportTable table;
    table.title = QStringLiteral("Games");
    table.team = trimBlanks(state.teamChoice.names[state.teamChoice.currentSlot]);
    table.headings = {QStringLiteral("Game"), QStringLiteral("Date"), QStringLiteral("Opponent"),
        QStringLiteral("Played"), QStringLiteral("Location"), QStringLiteral("Game Type"),
        QStringLiteral("GF"), QStringLiteral("GA"), QStringLiteral("Selected"),
        QStringLiteral("Comment")};
    table.numericColumns = {0, 6, 7};
    table.dateColumns = {1};
    for (const ListedGame& listed : readActiveGames(state.files, FileGames)) {
        const GameRecord& game = listed.game;
        const bool typed = game.gameType >= '1' && game.gameType <= '7';
        table.rows.append({ExportTable::RowKind::Body,
            {QString::number(game.gameNumber), dateWithSlashes(game.gameDate),
                trimBlanks(game.opponent),
                game.homeGame == '1' ? QStringLiteral("Home") : QStringLiteral("Away"),
                trimBlanks(game.gameLocation),
                typed ? trimBlanks(state.settings.gameTypeNames[game.gameType - '0']) : QString(),
                QString::number(game.goalsFor), QString::number(game.goalsAgainst),
                game.specialSelect == '2' ? QStringLiteral("Yes") : QString(),
                trimBlanks(game.gameComment)}});
    }
    return table;
}

QList<NamedTable> seasonWorkbookTables(AppState& state)
{
    const TeamLines chosen = chosenLines(state);
    const ReportSelection selection = state.reportSelection;
    const PrintJob job = state.printJob;
    const CurrentGame game = state.currentGame;
    QList<int> slots;
    for (int slot = 1; slot <= 100; ++slot) {
        if (state.teamChoice.selected[slot])
            slots << slot;
    }
    QList<NamedTable> sheets;
    for (int slot : slots) {
        TeamLines one{};
        one[static_cast<std::size_t>(slot - 1)] = true;
        takeTeamSelection(state, one);
        const QString prefix = slots.size() > 1 ? teamSheetPrefix(state, slot) + u' ' : QString();
        const auto report = [&](const QString& sheet, ReportKind kind) {
            // Every game the team has, as a report opened from the menu counts them.
            state.reportSelection = ReportSelection{};
            state.reportSelection.kind = kind;
            state.printJob = PrintJob{};
            state.printJob.title = defaultReportTitle(kind);
            sheets.append({prefix + sheet, reportExportTable(kind, state)});
        };
        report(QStringLiteral("Roster"), ReportKind::Roster);
        sheets.append({prefix + QStringLiteral("Games"), gameListTable(state)});
        report(QStringLiteral("Player Statistics"), ReportKind::PlayerStatistics);
        report(QStringLiteral("Record"), ReportKind::Record);
        report(QStringLiteral("Game Scores"), ReportKind::GameScores);
    }
    takeTeamSelection(state, chosen);
    state.reportSelection = selection;
    state.printJob = job;
    state.currentGame = game;
    return sheets;
}

} // namespace scorvane
