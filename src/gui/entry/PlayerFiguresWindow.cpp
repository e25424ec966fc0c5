#include "gui/entry/PlayerFiguresWindow.h"

#include "core/text/Blanks.h"
#include "core/text/Formatting.h"
#include "gui/app/Prompter.h"
#include "gui/app/UndoHistory.h"
#include "gui/app/WindowHelpers.h"
#include "gui/app/WindowHost.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace scorvane {
namespace {

constexpr int MarkerSize = 18;
constexpr int MarkerRole = Qt::UserRole + 1;

const QString ErrorTitle = QStringLiteral("Error");
const QString ChangedTitle = QStringLiteral("Player Statistics Changed!");

QIcon markerIcon(Marker marker)
{
    // The same picture whether or not the row is selected: the marker itself shows selection.
    const QPixmap picture = drawMarker(marker, MarkerSize);
    QIcon icon;
    icon.addPixmap(picture, QIcon::Normal);
    icon.addPixmap(picture, QIcon::Selected);
    return icon;
}

} // namespace

PlayerFiguresWindow::PlayerFiguresWindow(WindowHost& host)
    : ChildWindow(host, WindowPScreen)
    , typingSteps_([this](int player, const ShownFigures& figures,
                       int focusBox) { showStepFigures(player, figures, focusBox); },
          this)
{
    setObjectName(QStringLiteral("frmPScreen"));
    setWindowTitle(QStringLiteral("Player Statistics"));
    BusyPointer busy;
    host.setExitEnabled(false);
    buildUi();
    if (auto game = findEntryGame(state().files, state().currentGame.number)) {
        entry_.emplace(state().files, *game);
        heading_->show(makeGameHeading(entry_->game(), state().teamChoice.currentName));
    }
    setWindowTitle(QStringLiteral("Player Screen - ") + state().teamChoice.currentName);
    for (int k = 0; k < BoxCount; ++k) {
        const QString code = statisticCode(k, state().settings.userStatCodes);
        boxes_->label(k)->setText(code);
        // A user-named box whose code is still blank has no label text to be known by.
        if (trimBlanks(code).isEmpty())
            boxes_->box(k)->setAccessibleName(
                QStringLiteral("%1 %2").arg(statisticLongName(k)).arg(k - UserStatisticFirst + 1));
    }
    if (!entry_)
        return;
    fillTable();
    showPlayerCount();
    currentChanged_ = false;
    moveSelectionTo(0);
    runRowSelection(0, -1);
    if (UndoHistory* history = host.undoHistory())
        history->followTypingSteps(&typingSteps_.stack(),
            [this](const QUndoCommand& step, bool undo) { return readyForStep(step, undo); });
}

void PlayerFiguresWindow::opened()
{
    if (!entry_) {
        prompter().tell(this, ErrorTitle,
            QStringLiteral("Game%1 could not be found in the game file.")
                .arg(numberText(state().currentGame.number)));
        leaveTo(WindowGameMenu);
        return;
    }
    focusFirstBox();
}

