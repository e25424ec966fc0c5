#pragma once

#include "core/output/PrintJob.h"
#include "core/state/ReportSelection.h"
#include "core/state/SortOrder.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace scorvane {

struct AppState;

// The choices of one run of the command-line report tool, as read from its arguments. Options
// not given stay unset so that the settings file supplies them.
struct ReportRequest
{
    QString kind; // as typed: players, record, scores, standings, roster, table
    ReportKind reportKind = ReportKind::PlayerStatistics;
    QString dataFolder;
    QString settingsFile;
    QString rulesFile; // the league table's rules; empty: the file beside the settings
    QList<int> teams{1};
    int fromGame = 1;
    int toGame = 999;
    std::array<bool, 7> gameTypes{true, true, true, true, true, true, true};
    bool special = false;
    int playerNumber = 0;
    QString playerName; // as typed
    QList<int> columns;
    std::optional<int> sortColumn;
    std::optional<SortOrder> sortOrder;
    std::optional<int> minimumGames;
    std::optional<int> minimumShotsOnGoal;
    std::optional<int> individual;
    int top = 999;
    std::optional<QString> title;
    std::optional<int> linesPerPage;
    int copies = 1;
    bool shortScores = false;
    QString outputFile; // empty: standard output
    bool append = false;
    OutputFormat format = OutputFormat::Text; // text, or the report's table as CSV or HTML
    bool help = false;
    // players: career statistics over the current season and these archived ones ("all").
    std::optional<QStringList> seasons;
};

struct ParsedRequest
{
    ReportRequest request;
    QString error; // one line; empty when the arguments are good
};

// Reads the arguments (without the program name). Every bad argument gives a one-line error.
ParsedRequest parseReportArguments(const QStringList& arguments);

// Puts the request's selection and print choices into the state (after the settings are loaded).
void applyReportRequest(const ReportRequest& request, AppState& state);

} // namespace scorvane
