#pragma once

#include "core/games/GameEntry.h"
#include "gui/app/ChildWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace scorvane {

// One game's information: added at the end (mode "A"), inserted before another game ("I") or
// changed ("C"). Hands over to the player screen after an add or insert, otherwise back to the
// game list.
class GameWindow : public ChildWindow
{
    Q_OBJECT

public:
    explicit GameWindow(WindowHost& host);

    void opened() override;

    bool changed() const { return changed_; }
    bool QueryClose() override;

private:
    bool confirmDiscard();
    void buildUi();
    void load();
    void fill(const GameFields& fields);
    GameFields collect() const;
    void markChanged();

    // Shows the date in words, or clears it; false when the typed date is invalid.
    bool runDateCheck();
    // Saves the game; false (after telling the user) when the date is invalid.
    bool saveGame();
    void leaveToGameList();

    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdImport_Click();
    void cmdPlayers_Click();

    QLabel* lblGameNumber = nullptr;
    QLabel* lblAddGame = nullptr;
    QLineEdit* txtGameDate = nullptr;
    QLabel* lblDisplayDate = nullptr;
    QComboBox* cmbOpponents = nullptr;
    QLineEdit* txtGameLoc = nullptr;
    QLineEdit* txtPointsFor = nullptr;
    QLineEdit* txtPointsAgainst = nullptr;
    QListWidget* lstGameTypes = nullptr;
    QCheckBox* chkHomeTeam = nullptr;
    QCheckBox* chkSpecialSelect = nullptr;
    QLineEdit* txtGameComment = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdPlayers = nullptr;

    QString mode_;
    qint32 gameRecord_ = 0; // the game's record in file 4 (modes "I" and "C")
    qint16 gameNumber_ = 0;
    bool changed_ = false;
    bool loading_ = false;
};

} // namespace scorvane
