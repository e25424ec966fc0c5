#pragma once

#include "core/reports/PlayerReportSession.h"
#include "gui/app/ChildWindow.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace scorvane {

class FrozenColumnsTable;
struct PlayerStatsGrid;

// The player statistics of the chosen teams as a grid: a heading row, the totals and one row per
// player (or, for one player, per game), in the columns of the current report format. Its
// buttons choose the games, the format, the sort, a minimum and one player, and print; for one
// player a statistic of the report is charted game by game.
class PlayerStatsWindow : public ChildWindow
{
    Q_OBJECT

public:
    explicit PlayerStatsWindow(WindowHost& host);

private:
    void buildUi();
    void load();
    void draw();
    void showGrid(const PlayerStatsGrid& grid);
    void fitColumns(const PlayerStatsGrid& grid);
    // Offers the chart of one player's statistic game by game, in individual mode only.
    void showChartChoice(bool shown);

    // The parts of the program state the window reads and changes.
    PlayerReportRequest request();
    ReportSelection& selection();
    ProgramSettings& settings();

    void computeClicked();
    void formatClicked();
    void sortClicked();
    void minimumClicked();
    void playerClicked();
    void teamClicked();
    void printClicked();
    void chartClicked();
    void closeClicked();
    void teamsChanged(int index);

    PlayerReportSession session_;
    bool severalTeams_ = false;

    QLabel* teamLabel_ = nullptr;
    QComboBox* teamsCombo_ = nullptr;
    FrozenColumnsTable* statsTable_ = nullptr;
    QPushButton* computeButton_ = nullptr;
    QPushButton* formatButton_ = nullptr;
    QPushButton* sortButton_ = nullptr;
    QPushButton* minimumButton_ = nullptr;
    QPushButton* playerButton_ = nullptr;
    QPushButton* teamButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QLabel* chartLabel_ = nullptr;
    QComboBox* chartCombo_ = nullptr;
    QPushButton* chartButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace scorvane
