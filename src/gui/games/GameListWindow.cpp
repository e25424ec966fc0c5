#include "gui/games/GameListWindow.h"

#include "core/games/GameFile.h"
#include "gui/app/Prompter.h"
#include "gui/app/UndoHistory.h"
#include "gui/app/WindowHelpers.h"
#include "gui/app/WindowHost.h"
#include "gui/games/GameListBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>

namespace scorvane {

GameListWindow::GameListWindow(WindowHost& host)
    : ChildWindow(host, WindowGameMenu)
{
    setObjectName(QStringLiteral("frmGameMenu"));
    buildUi();
    setWindowTitle(QStringLiteral("Game Menu - ") + state().teamChoice.currentName);
    load();
}

void GameListWindow::buildUi()
{
    const GameListBox box = makeGameListBox(this, 12);
    gameListLabel_ = box.label;
    gameMenuList_ = box.list;

    addGameButton_ = makeButton(this, "cmdAddGame", QStringLiteral("&Add Game"));
    insertButton_ = makeButton(this, "cmdInsert", QStringLiteral("&Insert"));
    modifyButton_ = makeButton(this, "cmdModify", QStringLiteral("&Change"));
    deleteButton_ = makeButton(this, "cmdDelete", QStringLiteral("&Delete"));
    playersButton_ = makeButton(this, "cmdPlayers", QStringLiteral("&Player Screen"));
    closeButton_ = makeButton(this, "cmdClose", QStringLiteral("Close"));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b :
        {addGameButton_, insertButton_, modifyButton_, deleteButton_, playersButton_, closeButton_})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gameListLabel_);
    layout->addWidget(gameMenuList_);
    layout->addLayout(buttons);

    connect(addGameButton_, &QPushButton::clicked, this, &GameListWindow::addGameClicked);
    connect(insertButton_, &QPushButton::clicked, this, &GameListWindow::insertClicked);
    connect(modifyButton_, &QPushButton::clicked, this, &GameListWindow::modifyClicked);
    connect(deleteButton_, &QPushButton::clicked, this, &GameListWindow::deleteClicked);
    connect(playersButton_, &QPushButton::clicked, this, &GameListWindow::playersClicked);
    connect(closeButton_, &QPushButton::clicked, this, [this] { returnToTeamWindow(); });
    connect(gameMenuList_, &QListWidget::itemDoubleClicked, this, &GameListWindow::modifyClicked);
    // Enter on a line does what a double-click does.
    setDialogKeys(modifyButton_, closeButton_, true);
}

void GameListWindow::opened()
{
    if (gameMenuList_->isEnabled())
        gameMenuList_->setFocus();
    else
        addGameButton_->setFocus();
}

void GameListWindow::load()
{
    offerRenumbering();
    fillGameList(
        gameMenuList_, readActiveGames(state().files, FileGames), state().settings.gameTypeNames);
    const int line = lineToSelect(gameMenuList_->count(), state().currentGame.reselect);
    if (line >= 0)
        gameMenuList_->setCurrentRow(line);
    const bool any = gameMenuList_->count() > 0;
    for (QWidget* w : {static_cast<QWidget*>(modifyButton_), static_cast<QWidget*>(insertButton_),
             static_cast<QWidget*>(deleteButton_), static_cast<QWidget*>(playersButton_),
             static_cast<QWidget*>(gameMenuList_)})
        w->setEnabled(any);
}

void GameListWindow::offerRenumbering()
{
    // Once per team and program run: a "No" is not asked again every time the list opens.
    static QSet<QString> asked;
    AppState& s = state();
    if (gameNumbersInOrder(s.files)
        || asked.contains(s.settings.dataFolder + QString::number(s.teamChoice.currentSlot)))
        return;
    asked.insert(s.settings.dataFolder + QString::number(s.teamChoice.currentSlot));
    const Message question{QStringLiteral("Game Numbers Out of Order"),
        QStringLiteral("The games of this team are not numbered 1, 2, 3 ... in the order they are "
                       "stored, so a game's number may not find it.\n\nRenumber the games in "
                       "stored order? Their player results follow them."),
        Message::Buttons::YesNo, Message::Icon::Warning, Message::Answer::Yes};
    if (prompter().ask(this, question) == Message::Answer::Yes) {
        const BusyPointer busy;
        renumberGamesInRecordOrder(s.files);
    }
}

qint16 GameListWindow::takeSelectedGame()
{
    const int line = qMax(gameMenuList_->currentRow(), 0);
    auto gameNumber = static_cast<qint16>(line + 1);
    // The record the list read for this line, and that game's own number: with the file's
    // numbers out of order, the line's position would name another game.
    if (QListWidgetItem* item = gameMenuList_->item(line)) {
        state().currentGame.record = listedRecordNumber(*item);
        gameNumber = listedGameNumber(*item);
    }
    state().currentGame.number = gameNumber;
    state().currentGame.reselect = line + 1;
    return gameNumber;
}

void GameListWindow::openGameScreen(GameEdit edit, qint16 gameNumber)
{
    state().currentGame.number = gameNumber;
    state().currentGame.reselect = gameNumber;
    state().currentGame.edit = edit;
    switchTo(WindowGameScreen);
}

void GameListWindow::addGameClicked()
{
    state().currentGame.record = 0;
    openGameScreen(GameEdit::Add, static_cast<qint16>(gameMenuList_->count() + 1));
}

void GameListWindow::insertClicked()
{
    if (gameMenuList_->count() == 0)
        return;
    openGameScreen(GameEdit::Insert, takeSelectedGame());
}

void GameListWindow::modifyClicked()
{
    if (gameMenuList_->count() == 0)
        return;
    openGameScreen(GameEdit::Change, takeSelectedGame());
}

void GameListWindow::playersClicked()
{
    if (gameMenuList_->count() == 0)
        return;
    takeSelectedGame();
    state().currentGame.edit = GameEdit::Change;
    switchTo(WindowPScreen);
}

void GameListWindow::deleteClicked()
{
    if (gameMenuList_->count() == 0)
        return;
    const Message question{QStringLiteral("Delete Game?"),
        QStringLiteral("Are you sure?  Player results will also be deleted!"),
        Message::Buttons::OkCancel, Message::Icon::None, Message::Answer::Cancel};
    // Cancel is the default: a deleted game cannot be brought back.
    if (prompter().ask(this, question) != Message::Answer::Ok)
        return;
    takeSelectedGame();
    // The record the chosen line was read from: with game numbers out of order, looking the
    // game up by the line's number would delete another game.
    const qint32 record = state().currentGame.record;
    {
        const BusyPointer busy;
        const qint16 number = state().currentGame.number;
        if (!UndoHistory::recorded(
                host(), [&] { return deleteGame(state().files, record); },
                [&] { return QStringLiteral("Delete Game %1").arg(number); }))
            return;
    }
    load();
    // Back to the list, so the arrow keys choose the next game to work on.
    opened();
}

} // namespace scorvane
