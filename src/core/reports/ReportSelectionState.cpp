#include "core/reports/ReportSelectionState.h"

#include "core/state/AppState.h"
#include "core/text/Blanks.h"

namespace scorvane {

namespace {

ReportKind kindOfLetter(const QString& letter)
{
    if (letter == u"R")
        return ReportKind::Record;
    if (letter == u"G")
        return ReportKind::GameScores;
    if (letter == u"S")
        return ReportKind::Standings;
    return letter == u"X" ? ReportKind::Roster : ReportKind::PlayerStatistics;
}

QString letterOfKind(ReportKind kind)
{
    switch (kind) {
    case ReportKind::Record:
        return QStringLiteral("R");
    case ReportKind::GameScores:
        return QStringLiteral("G");
    case ReportKind::Standings:
        return QStringLiteral("S");
    case ReportKind::Roster:
        return QStringLiteral("X");
    case ReportKind::PlayerStatistics:
        break;
    }
    return QStringLiteral("P");
}

} // namespace

ReportSelection reportSelectionOf(const AppState& state)
{
    ReportSelection s;
    s.kind = kindOfLetter(state.ReportKind);
    s.fromGame = state.FromGame;
    s.toGame = state.ToGame;
    for (int type = 1; type <= 7; ++type)
        s.typeCounted[static_cast<std::size_t>(type - 1)] = state.GameTypeOn[type];
    s.allTypesCounted = state.AllGameTypes;
    s.onlySelectedGames = state.UseSpecialSelect;
    s.playerNumber = state.SelectPlayerNumber;
    s.playerName = trimBlanks(state.SelectPlayerName);
    s.individual = state.IndividualMode;
    s.individualPlayer = state.IndividualPlayer;
    s.minimumKind = state.MinimumKind == u"G" ? MinimumKind::GamesPlayed : MinimumKind::ShotsOnGoal;
    s.minimumValue = state.MinimumValue;
    return s;
}

void storeReportSelection(AppState& state, const ReportSelection& s)
{
    state.ReportKind = letterOfKind(s.kind);
    state.FromGame = static_cast<qint16>(s.fromGame);
    state.ToGame = static_cast<qint16>(s.toGame);
    for (int type = 1; type <= 7; ++type)
        state.GameTypeOn[type] = s.typeCounted[static_cast<std::size_t>(type - 1)];
    state.AllGameTypes = s.allTypesCounted;
    state.UseSpecialSelect = s.onlySelectedGames;
    state.SelectPlayerNumber = static_cast<qint16>(s.playerNumber);
    state.SelectPlayerName = fitWidth(s.playerName, 17);
    state.IndividualMode = s.individual;
    state.IndividualPlayer = static_cast<qint16>(s.individualPlayer);
    state.MinimumKind
        = s.minimumKind == MinimumKind::GamesPlayed ? QStringLiteral("G") : QStringLiteral("O");
    state.MinimumValue = static_cast<qint16>(s.minimumValue);
}

ChosenFormat reportFormatOf(const AppState& state)
{
    ChosenFormat format;
    for (int slot = 1; slot <= 50; ++slot)
        format.columns[static_cast<std::size_t>(slot - 1)] = state.ReportColumns[slot];
    format.sortColumn = state.SortColumn;
    format.sortOrder = state.SortOrder == u"D" ? SortOrder::Descending : SortOrder::Ascending;
    return format;
}

void storeReportFormat(AppState& state, const ChosenFormat& format)
{
    for (int slot = 1; slot <= 50; ++slot)
        state.ReportColumns[slot]
            = static_cast<qint16>(format.columns[static_cast<std::size_t>(slot - 1)]);
    state.SortColumn = static_cast<qint16>(format.sortColumn);
    state.SortOrder
        = format.sortOrder == SortOrder::Descending ? QStringLiteral("D") : QStringLiteral("A");
}

QList<int> chosenTeams(const AppState& state)
{
    QList<int> teams;
    for (int slot = 1; slot <= 100; ++slot) {
        if (state.TeamSelected[slot] == u"Y")
            teams << slot;
    }
    if (teams.isEmpty())
        teams << state.TeamSlot;
    return teams;
}

} // namespace scorvane