void PlayerFiguresWindow::buildUi()
{
    auto* heading = new QGridLayout;
    heading_.emplace(this, heading);

    playerListTable_ = new QTableWidget(0, 2, this);
    playerListTable_->setObjectName(QStringLiteral("tblPlayerList"));
    playerListTable_->setAccessibleName(QStringLiteral("Players"));
    playerListTable_->horizontalHeader()->hide();
    playerListTable_->verticalHeader()->hide();
    playerListTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    playerListTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    playerListTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    playerListTable_->setIconSize(QSize(MarkerSize, MarkerSize));
    playerListTable_->setShowGrid(false);
    playerListTable_->setTabKeyNavigation(false);
    playerListTable_->setColumnWidth(0, MarkerSize + 12);
    playerListTable_->horizontalHeader()->setStretchLastSection(true);
    playerListTable_->verticalHeader()->setDefaultSectionSize(MarkerSize + 6);
    playerListTable_->setMinimumWidth(fontMetrics().horizontalAdvance(QString(17, u'M')) / 1.3);
    auto* tableLabel = makeLabel(this, "Label8", QStringLiteral("Click Table to Select"));
    tableLabel->setBuddy(playerListTable_);
    auto* tableColumn = new QVBoxLayout;
    tableColumn->addWidget(tableLabel);
    tableColumn->addWidget(playerListTable_, 1);

    playerNameLabel_ = makeLabel(this, "lblPlayerName");
    QFont nameFont = playerNameLabel_->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.2);
    playerNameLabel_->setFont(nameFont);

    auto* boxes = new QGridLayout;
    boxes_.emplace(this, boxes, this);
    for (int k = 0; k < BoxCount; ++k)
        connect(boxes_->box(k), &QLineEdit::textChanged, this, [this, k] { boxChanged(k); });

    playedCheck_ = new QCheckBox(QStringLiteral("Played in Game"), this);
    playedCheck_->setObjectName(QStringLiteral("chkPlayed"));
    playerCountLabel_ = makeLabel(this, "lblPlayerCount");
    // Room for any count (at most 99) from the start, so the boxes do not shift as it grows.
    playerCountLabel_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000")));
    playerCountLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    incrementButton_ = makeButton(this, "cmdIncrement", QStringLiteral("+ 1"));
    decrementButton_ = makeButton(this, "cmdDecrement", QStringLiteral("- 1"));
    // The step buttons never take the focus from the box they act on; from the keyboard the
    // "+" and "-" keys in a box do the same.
    incrementButton_->setFocusPolicy(Qt::NoFocus);
    decrementButton_->setFocusPolicy(Qt::NoFocus);
    auto* played = new QHBoxLayout;
    played->addWidget(playedCheck_);
    played->addStretch(1);
    played->addWidget(incrementButton_);
    played->addWidget(decrementButton_);
    played->addSpacing(16);
    played->addWidget(playerCountLabel_);
    played->addWidget(makeLabel(this, "Label7", QStringLiteral("Player(s)")));

    msgLabel_ = makeLabel(this, "lblMsg");
    msgLabel_->setFrameShape(QFrame::StyledPanel);
    msgLabel_->setMinimumHeight(fontMetrics().height() + 8);

    teamButton_ = makeButton(this, "cmdTeam", QStringLiteral("&Team Totals"));
    rosterButton_ = makeButton(this, "cmdRoster", QStringLiteral("&Roster"));
    gameScreenButton_ = makeButton(this, "cmdGameScreen", QStringLiteral("&Game Screen"));
    okButton_ = makeButton(this, "cmdOK", QStringLiteral("&OK"));
    cancelButton_ = makeButton(this, "cmdCancel", QStringLiteral("Cancel"));
    for (QPushButton* button : {incrementButton_, decrementButton_, teamButton_, rosterButton_,
             gameScreenButton_, okButton_, cancelButton_})
        button->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {teamButton_, rosterButton_, gameScreenButton_})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto* figures = new QVBoxLayout;
    figures->addWidget(playerNameLabel_);
    figures->addLayout(boxes);
    figures->addLayout(played);
    figures->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addLayout(tableColumn);
    body->addLayout(figures, 1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(heading);
    page->addLayout(body, 1);
    page->addWidget(msgLabel_);
    page->addLayout(buttons);

    const std::array<std::pair<QLabel**, Marker>, 4> holders
        = {{{&picBallHL, Marker::BallHL}, {&picBallNH, Marker::BallNH},
            {&picNoBallHL, Marker::NoBallHL}, {&picNoBallNH, Marker::NoBallNH}}};
    for (const auto& [holder, marker] : holders) {
        *holder = makeLabel(this, MarkerName(marker));
        (*holder)->setPixmap(drawMarker(marker, MarkerSize));
        (*holder)->hide();
    }

    // Keyboard order: the boxes, the check box, the buttons, then the table (and round again).
    QWidget* previous = boxes_->box(BoxCount - 1);
    for (QWidget* next : std::initializer_list<QWidget*>{playedCheck_, teamButton_, rosterButton_,
             gameScreenButton_, okButton_, cancelButton_, playerListTable_}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (int k = 0; k + 1 < BoxCount; ++k)
        setTabOrder(boxes_->box(k), boxes_->box(k + 1));
    for (QWidget* w : std::initializer_list<QWidget*>{playedCheck_, teamButton_, rosterButton_,
             gameScreenButton_, okButton_, cancelButton_, playerListTable_})
        w->installEventFilter(this);
    // Enter in a box moves on (above); Enter on a button presses it; Escape cancels.
    setDialogKeys(nullptr, cancelButton_);

    connect(playerListTable_, &QTableWidget::currentCellChanged, this,
        [this](int row, int, int previousRow, int) { cellChanged(row, previousRow); });
    // A click on the row already selected changes no cell but still selects (e.g. leaves the
    // team totals).
    connect(playerListTable_, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (row == currentRow_)
            runRowSelection(row, currentRow_);
    });
    connect(playedCheck_, &QCheckBox::clicked, this, &PlayerFiguresWindow::playedClicked);
    connect(incrementButton_, &QPushButton::clicked, this, [this] { stepLastBox(1); });
    connect(decrementButton_, &QPushButton::clicked, this, [this] { stepLastBox(-1); });
    connect(teamButton_, &QPushButton::clicked, this, &PlayerFiguresWindow::teamClicked);
    connect(rosterButton_, &QPushButton::clicked, this, &PlayerFiguresWindow::rosterClicked);
    connect(
        gameScreenButton_, &QPushButton::clicked, this, &PlayerFiguresWindow::gameScreenClicked);
    connect(okButton_, &QPushButton::clicked, this, &PlayerFiguresWindow::okClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &PlayerFiguresWindow::cancelClicked);
}

