#pragma once

#include "core/games/OtherTeamGames.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace scorvane {

struct AppState;

// The opponent's record of a game, and whether its comment is to be copied too.
struct ImportChoice
{
    GameRecord game;
    bool withComment = false;
};

// Picks a game from the opponent's own game list for the game window to copy; the opponent's
// game file is open only while the dialog is.
class ImportGameDialog : public QDialog
{
    Q_OBJECT

public:
    // Shows the dialog; empty when the user cancels.
    static std::optional<ImportChoice> choose(AppState& state, int opponentSlot, QWidget* parent);

    ImportGameDialog(AppState& state, int opponentSlot, QWidget* parent);

    // Set once OK accepted the dialog.
    const std::optional<ImportChoice>& choice() const { return choice_; }

private:
    void okClicked();

    OtherTeamGames games_;
    std::optional<ImportChoice> choice_;

    QLabel* gameListLabel_ = nullptr;
    QListWidget* gameMenuList_ = nullptr;
    QCheckBox* gameCommentCheck_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace scorvane
