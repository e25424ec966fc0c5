#include "gui/roster/RosterWindow.h"

#include "core/roster/RosterPrintout.h"
#include "core/roster/RosterTable.h"
#include "core/text/Blanks.h"
#include "gui/app/Prompter.h"
#include "gui/app/TextBoxes.h"
#include "gui/app/UndoHistory.h"
#include "gui/app/WindowHelpers.h"
#include "gui/app/WindowHost.h"
#include "gui/output/DesktopOutput.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace scorvane {

namespace {

struct InfoBox
{
    const char* name;
    const char* caption;
    int width;
    QString PlayerContact::*field;
};

const InfoBox InfoBoxes[] = {
    {"txtPhone", "Phone Number:", PlayerContact::PhoneWidth, &PlayerContact::phone},
    {"txtAddress1", "Address Line 1:", PlayerContact::AddressWidth, &PlayerContact::address1},
    {"txtAddress2", "Address Line 2:", PlayerContact::AddressWidth, &PlayerContact::address2},
    {"txtCity", "City:", PlayerContact::CityWidth, &PlayerContact::city},
    {"txtState", "State:", PlayerContact::StateWidth, &PlayerContact::state},
    {"txtZip", "Zip:", PlayerContact::ZipWidth, &PlayerContact::zip},
    {"txtOther", "Other Information (70 characters):", PlayerContact::OtherInfoWidth,
        &PlayerContact::otherInfo},
};

} // namespace

RosterWindow::RosterWindow(WindowHost& host)
    : ChildWindow(host, WindowRoster)
{
    setObjectName(QStringLiteral("frmRoster"));
    setWindowTitle(QStringLiteral("Roster - ") + state().teamChoice.currentName);
    buildUi();
    load();
}

void RosterWindow::buildUi()
{
    playerListList_ = new QListWidget(this);
    playerListList_->setObjectName(QStringLiteral("lstPlayerList"));
    playerListList_->setAccessibleName(QStringLiteral("Players"));
    setFixedPitchList(playerListList_, fixedPitchFont(), u'M', 30, 22);

    auto* form = new QFormLayout;
    playerNameEdit_ = new QLineEdit(this);
    playerNameEdit_->setObjectName(QStringLiteral("txtPlayerName"));
    playerNameEdit_->setMaxLength(17);
    playerNameEdit_->setMaximumWidth(playerNameEdit_->fontMetrics().averageCharWidth() * (17 + 4));
    form->addRow(QStringLiteral("Player Name:"), playerNameEdit_);
    QList<QLineEdit*> infoBoxes;
    for (const InfoBox& info : InfoBoxes) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(info.name));
        box->setMaxLength(info.width);
        // Short fields are drawn at about their own width, the long ones take the row.
        if (info.width <= PlayerContact::CityWidth)
            box->setMaximumWidth(box->fontMetrics().averageCharWidth() * (info.width + 4));
        form->addRow(QString::fromLatin1(info.caption), box);
        infoBoxes << box;
        connect(box, &QLineEdit::textEdited, this, [this, field = info.field](const QString& text) {
            contacts_[currentNumber_].*field = text;
        });
    }
    phoneEdit_ = infoBoxes[0];
    address1Edit_ = infoBoxes[1];
    address2Edit_ = infoBoxes[2];
    cityEdit_ = infoBoxes[3];
    stateEdit_ = infoBoxes[4];
    zipEdit_ = infoBoxes[5];
    otherEdit_ = infoBoxes[6];
    otherEdit_->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QString(50, u'n')));

    deleteButton_ = new QPushButton(QStringLiteral("&Delete"), this);
    deleteButton_->setObjectName(QStringLiteral("cmdDelete"));
    printButton_ = new QPushButton(QStringLiteral("&Print"), this);
    printButton_->setObjectName(QStringLiteral("cmdPrint"));
    closeButton_ = new QPushButton(QStringLiteral("Close"), this);
    closeButton_->setObjectName(QStringLiteral("cmdClose"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(deleteButton_);
    buttons->addWidget(printButton_);
    buttons->addWidget(closeButton_);

    auto* right = new QVBoxLayout;
    right->addLayout(form);
    right->addStretch(1);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(playerListList_);
    layout->addLayout(right, 1);

    enterOrder_ = {playerNameEdit_, phoneEdit_, address1Edit_, address2Edit_, cityEdit_, stateEdit_,
        zipEdit_, otherEdit_, closeButton_};
    TextBoxes::selectAllOnFocus(playerNameEdit_);
    playerNameEdit_->installEventFilter(this);
    for (QLineEdit* box : infoBoxes) {
        TextBoxes::selectAllOnFocus(box);
        box->installEventFilter(this);
    }
    for (QPushButton* button : {deleteButton_, printButton_, closeButton_}) {
        // Shown as a dialog above the player screen, no button may become the dialog's default
        // and catch an Enter meant for the list; Enter presses only the focused button.
        button->setAutoDefault(false);
        button->installEventFilter(this);
    }
    setTabOrder(playerListList_, playerNameEdit_);
    for (int i = 0; i + 1 < enterOrder_.size(); ++i)
        setTabOrder(enterOrder_[i], enterOrder_[i + 1]);

    connect(
        playerListList_, &QListWidget::currentRowChanged, this, &RosterWindow::playerListClicked);
    connect(deleteButton_, &QPushButton::clicked, this, &RosterWindow::deleteClicked);
    connect(printButton_, &QPushButton::clicked, this, &RosterWindow::printClicked);
    connect(closeButton_, &QPushButton::clicked, this, &RosterWindow::closeClicked);
}

void RosterWindow::load()
{
    busy_ = true;
    playerListList_->clear();
    for (int n = 1; n <= 99; ++n)
        playerListList_->addItem(playerListLine(state(), n));
    busy_ = false;
    contacts_ = readPlayerContacts(state().files);
    pendingLine_ = NoLine;
    playerListList_->setCurrentRow(0);
}

bool RosterWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        const auto at = enterOrder_.indexOf(qobject_cast<QWidget*>(watched));
        if (enter && at >= 0 && at + 1 < enterOrder_.size()) {
            enterOrder_[at + 1]->setFocus(Qt::TabFocusReason);
            return true;
        }
        // The Enter order ends on Close: Enter there (or on any button) presses the button.
        if (auto* button = qobject_cast<QPushButton*>(watched); enter && button != nullptr) {
            button->click();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && watched == playerNameEdit_)
        playerNameFocusLost();
    return ChildWindow::eventFilter(watched, event);
}

