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
    void okClicked();
    void cancelClicked();

    AppState& state_;
    OtherTeamGames games_;
    GameRecord chosen_;

    QLabel* gameListLabel_ = nullptr;
    QListWidget* gameMenuList_ = nullptr;
    QCheckBox* gameCommentCheck_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace scorvane
