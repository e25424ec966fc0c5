#include "gui/games/GameWindow.h"

#include "core/games/GameFile.h"
#include "core/text/Blanks.h"
#include "gui/app/Prompter.h"
#include "gui/app/TextBoxes.h"
#include "gui/app/UndoHistory.h"
#include "gui/app/WindowHelpers.h"
#include "gui/app/WindowHost.h"
#include "gui/games/ImportGameDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace scorvane {

namespace {

const QString ChangedTitle = QStringLiteral("Game Information Changed!");
constexpr int OpponentWidth = 25; // the stored opponent field
const QRegularExpression DigitsPattern(QStringLiteral("[0-9]*"));

// An active record of file 4 at `record`, or 0.
qint32 activeRecordOr0(DataFiles& files, qint32 record)
{
    if (record < 1 || record > files.recordCount(FileGames))
        return 0;
    return files.get<GameRecord>(FileGames, record).gameStatus == 'A' ? record : 0;
}

} // namespace

GameWindow::GameWindow(WindowHost& host)
    : ChildWindow(host, WindowGameScreen)
{
    setObjectName(QStringLiteral("frmGameScreen"));
    buildUi();
    load();
}

void GameWindow::buildUi()
{
    gameNumberLabel_ = named(new QLabel(this), "lblGameNumber");
    QFont bold = gameNumberLabel_->font();
    bold.setBold(true);
    gameNumberLabel_->setFont(bold);
    addGameLabel_ = named(
        new QLabel(QStringLiteral("Must  click OK (add game) before adding player results"), this),
        "lblAddGame");
    addGameLabel_->setStyleSheet(QStringLiteral("color: #a00000;"));

    gameDateEdit_ = named(new QLineEdit(this), "txtGameDate");
    gameDateEdit_->setMaxLength(6);
    displayDateLabel_ = named(new QLabel(this), "lblDisplayDate");
    displayDateLabel_->setMinimumWidth(fontMetrics().horizontalAdvance(QString(16, u'M')));
    opponentsCombo_ = named(new QComboBox(this), "cmbOpponents");
    opponentsCombo_->setEditable(true);
    opponentsCombo_->setInsertPolicy(QComboBox::NoInsert);
    // What is typed stays as typed: no completion turns "Tigers" into "Tigers U12". (Without a
    // completer the list is also matched case-sensitively when Enter is pressed.)
    opponentsCombo_->setCompleter(nullptr);
    opponentsCombo_->setMaxVisibleItems(20);
    opponentsCombo_->setMinimumWidth(
        opponentsCombo_->fontMetrics().horizontalAdvance(QString(28, u'n')));
    gameLocEdit_ = named(new QLineEdit(this), "txtGameLoc");
    gameLocEdit_->setMaxLength(20);
    pointsForEdit_ = named(new QLineEdit(this), "txtPointsFor");
    pointsForEdit_->setMaxLength(3);
    pointsAgainstEdit_ = named(new QLineEdit(this), "txtPointsAgainst");
    pointsAgainstEdit_->setMaxLength(3);
    const int digitWidth = gameDateEdit_->fontMetrics().horizontalAdvance(u'0');
    gameDateEdit_->setFixedWidth(digitWidth * 9 + 12);
    pointsForEdit_->setFixedWidth(digitWidth * 5 + 12);
    pointsAgainstEdit_->setFixedWidth(digitWidth * 5 + 12);
    gameTypesList_ = named(new QListWidget(this), "lstGameTypes");
    gameTypesList_->setFixedSize(gameTypesList_->fontMetrics().horizontalAdvance(QString(14, u'M')),
        gameTypesList_->fontMetrics().lineSpacing() * 7 + 8);
    homeTeamCheck_ = named(new QCheckBox(QStringLiteral("Home Team"), this), "chkHomeTeam");
    specialSelectCheck_
        = named(new QCheckBox(QStringLiteral("Special Select"), this), "chkSpecialSelect");
    gameCommentEdit_ = named(new QLineEdit(this), "txtGameComment");
    gameCommentEdit_->setMaxLength(58);
    gameCommentEdit_->setMinimumWidth(
        gameCommentEdit_->fontMetrics().horizontalAdvance(QString(50, u'n')));

    for (QLineEdit* box :
        {gameDateEdit_, gameLocEdit_, pointsForEdit_, pointsAgainstEdit_, gameCommentEdit_})
        TextBoxes::selectAllOnFocus(box);
    TextBoxes::selectAllOnFocus(opponentsCombo_->lineEdit());
    for (QLineEdit* box : {gameDateEdit_, pointsForEdit_, pointsAgainstEdit_}) {
        TextBoxes::digitsOnly(box);
        // Pasted text passes no key filter: only digits are taken.
        box->setValidator(new QRegularExpressionValidator(DigitsPattern, box));
    }

    okButton_ = named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    okButton_->setDefault(true);
    cancelButton_ = named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel");
    importButton_ = named(new QPushButton(QStringLiteral("&Import"), this), "cmdImport");
    playersButton_ = named(new QPushButton(QStringLiteral("&Player Screen"), this), "cmdPlayers");

    auto* grid = new QGridLayout;
    int row = 0;
    // A labelled row: the field, then anything that stands beside it on the same line.
    const auto addRow = [&](const QString& caption, const char* labelName, QWidget* field,
                            std::initializer_list<QWidget*> beside = {}) {
        auto* label = named(new QLabel(caption, this), labelName);
        label->setBuddy(field);
        // Only the tall type list puts its label at the top.
        const Qt::Alignment vertical = field == gameTypesList_ ? Qt::AlignTop : Qt::AlignVCenter;
        grid->addWidget(label, row, 0, Qt::AlignLeft | vertical);
        auto* line = new QHBoxLayout;
        line->addWidget(field, 0, vertical);
        for (QWidget* w : beside)
            line->addWidget(w, 0, vertical);
        if (beside.size() > 0)
            line->addStretch();
        grid->addLayout(line, row, 1);
        ++row;
    };
    auto* pointsAgainstLabel
        = named(new QLabel(QStringLiteral("Goals Against:"), this), "lblPointsAgainst");
    pointsAgainstLabel->setBuddy(pointsAgainstEdit_);
    auto* marks = new QWidget(this);
    auto* marksLayout = new QVBoxLayout(marks);
    marksLayout->setContentsMargins(12, 0, 0, 0);
    marksLayout->addWidget(homeTeamCheck_);
    marksLayout->addWidget(specialSelectCheck_);

    addRow(
        QStringLiteral("Game Date (MMDDYY):"), "lblGameDate", gameDateEdit_, {displayDateLabel_});
    addRow(QStringLiteral("Opponent:"), "lblOpponent", opponentsCombo_);
    addRow(QStringLiteral("Game Location:"), "lblGameLoc", gameLocEdit_);
    addRow(QStringLiteral("Goals For:"), "lblPointsFor", pointsForEdit_,
        {pointsAgainstLabel, pointsAgainstEdit_});
    addRow(QStringLiteral("Game Type:"), "lblGameType", gameTypesList_, {marks});
    addRow(QStringLiteral("Comment:"), "lblGameComment", gameCommentEdit_);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {okButton_, cancelButton_, importButton_, playersButton_})
        buttons->addWidget(b);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gameNumberLabel_);
    layout->addLayout(grid);
    layout->addWidget(addGameLabel_);
    layout->addLayout(buttons);

    for (QLineEdit* box :
        {gameDateEdit_, gameLocEdit_, pointsForEdit_, pointsAgainstEdit_, gameCommentEdit_})
        connect(box, &QLineEdit::textChanged, this, &GameWindow::markChanged);
    connect(opponentsCombo_, &QComboBox::editTextChanged, this, &GameWindow::markChanged);
    connect(gameTypesList_, &QListWidget::currentRowChanged, this, &GameWindow::markChanged);
    connect(gameTypesList_, &QListWidget::itemClicked, this, &GameWindow::markChanged);
    connect(homeTeamCheck_, &QCheckBox::toggled, this, &GameWindow::markChanged);
    connect(specialSelectCheck_, &QCheckBox::toggled, this, &GameWindow::markChanged);

    // Only a line chosen from the list names the opponent's team; typed text does not.
    connect(opponentsCombo_, &QComboBox::activated, this,
        [this](int line) { state().currentGame.opponentSlot = line + 1; });
    connect(opponentsCombo_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        const QString fitted = trimBlanks(opponentsCombo_->currentText()).left(OpponentWidth);
        if (fitted != opponentsCombo_->currentText())
            opponentsCombo_->setEditText(fitted);
    });
    connect(gameDateEdit_, &QLineEdit::editingFinished, this, [this] { runDateCheck(); });

    connect(okButton_, &QPushButton::clicked, this, &GameWindow::okClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &GameWindow::cancelClicked);
    connect(importButton_, &QPushButton::clicked, this, &GameWindow::importClicked);
    connect(playersButton_, &QPushButton::clicked, this, &GameWindow::playersClicked);
    setDialogKeys(okButton_, cancelButton_);
}