void RosterWindow::playerListClicked(int line)
{
    if (busy_ || line < 0)
        return;
    if (pendingLine_ != NoLine) {
        const int pending = pendingLine_;
        pendingLine_ = NoLine;
        if (pending != line) {
            playerListList_->setCurrentRow(pending);
            return;
        }
    }
    currentNumber_ = line + 1;
    showPlayer();
}

void RosterWindow::showPlayer()
{
    const int n = currentNumber_;
    playerNameEdit_->setText(
        !state().roster.free[n] ? rightTrimBlanks(state().roster.names[n]) : QString());
    const PlayerContact& contact = contacts_[n];
    const QList<QLineEdit*> boxes
        = {phoneEdit_, address1Edit_, address2Edit_, cityEdit_, stateEdit_, zipEdit_, otherEdit_};
    for (int i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(trimBlanks(contact.*(InfoBoxes[i].field)));
}

void RosterWindow::playerNameFocusLost()
{
    const int currentLine = currentNumber_ - 1;
    const int selected = playerListList_->currentRow();
    pendingLine_ = selected != currentLine ? selected : NoLine;
    switch (applyNameEdit(state(), currentNumber_, playerNameEdit_->text())) {
    case NameEdit::Unchanged:
        pendingLine_ = NoLine;
        break;
    case NameEdit::Freed:
        refreshLine(currentNumber_);
        selectLineQuietly(currentLine);
        pendingLine_ = NoLine;
        break;
    case NameEdit::Named:
        refreshLine(currentNumber_);
        selectLineQuietly(currentLine);
        if (pendingLine_ != NoLine)
            playerListClicked(currentLine);
        break;
    }
}

void RosterWindow::refreshLine(int number)
{
    busy_ = true;
    playerListList_->item(number - 1)->setText(playerListLine(state(), number));
    busy_ = false;
}

void RosterWindow::selectLineQuietly(int line)
{
    busy_ = true;
    playerListList_->setCurrentRow(line);
    busy_ = false;
}

void RosterWindow::freeCurrentSlot()
{
    freeRosterSlot(state(), currentNumber_);
    refreshLine(currentNumber_);
}

void RosterWindow::deleteClicked()
{
    playerNameFocusLost();
    const Message question{QStringLiteral("Delete Player From Roster"),
        QStringLiteral("Are you sure you want to delete the player name and information?"),
        Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::No};
    if (prompter().ask(this, question) != Message::Answer::Yes)
        return;
    freeCurrentSlot();
    for (QLineEdit* box : {playerNameEdit_, phoneEdit_, address1Edit_, address2Edit_, cityEdit_,
             stateEdit_, zipEdit_, otherEdit_})
        box->clear();
    contacts_[currentNumber_] = PlayerContact{};
    selectLineQuietly(currentNumber_ - 1);
}

void RosterWindow::printClicked()
{
    playerNameFocusLost();
    if (!showPrintDialog(this, ReportKind::Roster, state(), prompter()))
        return;
    BusyPointer busy;
    DesktopOutput output(this, state(), prompter());
    const bool toPrinter = output.toPrinter();
    output.deliver(
        [&](OutputEngine& engine) {
            printRoster(state(), contacts_, engine, [toPrinter] {
                // The printer is given a moment after it is opened; files need none.
                if (toPrinter)
                    QThread::msleep(500);
            });
        },
        [&] { return rosterExportTable(state(), contacts_); });
    output.tellWhereWritten(host());
}

void RosterWindow::closeClicked()
{
    if (queryClose())
        returnToTeamWindow();
}

bool RosterWindow::queryClose()
{
    // The roster reaches the disk only here; ending the program keeps the edits too.
    playerNameFocusLost();
    // Each file is written only when it changed, and whole; a cancelled write keeps the window.
    return UndoHistory::recorded(
        host(),
        [&] {
            return rewriteRosterFile(state()) && rewritePlayerContacts(state().files, contacts_);
        },
        [] { return QStringLiteral("Roster Changes"); });
}

} // namespace scorvane
