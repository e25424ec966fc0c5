#include "gui/games/GameWindow.h"

#include "core/games/GameFile.h"
#include "core/text/Blanks.h"
#include "gui/app/Prompter.h"
#include "gui/app/TextBoxes.h"
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
const QRegularExpression DigitsPattern(QStringLiteral("[0-9]*"));

template <typename Widget> Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// An active record of file 4 at `record`, or 0.
qint32 ActiveRecordOr0(DataFiles& files, qint32 record)
{
    if (record < 1 || record > files.RecordCount(FileGames))
        return 0;
    return files.Get<GameRecord>(FileGames, record).GameStatus == 'A' ? record : 0;
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
    lblGameNumber = Named(new QLabel(this), "lblGameNumber");
    QFont bold = lblGameNumber->font();
    bold.setBold(true);
    lblGameNumber->setFont(bold);
    lblAddGame = Named(
        new QLabel(QStringLiteral("Must  click OK (add game) before adding player results"), this),
        "lblAddGame");
    lblAddGame->setStyleSheet(QStringLiteral("color: #a00000;"));

    txtGameDate = Named(new QLineEdit(this), "txtGameDate");
    txtGameDate->setMaxLength(6);
    lblDisplayDate = Named(new QLabel(this), "lblDisplayDate");
    lblDisplayDate->setMinimumWidth(fontMetrics().horizontalAdvance(QString(16, u'M')));
    cmbOpponents = Named(new QComboBox(this), "cmbOpponents");
    cmbOpponents->setEditable(true);
    cmbOpponents->setInsertPolicy(QComboBox::NoInsert);
    cmbOpponents->setMaxVisibleItems(20);
    cmbOpponents->setMinimumWidth(cmbOpponents->fontMetrics().horizontalAdvance(QString(28, u'n')));
    txtGameLoc = Named(new QLineEdit(this), "txtGameLoc");
    txtGameLoc->setMaxLength(20);
    txtPointsFor = Named(new QLineEdit(this), "txtPointsFor");
    txtPointsFor->setMaxLength(3);
    txtPointsAgainst = Named(new QLineEdit(this), "txtPointsAgainst");
    txtPointsAgainst->setMaxLength(3);
    const int digitWidth = txtGameDate->fontMetrics().horizontalAdvance(u'0');
    txtGameDate->setFixedWidth(digitWidth * 9 + 12);
    txtPointsFor->setFixedWidth(digitWidth * 5 + 12);
    txtPointsAgainst->setFixedWidth(digitWidth * 5 + 12);
    lstGameTypes = Named(new QListWidget(this), "lstGameTypes");
    lstGameTypes->setFixedSize(lstGameTypes->fontMetrics().horizontalAdvance(QString(14, u'M')),
        lstGameTypes->fontMetrics().lineSpacing() * 7 + 8);
    chkHomeTeam = Named(new QCheckBox(QStringLiteral("Home Team"), this), "chkHomeTeam");
    chkSpecialSelect
        = Named(new QCheckBox(QStringLiteral("Special Select"), this), "chkSpecialSelect");
    txtGameComment = Named(new QLineEdit(this), "txtGameComment");
    txtGameComment->setMaxLength(58);
    txtGameComment->setMinimumWidth(
        txtGameComment->fontMetrics().horizontalAdvance(QString(50, u'n')));

    for (QLineEdit* box : {txtGameDate, txtGameLoc, txtPointsFor, txtPointsAgainst, txtGameComment})
        TextBoxes::SelectAllOnFocus(box, &state().TextAtFocus);
    TextBoxes::SelectAllOnFocus(cmbOpponents->lineEdit(), &state().TextAtFocus);
    for (QLineEdit* box : {txtGameDate, txtPointsFor, txtPointsAgainst}) {
        TextBoxes::DigitsOnly(box);
        // Pasted text passes no key filter: only digits are taken.
        box->setValidator(new QRegularExpressionValidator(DigitsPattern, box));
    }

    cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel");
    cmdImport = Named(new QPushButton(QStringLiteral("&Import"), this), "cmdImport");
    cmdPlayers = Named(new QPushButton(QStringLiteral("&Player Screen"), this), "cmdPlayers");

    auto* grid = new QGridLayout;
    int row = 0;
    // A labelled row: the field, then anything that stands beside it on the same line.
    const auto addRow = [&](const QString& caption, const char* labelName, QWidget* field,
                            std::initializer_list<QWidget*> beside = {}) {
        auto* label = Named(new QLabel(caption, this), labelName);
        label->setBuddy(field);
        // Only the tall type list puts its label at the top.
        const Qt::Alignment vertical = field == lstGameTypes ? Qt::AlignTop : Qt::AlignVCenter;
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
    auto* lblPointsAgainst
        = Named(new QLabel(QStringLiteral("Goals Against:"), this), "lblPointsAgainst");
    lblPointsAgainst->setBuddy(txtPointsAgainst);
    auto* marks = new QWidget(this);
    auto* marksLayout = new QVBoxLayout(marks);
    marksLayout->setContentsMargins(12, 0, 0, 0);
    marksLayout->addWidget(chkHomeTeam);
    marksLayout->addWidget(chkSpecialSelect);

    addRow(QStringLiteral("Game Date (MMDDYY):"), "lblGameDate", txtGameDate, {lblDisplayDate});
    addRow(QStringLiteral("Opponent:"), "lblOpponent", cmbOpponents);
    addRow(QStringLiteral("Game Location:"), "lblGameLoc", txtGameLoc);
    addRow(QStringLiteral("Goals For:"), "lblPointsFor", txtPointsFor,
        {lblPointsAgainst, txtPointsAgainst});
    addRow(QStringLiteral("Game Type:"), "lblGameType", lstGameTypes, {marks});
    addRow(QStringLiteral("Comment:"), "lblGameComment", txtGameComment);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {cmdOK, cmdCancel, cmdImport, cmdPlayers})
        buttons->addWidget(b);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblGameNumber);
    layout->addLayout(grid);
    layout->addWidget(lblAddGame);
    layout->addLayout(buttons);

    for (QLineEdit* box : {txtGameDate, txtGameLoc, txtPointsFor, txtPointsAgainst, txtGameComment})
        connect(box, &QLineEdit::textChanged, this, &GameWindow::markChanged);
    connect(cmbOpponents, &QComboBox::editTextChanged, this, &GameWindow::markChanged);
    connect(lstGameTypes, &QListWidget::currentRowChanged, this, &GameWindow::markChanged);
    connect(lstGameTypes, &QListWidget::itemClicked, this, &GameWindow::markChanged);
    connect(chkHomeTeam, &QCheckBox::toggled, this, &GameWindow::markChanged);
    connect(chkSpecialSelect, &QCheckBox::toggled, this, &GameWindow::markChanged);

    // Only a line chosen from the list names the opponent's team; typed text does not.
    connect(cmbOpponents, &QComboBox::activated, this,
        [this](int line) { state().OpponentTeamNo = line + 1; });
    connect(cmbOpponents->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        const QString fitted = TrimBlanks(cmbOpponents->currentText()).left(25);
        if (fitted != cmbOpponents->currentText())
            cmbOpponents->setEditText(fitted);
    });
    connect(txtGameDate, &QLineEdit::editingFinished, this, [this] { runDateCheck(); });

    connect(cmdOK, &QPushButton::clicked, this, &GameWindow::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &GameWindow::cmdCancel_Click);
    connect(cmdImport, &QPushButton::clicked, this, &GameWindow::cmdImport_Click);
    connect(cmdPlayers, &QPushButton::clicked, this, &GameWindow::cmdPlayers_Click);
    SetDialogKeys(cmdOK, cmdCancel);
}

