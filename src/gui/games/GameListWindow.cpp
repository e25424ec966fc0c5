#include "gui/games/GameListWindow.h"

#include "core/games/GameFile.h"
#include "gui/app/Prompter.h"
#include "gui/app/WindowHost.h"
#include "gui/games/GameListBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace scorvane {

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

GameListWindow::GameListWindow(WindowHost& host)
    : ChildWindow(host, WindowGameMenu)
{
    setObjectName(QStringLiteral("frmGameMenu"));
    buildUi();
    setWindowTitle(QStringLiteral("Game Menu - ") + state().CurrentTeamName);
    load();
}

void GameListWindow::buildUi()
{
    const GameListBox box = MakeGameListBox(this, 12);
    lblGameList = box.label;
    lstGameMenu = box.list;

    cmdAddGame = MakeButton(this, "cmdAddGame", QStringLiteral("&Add Game"));
    cmdInsert = MakeButton(this, "cmdInsert", QStringLiteral("&Insert"));
    cmdModify = MakeButton(this, "cmdModify", QStringLiteral("&Change"));
    cmdDelete = MakeButton(this, "cmdDelete", QStringLiteral("&Delete"));
    cmdPlayers = MakeButton(this, "cmdPlayers", QStringLiteral("&Player Screen"));
    cmdClose = MakeButton(this, "cmdClose", QStringLiteral("Close"));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdAddGame, cmdInsert, cmdModify, cmdDelete, cmdPlayers, cmdClose})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblGameList);
    layout->addWidget(lstGameMenu);
    layout->addLayout(buttons);

    connect(cmdAddGame, &QPushButton::clicked, this, &GameListWindow::cmdAddGame_Click);
    connect(cmdInsert, &QPushButton::clicked, this, &GameListWindow::cmdInsert_Click);
    connect(cmdModify, &QPushButton::clicked, this, &GameListWindow::cmdModify_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &GameListWindow::cmdDelete_Click);
    connect(cmdPlayers, &QPushButton::clicked, this, &GameListWindow::cmdPlayers_Click);
    connect(cmdClose, &QPushButton::clicked, this, [this] { ReturnToTeamWindow(); });
    connect(lstGameMenu, &QListWidget::itemDoubleClicked, this, &GameListWindow::cmdModify_Click);
    // Enter on a line does what a double-click does.
    SetDialogKeys(cmdModify, cmdClose, true);
}

void GameListWindow::opened()
{
    if (lstGameMenu->isEnabled())
        lstGameMenu->setFocus();
    else
        cmdAddGame->setFocus();
}

void GameListWindow::load()
{
    FillGameList(lstGameMenu, ReadActiveGames(state().Files, FileGames), state().GameTypeNames);
    const int line = LineToSelect(lstGameMenu->count(), state().ReselectGame);
    if (line >= 0)
        lstGameMenu->setCurrentRow(line);
    const bool any = lstGameMenu->count() > 0;
    for (QWidget* w : {static_cast<QWidget*>(cmdModify), static_cast<QWidget*>(cmdInsert),
             static_cast<QWidget*>(cmdDelete), static_cast<QWidget*>(cmdPlayers),
             static_cast<QWidget*>(lstGameMenu)})
        w->setEnabled(any);
}

qint16 GameListWindow::takeSelectedGame()
{
    const int line = qMax(lstGameMenu->currentRow(), 0);
    const auto gameNumber = static_cast<qint16>(line + 1);
    state().CurrentGame = gameNumber;
    state().ReselectGame = gameNumber;
    // The record the list read for this line; the game windows look the game up by its number
    // and fall back on this record when the file's numbers have gaps.
    if (QListWidgetItem* item = lstGameMenu->item(line))
        state().CurrentGameRecord = ListedRecordNumber(*item);
    return gameNumber;
}

void GameListWindow::openGameScreen(const QString& mode, qint16 gameNumber)
{
    state().CurrentGame = gameNumber;
    state().ReselectGame = gameNumber;
    state().GameEditMode = mode;
    SwitchTo(WindowGameScreen);
}

void GameListWindow::cmdAddGame_Click()
{
    state().CurrentGameRecord = 0;
    openGameScreen(QStringLiteral("A"), static_cast<qint16>(lstGameMenu->count() + 1));
}

void GameListWindow::cmdInsert_Click()
{
    if (lstGameMenu->count() == 0)
        return;
    openGameScreen(QStringLiteral("I"), takeSelectedGame());
}

void GameListWindow::cmdModify_Click()
{
    if (lstGameMenu->count() == 0)
        return;
    openGameScreen(QStringLiteral("C"), takeSelectedGame());
}

void GameListWindow::cmdPlayers_Click()
{
    if (lstGameMenu->count() == 0)
        return;
    takeSelectedGame();
    state().GameEditMode = QStringLiteral("C");
    SwitchTo(WindowPScreen);
}

void GameListWindow::cmdDelete_Click()
{
    if (lstGameMenu->count() == 0)
        return;
    const Message question{QStringLiteral("Delete Game?"),
        QStringLiteral("Are you sure?  Player results will also be deleted!"),
        Message::Buttons::OkCancel, Message::Icon::None, Message::Answer::Ok};
    if (prompter().ask(this, question) != Message::Answer::Ok)
        return;
    const qint16 gameNumber = takeSelectedGame();
    qint32 record = FindGameRecord(state().Files, gameNumber);
    if (record == 0)
        record = state().CurrentGameRecord;
    {
        const BusyPointer busy;
        DeleteGame(state().Files, record);
    }
    load();
    // Back to the list, so the arrow keys choose the next game to work on.
    opened();
}

} // namespace scorvane