void GameWindow::opened()
{
    gameDateEdit_->setFocus();
}

void GameWindow::load()
{
    AppState& s = state();
    edit_ = s.currentGame.edit;
    setWindowTitle(QStringLiteral("Game Screen - ") + s.teamChoice.currentName);
    loading_ = true;
    changed_ = false;
    s.currentGame.opponentSlot = 0;
    gameNumber_ = static_cast<qint16>(s.currentGame.number);
    if (edit_ != GameEdit::Add) {
        // The record the game list's line came from while it still holds that game (numbers
        // out of record order name more than one line); else the game with the number; else
        // whatever active game that record holds now.
        const qint32 listed = activeRecordOr0(s.files, s.currentGame.record);
        if (listed != 0
            && s.files.get<GameRecord>(FileGames, listed).gameNumber == s.currentGame.number)
            gameRecord_ = listed;
        else
            gameRecord_ = findGameRecord(s.files, s.currentGame.number);
        if (gameRecord_ == 0)
            gameRecord_ = listed;
        s.currentGame.record = gameRecord_;
        if (gameRecord_ == 0) {
            // The game is gone from the file: the window can only add one at the end.
            edit_ = GameEdit::Add;
            s.currentGame.edit = edit_;
            gameNumber_ = static_cast<qint16>(readActiveGames(s.files, FileGames).size() + 1);
            s.currentGame.number = gameNumber_;
        }
    }

    for (int t = 1; t <= 7; ++t)
        gameTypesList_->addItem(rightTrimBlanks(s.settings.gameTypeNames[t]));
    for (int slot = 1; slot <= 100; ++slot)
        opponentsCombo_->addItem(rightTrimBlanks(s.teamChoice.names[slot]));
    opponentsCombo_->setEditText(QString());
    gameNumberLabel_->setText(gameNumberLabel(edit_, static_cast<qint16>(s.currentGame.number)));
    gameTypesList_->setCurrentRow(0);

    const bool adding = edit_ != GameEdit::Change;
    addGameLabel_->setVisible(adding);
    playersButton_->setVisible(!adding);

    if (edit_ == GameEdit::Change) {
        const auto game = s.files.get<GameRecord>(FileGames, gameRecord_);
        // A changed game keeps its own number, which its player results carry.
        gameNumber_ = game.gameNumber;
        const GameFields fields = fieldsOfGame(game);
        fill(fields);
        s.currentGame.opponentSlot = opponentSlot(s.teamChoice.names, fields.opponent);
    }
    loading_ = false;
}