void GameWindow::opened()
{
    txtGameDate->setFocus();
}

void GameWindow::load()
{
    AppState& s = state();
    mode_ = s.GameEditMode;
    setWindowTitle(QStringLiteral("Game Screen - ") + s.CurrentTeamName);
    loading_ = true;
    changed_ = false;
    s.OpponentTeamNo = 0;
    gameNumber_ = s.CurrentGame;
    if (mode_ != u"A") {
        gameRecord_ = FindGameRecord(s.Files, s.CurrentGame);
        if (gameRecord_ == 0)
            gameRecord_ = ActiveRecordOr0(s.Files, s.CurrentGameRecord);
        s.CurrentGameRecord = gameRecord_;
        if (gameRecord_ == 0) {
            // The game is gone from the file: the window can only add one at the end.
            mode_ = QStringLiteral("A");
            s.GameEditMode = mode_;
            gameNumber_ = static_cast<qint16>(ReadActiveGames(s.Files, FileGames).size() + 1);
            s.CurrentGame = gameNumber_;
        }
    }

    for (int t = 1; t <= 7; ++t)
        lstGameTypes->addItem(RightTrimBlanks(s.GameTypeNames[t]));
    for (int slot = 1; slot <= 100; ++slot)
        cmbOpponents->addItem(RightTrimBlanks(s.TeamNames[slot]));
    cmbOpponents->setEditText(QString());
    lblGameNumber->setText(GameNumberLabel(mode_, s.CurrentGame));
    lstGameTypes->setCurrentRow(0);

    const bool adding = mode_ != u"C";
    lblAddGame->setVisible(adding);
    cmdPlayers->setVisible(!adding);

    if (mode_ == u"C") {
        const auto game = s.Files.Get<GameRecord>(FileGames, gameRecord_);
        // A changed game keeps its own number, which its player results carry.
        gameNumber_ = game.GameNumber;
        const GameFields fields = FieldsOfGame(game);
        fill(fields);
        s.OpponentTeamNo = OpponentSlot(s.TeamNames, fields.opponent);
    }
    loading_ = false;
}

