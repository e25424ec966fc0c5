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
    bool queryClose() override;

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
    QString stepName() const; // the undo history's name for what saving does
    void leaveToGameList();

    void okClicked();
    void cancelClicked();
    void importClicked();
    void playersClicked();

    QLabel* gameNumberLabel_ = nullptr;
    QLabel* addGameLabel_ = nullptr;
    QLineEdit* gameDateEdit_ = nullptr;
    QLabel* displayDateLabel_ = nullptr;
    QComboBox* opponentsCombo_ = nullptr;
    QLineEdit* gameLocEdit_ = nullptr;
    QLineEdit* pointsForEdit_ = nullptr;
    QLineEdit* pointsAgainstEdit_ = nullptr;
    QListWidget* gameTypesList_ = nullptr;
    QCheckBox* homeTeamCheck_ = nullptr;
    QCheckBox* specialSelectCheck_ = nullptr;
    QLineEdit* gameCommentEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* importButton_ = nullptr;
    QPushButton* playersButton_ = nullptr;

    GameEdit edit_ = GameEdit::Add;
    qint32 gameRecord_ = 0; // the game's record in file 4 (modes "I" and "C")
    qint16 gameNumber_ = 0;
    bool changed_ = false;
    bool imported_ = false; // the fields came from the opponent's game
    bool loading_ = false;
};

} // namespace scorvane