void GameWindow::fill(const GameFields& fields)
{
    gameDateEdit_->setText(fields.date);
    runDateCheck();
    gameLocEdit_->setText(fields.location);
    opponentsCombo_->setEditText(fields.opponent);
    pointsForEdit_->setText(fields.goalsFor);
    pointsAgainstEdit_->setText(fields.goalsAgainst);
    gameCommentEdit_->setText(fields.comment);
    homeTeamCheck_->setChecked(fields.homeTeam);
    specialSelectCheck_->setChecked(fields.specialSelect);
    gameTypesList_->setCurrentRow(fields.typeLine);
}

GameFields GameWindow::collect() const
{
    GameFields fields;
    fields.date = gameDateEdit_->text();
    fields.location = gameLocEdit_->text();
    fields.opponent = trimBlanks(opponentsCombo_->currentText()).left(OpponentWidth);
    fields.goalsFor = pointsForEdit_->text();
    fields.goalsAgainst = pointsAgainstEdit_->text();
    fields.comment = gameCommentEdit_->text();
    fields.typeLine = qMax(gameTypesList_->currentRow(), 0);
    fields.homeTeam = homeTeamCheck_->isChecked();
    fields.specialSelect = specialSelectCheck_->isChecked();
    return fields;
}

void GameWindow::markChanged()
{
    if (!loading_)
        changed_ = true;
}

