#include "gui/entry/PlayerFiguresWindow.h"

#include "core/text/Blanks.h"
#include "core/text/Formatting.h"
#include "gui/app/Prompter.h"
#include "gui/app/TextBoxes.h"
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
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace scorvane {
namespace {

constexpr int MarkerSize = 18;
constexpr int BoxColumns = 6; // the 29 boxes stand in rows of six
constexpr int MarkerRole = Qt::UserRole + 1;

const QRegularExpression DigitsPattern(QStringLiteral("[0-9]*"));
const QString ErrorTitle = QStringLiteral("Error");
const QString ChangedTitle = QStringLiteral("Player Statistics Changed!");

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QIcon MarkerIcon(Marker marker)
{
    // The same picture whether or not the row is selected: the marker itself shows selection.
    const QPixmap picture = DrawMarker(marker, MarkerSize);
    QIcon icon;
    icon.addPixmap(picture, QIcon::Normal);
    icon.addPixmap(picture, QIcon::Selected);
    return icon;
}

} // namespace

PlayerFiguresWindow::PlayerFiguresWindow(WindowHost& host)
    : ChildWindow(host, WindowPScreen)
{
    setObjectName(QStringLiteral("frmPScreen"));
    setWindowTitle(QStringLiteral("Player Statistics"));
    BusyPointer busy;
    host.SetExitEnabled(false);
    buildUi();
    if (auto game = FindEntryGame(state().Files, state().CurrentGame)) {
        entry_.emplace(state().Files, *game);
        showHeading();
    }
    setWindowTitle(QStringLiteral("Player Screen - ") + state().CurrentTeamName);
    for (int k = 0; k < BoxCount; ++k) {
        const QString code = StatisticCode(k, state().UserStatCodes);
        lblCat[k]->setText(code);
        // A user-named box whose code is still blank has no label text to be known by.
        if (TrimBlanks(code).isEmpty())
            txtCat[k]->setAccessibleName(
                QStringLiteral("%1 %2").arg(StatisticLongName(k)).arg(k - UserStatisticFirst + 1));
    }
    if (!entry_)
        return;
    fillTable();
    showPlayerCount();
    CurrentChanged = false;
    AnyChanged = false;
    moveSelectionTo(0);
    runRowSelection(0, -1);
}

void PlayerFiguresWindow::opened()
{
    if (!entry_) {
        prompter().tell(this, ErrorTitle,
            QStringLiteral("Game%1 could not be found in the game file.")
                .arg(NumberText(state().CurrentGame)));
        leaveTo(WindowGameMenu);
        return;
    }
    focusFirstBox();
}

void PlayerFiguresWindow::buildUi()
{
    auto* heading = new QGridLayout;
    lblHomeName = MakeLabel(this, "lblHomeName");
    lblHomeScore = MakeLabel(this, "lblHomeScore");
    lblVisitorName = MakeLabel(this, "lblVisitorName");
    lblVisitorScore = MakeLabel(this, "lblVisitorScore");
    lblGameNumber = MakeLabel(this, "lblGameNumber");
    lblGameDate = MakeLabel(this, "lblGameDate");
    lblGameLocation = MakeLabel(this, "lblGameLocation");
    for (QLabel* side : {lblHomeName, lblHomeScore, lblVisitorName, lblVisitorScore}) {
        QFont bold = side->font();
        bold.setBold(true);
        side->setFont(bold);
    }
    heading->addWidget(lblHomeName, 0, 0);
    heading->addWidget(lblHomeScore, 0, 1);
    heading->addWidget(lblVisitorName, 1, 0);
    heading->addWidget(lblVisitorScore, 1, 1);
    heading->addWidget(lblGameNumber, 0, 3);
    heading->addWidget(MakeLabel(this, "Label5", QStringLiteral("Date:")), 0, 4);
    heading->addWidget(lblGameDate, 0, 5);
    heading->addWidget(MakeLabel(this, "Label6", QStringLiteral("Location:")), 1, 4);
    heading->addWidget(lblGameLocation, 1, 5);
    heading->setHorizontalSpacing(12);
    heading->setColumnMinimumWidth(2, 24);
    heading->setColumnStretch(5, 1);

    tblPlayerList = new QTableWidget(0, 2, this);
    tblPlayerList->setObjectName(QStringLiteral("tblPlayerList"));
    tblPlayerList->setAccessibleName(QStringLiteral("Players"));
    tblPlayerList->horizontalHeader()->hide();
    tblPlayerList->verticalHeader()->hide();
    tblPlayerList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPlayerList->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPlayerList->setSelectionMode(QAbstractItemView::SingleSelection);
    tblPlayerList->setIconSize(QSize(MarkerSize, MarkerSize));
    tblPlayerList->setShowGrid(false);
    tblPlayerList->setTabKeyNavigation(false);
    tblPlayerList->setColumnWidth(0, MarkerSize + 12);
    tblPlayerList->horizontalHeader()->setStretchLastSection(true);
    tblPlayerList->verticalHeader()->setDefaultSectionSize(MarkerSize + 6);
    tblPlayerList->setMinimumWidth(fontMetrics().horizontalAdvance(QString(17, u'M')) / 1.3);
    auto* tableLabel = MakeLabel(this, "Label8", QStringLiteral("Click Table to Select"));
    tableLabel->setBuddy(tblPlayerList);
    auto* tableColumn = new QVBoxLayout;
    tableColumn->addWidget(tableLabel);
    tableColumn->addWidget(tblPlayerList, 1);

    lblPlayerName = MakeLabel(this, "lblPlayerName");
    QFont nameFont = lblPlayerName->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.2);
    lblPlayerName->setFont(nameFont);

    auto* boxes = new QGridLayout;
    const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 8;
    for (int k = 0; k < BoxCount; ++k) {
        auto* box = new QLineEdit(QStringLiteral("0"), this);
        box->setObjectName(QStringLiteral("txtCat%1").arg(k));
        box->setMaxLength(4);
        box->setFixedWidth(boxWidth);
        box->setAlignment(Qt::AlignRight);
        box->setAccessibleDescription(StatisticLongName(k));
        TextBoxes::SelectAllOnFocus(box, &state().TextAtFocus);
        TextBoxes::DigitsOnly(box);
        // Pasted text passes no key filter: only digits are taken.
        box->setValidator(new QRegularExpressionValidator(DigitsPattern, box));
        box->installEventFilter(this); // after the digit filter, so Enter, + and - reach us first
        auto* label = MakeLabel(this, "", {});
        label->setObjectName(QStringLiteral("lblCat%1").arg(k));
        label->setBuddy(box);
        label->setToolTip(StatisticLongName(k));
        label->setMinimumWidth(boxWidth);
        txtCat[k] = box;
        lblCat[k] = label;
        const int row = (k / BoxColumns) * 2;
        const int column = k % BoxColumns;
        boxes->addWidget(label, row, column);
        boxes->addWidget(box, row + 1, column);
        connect(box, &QLineEdit::textChanged, this, [this] { boxChanged(); });
    }

    chkPlayed = new QCheckBox(QStringLiteral("Played in Game"), this);
    chkPlayed->setObjectName(QStringLiteral("chkPlayed"));
    lblPlayerCount = MakeLabel(this, "lblPlayerCount");
    // Room for any count (at most 99) from the start, so the boxes do not shift as it grows.
    lblPlayerCount->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000")));
    lblPlayerCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cmdIncrement = MakeButton(this, "cmdIncrement", QStringLiteral("+ 1"));
    cmdDecrement = MakeButton(this, "cmdDecrement", QStringLiteral("- 1"));
    // The step buttons never take the focus from the box they act on; from the keyboard the
    // "+" and "-" keys in a box do the same.
    cmdIncrement->setFocusPolicy(Qt::NoFocus);
    cmdDecrement->setFocusPolicy(Qt::NoFocus);
    auto* played = new QHBoxLayout;
    played->addWidget(chkPlayed);
    played->addStretch(1);
    played->addWidget(cmdIncrement);
    played->addWidget(cmdDecrement);
    played->addSpacing(16);
    played->addWidget(lblPlayerCount);
    played->addWidget(MakeLabel(this, "Label7", QStringLiteral("Player(s)")));

    lblMsg = MakeLabel(this, "lblMsg");
    lblMsg->setFrameShape(QFrame::StyledPanel);
    lblMsg->setMinimumHeight(fontMetrics().height() + 8);

    cmdTeam = MakeButton(this, "cmdTeam", QStringLiteral("&Team Totals"));
    cmdRoster = MakeButton(this, "cmdRoster", QStringLiteral("&Roster"));
    cmdGameScreen = MakeButton(this, "cmdGameScreen", QStringLiteral("&Game Screen"));
    cmdOK = MakeButton(this, "cmdOK", QStringLiteral("&OK"));
    cmdCancel = MakeButton(this, "cmdCancel", QStringLiteral("Cancel"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdTeam, cmdRoster, cmdGameScreen})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* figures = new QVBoxLayout;
    figures->addWidget(lblPlayerName);
    figures->addLayout(boxes);
    figures->addLayout(played);
    figures->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addLayout(tableColumn);
    body->addLayout(figures, 1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(heading);
    page->addLayout(body, 1);
    page->addWidget(lblMsg);
    page->addLayout(buttons);

    const std::array<std::pair<QLabel**, Marker>, 4> holders
        = {{{&picBallHL, Marker::BallHL}, {&picBallNH, Marker::BallNH},
            {&picNoBallHL, Marker::NoBallHL}, {&picNoBallNH, Marker::NoBallNH}}};
    for (const auto& [holder, marker] : holders) {
        *holder = MakeLabel(this, MarkerName(marker));
        (*holder)->setPixmap(DrawMarker(marker, MarkerSize));
        (*holder)->hide();
    }

    // Keyboard order: the boxes, the check box, the buttons, then the table (and round again).
    QWidget* previous = txtCat[BoxCount - 1];
    for (QWidget* next : std::initializer_list<QWidget*>{
             chkPlayed, cmdTeam, cmdRoster, cmdGameScreen, cmdOK, cmdCancel, tblPlayerList}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (int k = 0; k + 1 < BoxCount; ++k)
        setTabOrder(txtCat[k], txtCat[k + 1]);
    for (QWidget* w : std::initializer_list<QWidget*>{
             chkPlayed, cmdTeam, cmdRoster, cmdGameScreen, cmdOK, cmdCancel, tblPlayerList})
        w->installEventFilter(this);
    // Enter in a box moves on (above); Enter on a button presses it; Escape cancels.
    SetDialogKeys(nullptr, cmdCancel);

    connect(tblPlayerList, &QTableWidget::currentCellChanged, this,
        [this](int row, int, int previousRow, int) { cellChanged(row, previousRow); });
    // A click on the row already selected changes no cell but still selects (e.g. leaves the
    // team totals).
    connect(tblPlayerList, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (row == currentRow_)
            runRowSelection(row, currentRow_);
    });
    connect(chkPlayed, &QCheckBox::clicked, this, &PlayerFiguresWindow::playedClicked);
    connect(cmdIncrement, &QPushButton::clicked, this, [this] { stepLastBox(1); });
    connect(cmdDecrement, &QPushButton::clicked, this, [this] { stepLastBox(-1); });
    connect(cmdTeam, &QPushButton::clicked, this, &PlayerFiguresWindow::teamClicked);
    connect(cmdRoster, &QPushButton::clicked, this, &PlayerFiguresWindow::rosterClicked);
    connect(cmdGameScreen, &QPushButton::clicked, this, &PlayerFiguresWindow::gameScreenClicked);
    connect(cmdOK, &QPushButton::clicked, this, &PlayerFiguresWindow::okClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &PlayerFiguresWindow::cancelClicked);
}

void PlayerFiguresWindow::showHeading()
{
    const GameHeading h = MakeGameHeading(entry_->game(), state().CurrentTeamName);
    lblGameNumber->setText(h.GameNumberText);
    lblGameDate->setText(h.DateText);
    lblGameLocation->setText(RightTrimBlanks(h.LocationText));
    lblHomeName->setText(RightTrimBlanks(h.HomeName));
    lblHomeScore->setText(h.HomeScore);
    lblVisitorName->setText(RightTrimBlanks(h.VisitorName));
    lblVisitorScore->setText(h.VisitorScore);
}

// Table -----------------------------------------------------------------------------------------

void PlayerFiguresWindow::fillTable()
{
    movingSelection_ = true;
    tblPlayerList->setRowCount(0);
    RowPlayer = entry_->TablePlayers(state().RosterFree);
    tblPlayerList->setRowCount(static_cast<int>(RowPlayer.size()));
    for (int row = 0; row < RowPlayer.size(); ++row) {
        const int n = RowPlayer[row];
        tblPlayerList->setItem(row, 0, new QTableWidgetItem);
        auto* name = new QTableWidgetItem(state().RosterNames[n]);
        name->setData(Qt::AccessibleTextRole,
            QStringLiteral("%1 %2").arg(n).arg(RightTrimBlanks(state().RosterNames[n])));
        tblPlayerList->setItem(row, 1, name);
        setRowMarker(row, entry_->slot(n).Played ? Marker::BallNH : Marker::NoBallNH);
    }
    movingSelection_ = false;
}

void PlayerFiguresWindow::setRowMarker(int row, Marker marker)
{
    QTableWidgetItem* cell = tblPlayerList->item(row, 0);
    if (cell == nullptr)
        return;
    cell->setIcon(MarkerIcon(marker));
    cell->setData(MarkerRole, static_cast<int>(marker));
    cell->setData(Qt::UserRole, QString::fromLatin1(MarkerName(marker)));
    const bool ball = marker == Marker::BallHL || marker == Marker::BallNH;
    cell->setData(
        Qt::AccessibleTextRole, ball ? QStringLiteral("played") : QStringLiteral("not played"));
}

Marker PlayerFiguresWindow::rowMarker(int row) const
{
    const QTableWidgetItem* cell = tblPlayerList->item(row, 0);
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
    tblPlayerList->setCurrentCell(row, 0);
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
    lblMsg->setText(QString());
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
    if (tblPlayerList->currentRow() != row)
        moveSelectionTo(row);
    CurrentPlayer = RowPlayer.value(row, 0);
    showPlayer();
    CurrentChanged = false;
    cmdRoster->setEnabled(true);
    chkPlayed->setEnabled(true);
    if (!PlayersMode) {
        PlayersMode = true;
        cmdTeam->setText(QStringLiteral("&Team Totals"));
    }
    focusFirstBox();
}

void PlayerFiguresWindow::focusFirstBox()
{
    // Box 0 may still have the focus (Page Down from it): no focus event comes then, yet its
    // text must be selected, so that the next figure replaces the "0", and its name shown.
    const bool alreadyThere = txtCat[0]->hasFocus();
    txtCat[0]->setFocus();
    if (alreadyThere)
        boxFocused(0);
}

void PlayerFiguresWindow::showPlayer()
{
    const QTableWidgetItem* name = tblPlayerList->item(currentRow_, 1);
    lblPlayerName->setText(name != nullptr ? RightTrimBlanks(name->text()) : QString());
    const PlayerSlot& slot = entry_->slot(CurrentPlayer);
    std::array<qint64, BoxCount> values{};
    std::copy(slot.Values.begin(), slot.Values.end(), values.begin());
    fillBoxes(values);
    chkPlayed->setChecked(slot.Played);
}

void PlayerFiguresWindow::fillBoxes(const std::array<qint64, BoxCount>& values)
{
    fillingBoxes_ = true;
    for (int k = 0; k < BoxCount; ++k)
        txtCat[k]->setText(ValueText(values[k]));
    fillingBoxes_ = false;
}

bool PlayerFiguresWindow::commitCurrent()
{
    if (!CurrentChanged)
        return true;
    std::array<qint32, 24> fixed{};
    for (int k = 0; k < 24; ++k)
        fixed[k] = static_cast<qint32>(NumericValue(txtCat[k]->text()));
    if (const auto failure = CheckFigures(fixed)) {
        prompter().tell(this, ErrorTitle, failure->message);
        // The box at fault is selected whole, so the corrected figure replaces the wrong one
        // even when the box had the focus already.
        txtCat[failure->focusIndex]->setFocus();
        txtCat[failure->focusIndex]->selectAll();
        return false;
    }
    entry_->StoreValues(CurrentPlayer, boxValues());
    CurrentChanged = false;
    return true;
}

StatValueArray PlayerFiguresWindow::boxValues() const
{
    StatValueArray values{};
    for (int k = 0; k < BoxCount; ++k)
        values[k] = ValueOfText(txtCat[k]->text());
    return values;
}

// Boxes and the played mark ---------------------------------------------------------------------

void PlayerFiguresWindow::boxChanged()
{
    if (fillingBoxes_ || TotalsView || !entry_)
        return;
    CurrentChanged = true;
    AnyChanged = true;
    setRowMarker(currentRow_, Marker::BallHL);
    if (!chkPlayed->isChecked()) {
        chkPlayed->setChecked(true); // setChecked does not run the click logic
        entry_->SetPlayed(CurrentPlayer, true);
        showPlayerCount();
    }
}

void PlayerFiguresWindow::playedClicked()
{
    CurrentChanged = true;
    AnyChanged = true;
    if (!chkPlayed->isChecked()) {
        entry_->SetPlayed(CurrentPlayer, false);
        fillBoxes({}); // a player who did not play has no figures
        setRowMarker(currentRow_, Marker::NoBallHL);
    } else {
        entry_->SetPlayed(CurrentPlayer, true);
        setRowMarker(currentRow_, Marker::BallHL);
    }
    showPlayerCount();
}

void PlayerFiguresWindow::showPlayerCount()
{
    lblPlayerCount->setText(ValueText(entry_ ? entry_->PlayersRecorded() : 0));
}

void PlayerFiguresWindow::boxFocused(int k)
{
    if (TotalsView) {
        cmdOK->setFocus();
        return;
    }
    cmdIncrement->setEnabled(true);
    cmdDecrement->setEnabled(true);
    LastBox = k;
    // Selected now for keyboard arrival; the shared focus handling selects again after a click.
    txtCat[k]->selectAll();
    lblMsg->setText(StatisticLongName(k));
}

void PlayerFiguresWindow::stepLastBox(int step)
{
    QLineEdit* box = txtCat[LastBox];
    if (TotalsView || box->isReadOnly())
        return;
    const qint64 value = NumericValue(box->text());
    if (step > 0 && value < 9999)
        box->setText(ValueText(value + 1));
    else if (step < 0 && value > 0)
        box->setText(ValueText(value - 1));
    box->setFocus();
    box->selectAll();
}

// Team totals -----------------------------------------------------------------------------------

void PlayerFiguresWindow::teamClicked()
{
    if (!PlayersMode) {
        runRowSelection(currentRow_, currentRow_);
        return;
    }
    PlayersMode = false;
    cmdTeam->setText(QStringLiteral("&Players"));
    if (!commitCurrent()) {
        moveSelectionTo(currentRow_);
        cmdTeam->setText(QStringLiteral("&Team Totals"));
        PlayersMode = true;
        return;
    }
    enterTotalsView();
}

void PlayerFiguresWindow::enterTotalsView()
{
    TotalsView = true;
    lblPlayerName->setText(QStringLiteral("Team Totals"));
    cmdRoster->setEnabled(false);
    chkPlayed->setEnabled(false);
    cmdIncrement->setEnabled(false);
    cmdDecrement->setEnabled(false);
    const TeamTotals totals = entry_->Totals();
    std::array<qint64, BoxCount> sums{};
    std::copy(totals.Sums.begin(), totals.Sums.end(), sums.begin());
    for (QLineEdit* box : txtCat) {
        box->setFocusPolicy(Qt::NoFocus);
        box->setReadOnly(true);
        box->setMaxLength(32767);         // totals may be longer than four digits
        QPalette shaded = box->palette(); // read-only boxes look it
        shaded.setColor(QPalette::Base, shaded.color(QPalette::Window));
        box->setPalette(shaded);
    }
    fillBoxes(sums);
    lblMsg->setText(QStringLiteral("Players Recorded -") + NumberText(totals.PlayersCounted));
    CurrentChanged = false;
    if (focusWidget() == nullptr || qobject_cast<QLineEdit*>(focusWidget()) != nullptr)
        cmdTeam->setFocus();
}

void PlayerFiguresWindow::leaveTotalsView()
{
    if (!TotalsView)
        return;
    TotalsView = false;
    for (QLineEdit* box : txtCat) {
        box->setFocusPolicy(Qt::StrongFocus);
        box->setReadOnly(false);
        box->setMaxLength(4);
        box->setPalette(QPalette());
    }
}

// Focus, keys and the message line --------------------------------------------------------------

bool PlayerFiguresWindow::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(txtCat.begin(), txtCat.end(), watched);
    if (found != txtCat.end()) {
        const int k = static_cast<int>(found - txtCat.begin());
        if (event->type() == QEvent::FocusIn) {
            boxFocused(k);
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                txtCat[(k + 1) % BoxCount]->setFocus();
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
                if (row >= 0 && row < tblPlayerList->rowCount())
                    tblPlayerList->setCurrentCell(row, 0);
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
    else if (watched == chkPlayed && event->type() == QEvent::FocusOut)
        lblMsg->setText(QStringLiteral(" "));
    else if (watched == tblPlayerList && event->type() == QEvent::KeyPress) {
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
    if (widget == tblPlayerList) {
        lblMsg->setText(QStringLiteral("Player Table - Click Row to Select"));
        return;
    }
    cmdIncrement->setEnabled(false);
    cmdDecrement->setEnabled(false);
    if (widget == cmdOK)
        lblMsg->setText(QStringLiteral("Save All Player Results"));
    else if (widget == cmdCancel)
        lblMsg->setText(QStringLiteral("Cancel All Player Results"));
    else if (widget == cmdGameScreen)
        lblMsg->setText(QStringLiteral("Go To Game Screen"));
    else if (widget == cmdRoster)
        lblMsg->setText(QStringLiteral("Update Roster"));
    else if (widget == cmdTeam && !TotalsView)
        lblMsg->setText(QStringLiteral(" "));
    else if (widget == chkPlayed)
        lblMsg->setText(QStringLiteral("Played In Game"));
}

void PlayerFiguresWindow::focusInEvent(QFocusEvent* event)
{
    cmdIncrement->setEnabled(false);
    cmdDecrement->setEnabled(false);
    ChildWindow::focusInEvent(event);
}

// Leaving ---------------------------------------------------------------------------------------

bool PlayerFiguresWindow::saveAll()
{
    if (!commitCurrent()) {
        moveSelectionTo(currentRow_);
        return false;
    }
    if (AnyChanged) {
        BusyPointer busy;
        entry_->SaveAll();
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
    if (!AnyChanged)
        return true;
    const Message question{ChangedTitle, QStringLiteral("Do you really want to cancel?"),
        Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::No};
    if (prompter().ask(this, question) == Message::Answer::Yes)
        return true;
    focusFirstBox();
    return false;
}

void PlayerFiguresWindow::cancelClicked()
{
    if (confirmDiscard())
        leaveTo(WindowGameMenu);
}

bool PlayerFiguresWindow::QueryClose()
{
    // Ending the program with unsaved figures is a cancel of the screen: it asks first.
    return confirmDiscard();
}

void PlayerFiguresWindow::gameScreenClicked()
{
    if (AnyChanged) {
        const Message question{ChangedTitle, QStringLiteral("Save player statistics?"),
            Message::Buttons::YesNo, Message::Icon::None, Message::Answer::Yes};
        if (prompter().ask(this, question) != Message::Answer::Yes) {
            state().GameEditMode = QStringLiteral("C");
            leaveTo(WindowGameScreen);
            return;
        }
    }
    if (!saveAll())
        return;
    state().GameEditMode = QStringLiteral("C");
    leaveTo(WindowGameScreen);
}

void PlayerFiguresWindow::rosterClicked()
{
    if (!commitCurrent()) {
        moveSelectionTo(currentRow_);
        return;
    }
    host().ShowModal(WindowRoster);
    fillTable();
    CurrentChanged = false;
    currentRow_ = 0;
    moveSelectionTo(0);
    runRowSelection(0, -1);
}

void PlayerFiguresWindow::leaveTo(WindowKind kind)
{
    host().SetExitEnabled(true);
    SwitchTo(kind);
}

} // namespace scorvane