void GameWindow::fill(const GameFields& fields)
{
    txtGameDate->setText(fields.date);
    runDateCheck();
    txtGameLoc->setText(fields.location);
    cmbOpponents->setEditText(fields.opponent);
    txtPointsFor->setText(fields.goalsFor);
    txtPointsAgainst->setText(fields.goalsAgainst);
    txtGameComment->setText(fields.comment);
    chkHomeTeam->setChecked(fields.homeTeam);
    chkSpecialSelect->setChecked(fields.specialSelect);
    lstGameTypes->setCurrentRow(fields.typeLine);
}

GameFields GameWindow::collect() const
{
    GameFields fields;
    fields.date = txtGameDate->text();
    fields.location = txtGameLoc->text();
    fields.opponent = cmbOpponents->currentText();
    fields.goalsFor = txtPointsFor->text();
    fields.goalsAgainst = txtPointsAgainst->text();
    fields.comment = txtGameComment->text();
    fields.typeLine = qMax(lstGameTypes->currentRow(), 0);
    fields.homeTeam = chkHomeTeam->isChecked();
    fields.specialSelect = chkSpecialSelect->isChecked();
    return fields;
}

void GameWindow::markChanged()
{
    if (!loading_)
        changed_ = true;
}

bool GameWindow::runDateCheck()
{
    const GameDateCheck check = CheckGameDate(txtGameDate->text());
    lblDisplayDate->setText(check.words);
    return check.valid;
}

bool GameWindow::saveGame()
{
    if (!runDateCheck()) {
        lblDisplayDate->clear();
        prompter().tell(
            this, QStringLiteral("Game Date Invalid"), QStringLiteral("Enter game date (MMDDYY)"));
        txtGameDate->setFocus();
        return false;
    }
    AppState& s = state();
    const GameRecord game = RecordOfFields(collect(), gameNumber_);
    const BusyPointer busy;
    s.CurrentGameRecord = SaveGame(s.Files, mode_, gameRecord_, game);
    gameRecord_ = s.CurrentGameRecord;
    s.ReselectGame = s.CurrentGame;
    changed_ = false;
    return true;
}

void GameWindow::leaveToGameList()
{
    state().ReselectGame = state().CurrentGame;
    host().SetExitEnabled(true);
    SwitchTo(WindowGameMenu);
}

void GameWindow::cmdOK_Click()
{
    if (!saveGame())
        return;
    if (mode_ == u"C") {
        leaveToGameList();
        return;
    }
    SwitchTo(WindowPScreen);
}

bool GameWindow::confirmDiscard()
{
    if (!changed_)
        return true;
    const Message question{ChangedTitle, QStringLiteral("Do you really want to cancel?"),
        Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::No};
    if (prompter().ask(this, question) == Message::Answer::Yes)
        return true;
    txtGameDate->setFocus();
    return false;
}

void GameWindow::cmdCancel_Click()
{
    if (confirmDiscard())
        leaveToGameList();
}

bool GameWindow::QueryClose()
{
    // Ending the program with an unsaved game is a cancel of the window: it asks first.
    return confirmDiscard();
}

void GameWindow::cmdPlayers_Click()
{
    if (changed_) {
        const Message question{ChangedTitle, QStringLiteral("Save game information?"),
            Message::Buttons::YesNo, Message::Icon::None, Message::Answer::Yes};
        if (prompter().ask(this, question) == Message::Answer::Yes && !saveGame())
            return;
    }
    state().ReselectGame = state().CurrentGame;
    SwitchTo(WindowPScreen);
}

void GameWindow::cmdImport_Click()
{
    AppState& s = state();
    if (s.OpponentTeamNo == s.TeamSlot) {
        prompter().tell(this, QStringLiteral("Incorrect Opponent"),
            QStringLiteral("Opponent can not be update team"));
        txtGameDate->setFocus();
        return;
    }
    if (s.OpponentTeamNo == 0) {
        prompter().tell(
            this, QStringLiteral("No Opponent Selected"), QStringLiteral("Select opponent first"));
        txtGameDate->setFocus();
        return;
    }
    ImportGameDialog dialog(s, s.OpponentTeamNo, this);
    dialog.exec();
    if (s.ImportMark != u"Y")
        return;
    fill(ImportedFields(collect(), dialog.chosenGame(), s.CommentMark == u"Y"));
}

} // namespace scorvane