// Table -----------------------------------------------------------------------------------------

void PlayerFiguresWindow::fillTable()
{
    movingSelection_ = true;
    playerListTable_->setRowCount(0);
    rowPlayers_ = entry_->tablePlayers(state().roster.free);
    playerListTable_->setRowCount(static_cast<int>(rowPlayers_.size()));
    for (int row = 0; row < rowPlayers_.size(); ++row) {
        const int n = rowPlayers_[row];
        playerListTable_->setItem(row, 0, new QTableWidgetItem);
        auto* name = new QTableWidgetItem(state().roster.names[n]);
        name->setData(Qt::AccessibleTextRole,
            QStringLiteral("%1 %2").arg(n).arg(rightTrimBlanks(state().roster.names[n])));
        playerListTable_->setItem(row, 1, name);
        setRowMarker(row, entry_->slot(n).played ? Marker::BallNH : Marker::NoBallNH);
    }
    movingSelection_ = false;
}

void PlayerFiguresWindow::setRowMarker(int row, Marker marker)
{
    QTableWidgetItem* cell = playerListTable_->item(row, 0);
    if (cell == nullptr)
        return;
    cell->setIcon(markerIcon(marker));
    cell->setData(MarkerRole, static_cast<int>(marker));
    cell->setData(Qt::UserRole, QString::fromLatin1(MarkerName(marker)));
    const bool ball = marker == Marker::BallHL || marker == Marker::BallNH;
    cell->setData(
        Qt::AccessibleTextRole, ball ? QStringLiteral("played") : QStringLiteral("not played"));
}

Marker PlayerFiguresWindow::rowMarker(int row) const
{
    const QTableWidgetItem* cell = playerListTable_->item(row, 0);
    return cell == nullptr ? Marker::NoBallNH : static_cast<Marker>(cell->data(MarkerRole).toInt());
}

void PlayerFiguresWindow::setRowHighlighted(int row, bool highlighted)
{
    const bool ball = rowMarker(row) == Marker::BallHL || rowMarker(row) == Marker::BallNH;
    if (highlighted)
        setRowMarker(row, ball ? Marker::BallHL : Marker::NoBallHL);
    else
        setRowMarker(row, ball ? Marker::BallNH : Marker::NoBallNH);
}

void PlayerFiguresWindow::moveSelectionTo(int row)
{
    movingSelection_ = true;
    playerListTable_->setCurrentCell(row, 0);
    movingSelection_ = false;
}

void PlayerFiguresWindow::cellChanged(int row, int previousRow)
{
    if (movingSelection_ || row < 0)
        return;
    runRowSelection(row, previousRow < 0 ? currentRow_ : previousRow);
}

void PlayerFiguresWindow::runRowSelection(int row, int previousRow)
{
    leaveTotalsView();
    msgLabel_->setText(QString());
    if (!commitCurrent()) {
        // The user stays on the player being edited. A refused click is still being handled by
        // the table, which highlights the clicked row after this; take the highlight back then.
        moveSelectionTo(currentRow_);
        QTimer::singleShot(0, this, [this] { moveSelectionTo(currentRow_); });
        return;
    }
    if (previousRow >= 0)
        setRowHighlighted(previousRow, false);
    setRowHighlighted(row, true);
    currentRow_ = row;
    if (playerListTable_->currentRow() != row)
        moveSelectionTo(row);
    currentPlayer_ = rowPlayers_.value(row, 0);
    showPlayer();
    currentChanged_ = false;
    rosterButton_->setEnabled(true);
    playedCheck_->setEnabled(true);
    if (!playersMode_) {
        playersMode_ = true;
        teamButton_->setText(QStringLiteral("&Team Totals"));
    }
    focusFirstBox();
}

