#pragma once

#include "core/entry/Categories.h"
#include "core/store/DataFiles.h"
#include "core/store/FileState.h"
#include "core/store/TeamList.h"
#include "core/text/Formatting.h"
#include "core/text/OneBasedArray.h"

#include <QString>

namespace scorvane {

// Every kind of child window has one flag, set while that window is open.
enum WindowKind : int {
    WindowSelectTeam = 1,
    WindowStats = 2,
    WindowScores = 3,
    WindowRecord = 4,
    WindowRoster = 5,
    WindowStandings = 6,
    WindowGameMenu = 7,
    WindowGameScreen = 8,
    WindowPScreen = 9,
    WindowTeamName = 10,
    WindowDeleteFiles = 11,
    WindowPlayerNumber = 12,
    WindowNameYourOwn = 13,
    WindowDatapath = 14,
    WindowBackup = 15,
    WindowBegScreen = 16,
};
inline constexpr int WindowKindCount = 16;

// The program-wide state: one instance, owned by the program and passed to every window and
// report. Fields carry the names every part of the program knows them by. The file paths
// (DataPath, ReportPath, TeamNo, SettingsFolder) come from FileState, which the file layer reads.
struct AppState : FileState
{
    explicit AppState(ErrorReporter& reporter)
        : Files(*this, reporter)
        , Reporter(reporter)
    {
        TeamSelected.fill(QStringLiteral("N"));
        RosterFree.fill(QStringLiteral("Y"));
        GameTypeOn.fill(true);
        WindowOpen.fill(false);
    }
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    DataFiles Files;
    ErrorReporter& Reporter; // where file faults outside DataFiles (copies) go

    // Start-up (program folder, help) -----------------------------------------------------------
    QString ProgramFolder;
    QString HelpFilePath;
    QString ProgramCode = QStringLiteral("kv");
    QString TeamListError; // "E" when the team list could not be opened at start-up

    // Settings -----------------------------------------------------------------------------------
    GameTypeNameTable GameTypeNames;
    UserStatCodeTable UserStatCodes;
    CategoryCodeTable CategoryCodes;
    OneBasedArray<qint16, 50> ReportColumns;
    qint16 SortColumn = 1;
    QString SortOrder = QStringLiteral("D");
    qint16 LinesPerPage = 60;
    qint16 TitleFontSize = 12;
    qint16 TitleBold = 0; // booleans in settings: 0 false, -1 true
    qint16 ReportFontSize = 12;
    qint16 ReportBold = 0;

    // Teams
    // ----------------------------------------------------------------------------------------
    TeamNameTable TeamNames;                  // 25 characters each
    TeamNameTable TeamShortNames;             // 10 characters each
    OneBasedArray<QString, 100> TeamSelected; // "Y" / "N"
    int TeamCount = 0;
    int TeamSlot = 1;
    QString CurrentTeamName;
    QString ReportTeamTitle;
    OneBasedArray<QString, 99> RosterFree;      // "Y" free, "N" used
    OneBasedArray<QString, 99> RosterNames;     // 17 characters each
    QString RosterOrigin = QStringLiteral("S"); // where the roster window was opened from
    bool TeamListLoaded = false;
    bool TeamWindowShown = false; // the team window selects slot 1 alone at its first showing

    // Windows and dialogs
    // ----------------------------------------------------------------------------
    OneBasedArray<bool, WindowKindCount> WindowOpen;
    QString DialogResult = QStringLiteral("N"); // "Y" when a modal dialog was cancelled
    QString TextAtFocus;
    QString BackupMode = QStringLiteral("Y"); // "Y" back up, "N" restore

    // Games
    // ----------------------------------------------------------------------------------------
    qint16 CurrentGame = 0;       // the game the game windows and the player screen work on
    qint16 ReselectGame = 0;      // the game the game list selects when it is next shown
    qint32 CurrentGameRecord = 0; // record number of the current game in file 4
    QString GameEditMode = QStringLiteral("S"); // "A" add, "I" insert, "C" change; "S" team window
    int OpponentTeamNo = 0; // opponent's slot 1-100 chosen on the game screen, 0 none
    QString ImportMark = QStringLiteral("N");  // "Y" when the import window chose a game
    QString CommentMark = QStringLiteral("N"); // "Y" when the imported comment is to be copied

    // Report selection
    // -----------------------------------------------------------------------------
    qint16 FromGame = 1;
    qint16 ToGame = 999;
    OneBasedArray<bool, 7> GameTypeOn;
    bool AllGameTypes = true;
    bool UseSpecialSelect = false;
    qint16 SelectPlayerNumber = 0;
    QString SelectPlayerName = QString(17, QChar(u' '));
    bool IndividualMode = false;
    qint16 IndividualPlayer = 0;
    QString MinimumKind = QStringLiteral("G");
    qint16 MinimumValue = 0;
    QString ReportKind = QStringLiteral("P");

    // Print and file output -----------------------------------------------------------------------
    QString ReportTitle;
    QString OutputFileName;
    QString AppendToFile = QStringLiteral("R");
    QString OutputAsPdf = QStringLiteral("N"); // "Y": the file named is written as a PDF
    qint16 CopiesLeft = 1;
    qint16 PrintTop = 999;
    qint16 PageLineCount = 0;
    QString OutputStopped = QStringLiteral("N");

    // Resets the report selection as every report menu command does before its window opens.
    void resetReportSelection()
    {
        FromGame = 1;
        ToGame = 999;
        GameTypeOn.fill(true);
        AllGameTypes = true;
        UseSpecialSelect = false;
        SelectPlayerNumber = 0;
        SelectPlayerName = QString(17, QChar(u' '));
        IndividualMode = false;
        IndividualPlayer = 0;
        MinimumKind = QStringLiteral("G");
        MinimumValue = 0;
    }
};

} // namespace scorvane
