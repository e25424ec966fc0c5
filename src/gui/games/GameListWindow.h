#pragma once

#include "gui/app/ChildWindow.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace scorvane {

// The game list: the current team's games in playing order, and the door to adding, inserting,
// changing and deleting a game and to a game's player screen.
class GameListWindow : public ChildWindow
{
    Q_OBJECT

public:
    explicit GameListWindow(WindowHost& host);

    void opened() override;

private:
    void buildUi();
    void load();
    void offerRenumbering();
    // The selected game's number (its line + 1), made current for the next window.
    qint16 takeSelectedGame();
    void openGameScreen(GameEdit edit, qint16 gameNumber);

    void addGameClicked();
    void insertClicked();
    void modifyClicked();
    void deleteClicked();
    void playersClicked();

    QLabel* gameListLabel_ = nullptr;
    QListWidget* gameMenuList_ = nullptr;
    QPushButton* addGameButton_ = nullptr;
    QPushButton* insertButton_ = nullptr;
    QPushButton* modifyButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* playersButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace scorvane