void PlayerFiguresWindow::focusFirstBox()
{
    // Box 0 may still have the focus (Page Down from it): no focus event comes then, yet its
    // text must be selected, so that the next figure replaces the "0", and its name shown.
    const bool alreadyThere = boxes_->box(0)->hasFocus();
    boxes_->box(0)->setFocus();
    if (alreadyThere)
        boxFocused(0);
}

void PlayerFiguresWindow::showPlayer()
{
    const QTableWidgetItem* name = playerListTable_->item(currentRow_, 1);
    playerNameLabel_->setText(name != nullptr ? rightTrimBlanks(name->text()) : QString());
    const PlayerSlot& slot = entry_->slot(currentPlayer_);
    std::array<qint64, BoxCount> values{};
    std::copy(slot.values.begin(), slot.values.end(), values.begin());
    boxes_->fill(values);
    playedCheck_->setChecked(slot.played);
    shown_ = shownFigures();
    ++typingVisit_;
}

bool PlayerFiguresWindow::commitCurrent()
{
    if (!currentChanged_)
        return true;
    std::array<qint32, 24> fixed{};
    for (int k = 0; k < 24; ++k)
        fixed[k] = static_cast<qint32>(numericValue(boxes_->box(k)->text()));
    if (const auto failure = checkFigures(fixed)) {
        prompter().tell(this, ErrorTitle, failure->message);
        // The box at fault is selected whole, so the corrected figure replaces the wrong one
        // even when the box had the focus already.
        boxes_->box(failure->focusIndex)->setFocus();
        boxes_->box(failure->focusIndex)->selectAll();
        return false;
    }
    entry_->storeValues(currentPlayer_, boxes_->values());
    currentChanged_ = false;
    return true;
}

// Boxes and the played mark ---------------------------------------------------------------------

void PlayerFiguresWindow::boxChanged(int k)
{
    if (boxes_->filling() || totalsView_ || !entry_)
        return;
    currentChanged_ = true;
    setRowMarker(currentRow_, Marker::BallHL);
    if (!playedCheck_->isChecked()) {
        playedCheck_->setChecked(true); // setChecked does not run the click logic
        entry_->setPlayed(currentPlayer_, true);
        showPlayerCount();
    }
    const QString code = trimBlanks(boxes_->label(k)->text());
    recordStep(QStringLiteral("%1 of Player %2")
                   .arg(code.isEmpty() ? statisticLongName(k) : code)
                   .arg(currentPlayer_),
        typingVisit_ * BoxCount + k);
}

void PlayerFiguresWindow::playedClicked()
{
    currentChanged_ = true;
    if (!playedCheck_->isChecked()) {
        entry_->setPlayed(currentPlayer_, false);
        boxes_->fill({}); // a player who did not play has no figures
        setRowMarker(currentRow_, Marker::NoBallHL);
    } else {
        entry_->setPlayed(currentPlayer_, true);
        setRowMarker(currentRow_, Marker::BallHL);
    }
    showPlayerCount();
    recordStep(QStringLiteral("Played Mark of Player %1").arg(currentPlayer_), -1);
}

ShownFigures PlayerFiguresWindow::shownFigures() const
{
    return ShownFigures{playedCheck_->isChecked(), boxes_->texts()};
}

void PlayerFiguresWindow::recordStep(const QString& name, int joinKey)
{
    const ShownFigures now = shownFigures();
    typingSteps_.changed(currentPlayer_, shown_, now, name, joinKey);
    shown_ = now;
}

bool PlayerFiguresWindow::readyForStep(const QUndoCommand& step, bool undo)
{
    if (!entry_)
        return false;
    const int player = FiguresTypingSteps::playerOf(step);
    if (player == currentPlayer_ && !totalsView_)
        return true;
    const int row = static_cast<int>(rowPlayers_.indexOf(player));
    if (row < 0) {
        prompter().tell(this, undo ? QStringLiteral("Cannot Undo") : QStringLiteral("Cannot Redo"),
            QStringLiteral("Player %1 is no longer listed on this screen.").arg(player),
            Message::Icon::Warning);
        return false;
    }
    // Leaving the player being edited checks their figures first, as a click on the row does.
    runRowSelection(row, currentRow_);
    return player == currentPlayer_ && !totalsView_;
}

