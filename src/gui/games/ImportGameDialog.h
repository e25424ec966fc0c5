#pragma once

#include "core/games/OtherTeamGames.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace scorvane {

struct AppState;

// Picks a game from the opponent's own game list for the game screen to copy. Sets ImportMark
// ("Y" when a game was chosen) and CommentMark; the opponent's game file is open only while the
// window is.
class ImportGameDialog : public QDialog
{
    Q_OBJECT

public:
    ImportGameDialog(AppState& state, int opponentSlot, QWidget* parent);

    const GameRecord& chosenGame() const { return chosen_; }

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    AppState& state_;
    OtherTeamGames games_;
    GameRecord chosen_;

    QLabel* lblGameList = nullptr;
    QListWidget* lstGameMenu = nullptr;
    QCheckBox* chkGameComment = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

} // namespace scorvane