bool GameWindow::runDateCheck()
{
    const GameDateCheck check = checkGameDate(gameDateEdit_->text());
    displayDateLabel_->setText(check.words);
    return check.valid;
}

QString GameWindow::stepName() const
{
    const QString verb = imported_  ? QStringLiteral("Import")
        : edit_ == GameEdit::Add    ? QStringLiteral("Add")
        : edit_ == GameEdit::Insert ? QStringLiteral("Insert")
                                    : QStringLiteral("Change");
    return QStringLiteral("%1 Game %2").arg(verb).arg(gameNumber_);
}

bool GameWindow::saveGame()
{
    if (!runDateCheck()) {
        displayDateLabel_->clear();
        prompter().tell(
            this, QStringLiteral("Game Date Invalid"), QStringLiteral("Enter game date (MMDDYY)"));
        gameDateEdit_->setFocus();
        return false;
    }
    AppState& s = state();
    const GameRecord game = recordOfFields(collect(), gameNumber_);
    const BusyPointer busy;
    qint32 written = 0;
    UndoHistory::recorded(
        host(),
        [&] {
            written = scorvane::saveGame(s.files, edit_, gameRecord_, game);
            return written != 0;
        },
        [&] { return stepName(); });
    if (written == 0)
        return false; // the write was cancelled: the fields stay as typed
    s.currentGame.record = written;
    gameRecord_ = s.currentGame.record;
    s.currentGame.reselect = s.currentGame.number;
    changed_ = false;
    return true;
}

void GameWindow::leaveToGameList()
{
    state().currentGame.reselect = state().currentGame.number;
    host().setExitEnabled(true);
    switchTo(WindowGameMenu);
}

void GameWindow::okClicked()
{
    if (!saveGame())
        return;
    if (edit_ == GameEdit::Change) {
        leaveToGameList();
        return;
    }
    switchTo(WindowPScreen);
}

bool GameWindow::confirmDiscard()
{
    if (!changed_)
        return true;
    if (reallyCancel(prompter(), this, ChangedTitle))
        return true;
    gameDateEdit_->setFocus();
    return false;
}

void GameWindow::cancelClicked()
{
    if (confirmDiscard())
        leaveToGameList();
}

bool GameWindow::queryClose()
{
    // Leaving by a menu command or the program's end: an unsaved game is saved, dropped or kept
    // on the screen, as the user answers.
    if (!changed_)
        return true;
    const Message question{ChangedTitle, QStringLiteral("Save game information?"),
        Message::Buttons::YesNoCancel, Message::Icon::Question, Message::Answer::Yes};
    switch (prompter().ask(this, question)) {
    case Message::Answer::Yes:
        return saveGame(); // an invalid date keeps the window open
    case Message::Answer::No:
        return true;
    default:
        gameDateEdit_->setFocus();
        return false;
    }
}

void GameWindow::playersClicked()
{
    if (changed_) {
        if (saveFirst(prompter(), this, ChangedTitle, QStringLiteral("Save game information?"))
            && !saveGame())
            return;
    }
    state().currentGame.reselect = state().currentGame.number;
    switchTo(WindowPScreen);
}

void GameWindow::importClicked()
{
    AppState& s = state();
    if (s.currentGame.opponentSlot == s.teamChoice.currentSlot) {
        prompter().tell(this, QStringLiteral("Incorrect Opponent"),
            QStringLiteral("Opponent can not be update team"));
        gameDateEdit_->setFocus();
        return;
    }
    if (s.currentGame.opponentSlot == 0) {
        prompter().tell(
            this, QStringLiteral("No Opponent Selected"), QStringLiteral("Select opponent first"));
        gameDateEdit_->setFocus();
        return;
    }
    const auto choice = ImportGameDialog::choose(s, s.currentGame.opponentSlot, this);
    if (choice) {
        fill(importedFields(collect(), choice->game, choice->withComment));
        imported_ = true;
    }
}

} // namespace scorvane