void PlayerFiguresWindow::showStepFigures(int player, const ShownFigures& figures, int focusBox)
{
    if (player != currentPlayer_ || totalsView_)
        return; // readyForStep brought the player up; nothing else is shown
    boxes_->setTexts(figures.texts);
    playedCheck_->setChecked(figures.played);
    entry_->setPlayed(player, figures.played);
    setRowMarker(currentRow_, figures.played ? Marker::BallHL : Marker::NoBallHL);
    showPlayerCount();
    currentChanged_ = true;
    shown_ = figures;
    if (focusBox >= 0) {
        boxes_->box(focusBox)->setFocus();
        boxFocused(focusBox); // a new visit: what is typed next is a step of its own
    } else {
        playedCheck_->setFocus();
    }
}

void PlayerFiguresWindow::showPlayerCount()
{
    playerCountLabel_->setText(valueText(entry_ ? entry_->playersRecorded() : 0));
}

void PlayerFiguresWindow::boxFocused(int k)
{
    if (totalsView_) {
        okButton_->setFocus();
        return;
    }
    incrementButton_->setEnabled(true);
    decrementButton_->setEnabled(true);
    lastBox_ = k;
    ++typingVisit_;
    // Selected now for keyboard arrival; the shared focus handling selects again after a click.
    boxes_->box(k)->selectAll();
    msgLabel_->setText(statisticLongName(k));
}

void PlayerFiguresWindow::stepLastBox(int step)
{
    QLineEdit* box = boxes_->box(lastBox_);
    if (totalsView_ || box->isReadOnly())
        return;
    const qint64 value = numericValue(box->text());
    ++typingVisit_; // each press is a step of its own
    if (step > 0 && value < 9999)
        box->setText(valueText(value + 1));
    else if (step < 0 && value > 0)
        box->setText(valueText(value - 1));
    box->setFocus();
    box->selectAll();
}

// Team totals -----------------------------------------------------------------------------------

void PlayerFiguresWindow::teamClicked()
{
    if (!playersMode_) {
        runRowSelection(currentRow_, currentRow_);
        return;
    }
    playersMode_ = false;
    teamButton_->setText(QStringLiteral("&Players"));
    if (!commitCurrent()) {
        moveSelectionTo(currentRow_);
        teamButton_->setText(QStringLiteral("&Team Totals"));
        playersMode_ = true;
        return;
    }
    enterTotalsView();
}

void PlayerFiguresWindow::enterTotalsView()
{
    totalsView_ = true;
    playerNameLabel_->setText(QStringLiteral("Team Totals"));
    rosterButton_->setEnabled(false);
    playedCheck_->setEnabled(false);
    incrementButton_->setEnabled(false);
    decrementButton_->setEnabled(false);
    const TeamTotals totals = entry_->totals();
    std::array<qint64, BoxCount> sums{};
    std::copy(totals.sums.begin(), totals.sums.end(), sums.begin());
    boxes_->setTotalsLook(true);
    boxes_->fill(sums);
    msgLabel_->setText(QStringLiteral("Players Recorded -") + numberText(totals.playersCounted));
    currentChanged_ = false;
    if (focusWidget() == nullptr || qobject_cast<QLineEdit*>(focusWidget()) != nullptr)
        teamButton_->setFocus();
}

void PlayerFiguresWindow::leaveTotalsView()
{
    if (!totalsView_)
        return;
    totalsView_ = false;
    boxes_->setTotalsLook(false);
}

// Focus, keys and the message line --------------------------------------------------------------

bool PlayerFiguresWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (const int k = boxes_ ? boxes_->indexOf(watched) : -1; k >= 0) {
        if (event->type() == QEvent::ShortcutOverride) {
            // Undo and Redo are the screen's steps (Edit menu), not the box's own typing.
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
                || key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
                event->ignore();
                return true;
            }
        }
        if (event->type() == QEvent::FocusIn) {
            boxFocused(k);
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                boxes_->box((k + 1) % BoxCount)->setFocus();
                return true;
            case Qt::Key_Plus:
                stepLastBox(1);
                return true;
            case Qt::Key_Minus:
                stepLastBox(-1);
                return true;
            case Qt::Key_PageDown:
            case Qt::Key_PageUp: {
                // The next or previous player without leaving the keyboard.
                const int row = currentRow_ + (key->key() == Qt::Key_PageDown ? 1 : -1);
                if (row >= 0 && row < playerListTable_->rowCount())
                    playerListTable_->setCurrentCell(row, 0);
                return true;
            }
            default:
                break;
            }
        }
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && event->type() == QEvent::FocusIn)
        buttonFocused(widget);
    else if (watched == playedCheck_ && event->type() == QEvent::FocusOut)
        msgLabel_->setText(QStringLiteral(" "));
    else if (watched == playerListTable_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            runRowSelection(currentRow_, currentRow_);
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

void PlayerFiguresWindow::buttonFocused(QWidget* widget)
{
    if (widget == playerListTable_) {
        msgLabel_->setText(QStringLiteral("Player Table - Click Row to Select"));
        return;
    }
    incrementButton_->setEnabled(false);
    decrementButton_->setEnabled(false);
    if (widget == okButton_)
        msgLabel_->setText(QStringLiteral("Save All Player Results"));
    else if (widget == cancelButton_)
        msgLabel_->setText(QStringLiteral("Cancel All Player Results"));
    else if (widget == gameScreenButton_)
        msgLabel_->setText(QStringLiteral("Go To Game Screen"));
    else if (widget == rosterButton_)
        msgLabel_->setText(QStringLiteral("Update Roster"));
    else if (widget == teamButton_ && !totalsView_)
        msgLabel_->setText(QStringLiteral(" "));
    else if (widget == playedCheck_)
        msgLabel_->setText(QStringLiteral("Played In Game"));
}

void PlayerFiguresWindow::focusInEvent(QFocusEvent* event)
{
    incrementButton_->setEnabled(false);
    decrementButton_->setEnabled(false);
    ChildWindow::focusInEvent(event);
}

// Leaving ---------------------------------------------------------------------------------------

bool PlayerFiguresWindow::saveAll()
{
    if (!commitCurrent()) {
        moveSelectionTo(currentRow_);
        return false;
    }
    if (anyChanged()) {
        BusyPointer busy;
        const qint16 game = state().currentGame.number;
        if (!UndoHistory::recorded(
                host(), [&] { return entry_->saveAll(); },
                [&] { return QStringLiteral("Player Figures of Game %1").arg(game); }))
            return false; // nothing was written; the figures stay on the screen
    }
    return true;
}

void PlayerFiguresWindow::okClicked()
{
    if (saveAll())
        leaveTo(WindowGameMenu);
}

bool PlayerFiguresWindow::confirmDiscard()
{
    if (!anyChanged())
        return true;
    if (reallyCancel(prompter(), this, ChangedTitle))
        return true;
    focusFirstBox();
    return false;
}

void PlayerFiguresWindow::cancelClicked()
{
    if (confirmDiscard())
        leaveTo(WindowGameMenu);
}

bool PlayerFiguresWindow::queryClose()
{
    // Leaving by a menu command or the program's end: unsaved figures are saved, dropped or kept
    // on the screen, as the user answers.
    if (!entry_ || !anyChanged())
        return true;
    const Message question{ChangedTitle, QStringLiteral("Save player statistics?"),
        Message::Buttons::YesNoCancel, Message::Icon::Question, Message::Answer::Yes};
    switch (prompter().ask(this, question)) {
    case Message::Answer::Yes:
        return saveAll(); // figures refused by a rule keep the screen open
    case Message::Answer::No:
        return true;
    default:
        focusFirstBox();
        return false;
    }
}

void PlayerFiguresWindow::gameScreenClicked()
{
    if (anyChanged()) {
        if (!saveFirst(prompter(), this, ChangedTitle, QStringLiteral("Save player statistics?"))) {
            state().currentGame.edit = GameEdit::Change;
            leaveTo(WindowGameScreen);
            return;
        }
    }
    if (!saveAll())
        return;
    state().currentGame.edit = GameEdit::Change;
    leaveTo(WindowGameScreen);
}

void PlayerFiguresWindow::rosterClicked()
{
    if (!commitCurrent()) {
        moveSelectionTo(currentRow_);
        return;
    }
    host().showModal(WindowRoster);
    fillTable();
    currentChanged_ = false;
    currentRow_ = 0;
    moveSelectionTo(0);
    runRowSelection(0, -1);
}

void PlayerFiguresWindow::leaveTo(WindowKind kind)
{
    host().setExitEnabled(true);
    switchTo(kind);
}

} // namespace scorvane
