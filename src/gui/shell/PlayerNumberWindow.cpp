#include "gui/shell/PlayerNumberWindow.h"

#include "core/roster/PlayerNumberChange.h"
#include "core/roster/RosterTable.h"
#include "core/text/Blanks.h"
#include "gui/app/Prompter.h"
#include "gui/app/TextBoxes.h"
#include "gui/app/UndoHistory.h"
#include "gui/app/WindowHelpers.h"
#include "gui/app/WindowHost.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace scorvane {

PlayerNumberWindow::PlayerNumberWindow(WindowHost& host)
    : ChildWindow(host, WindowPlayerNumber)
{
    setObjectName(QStringLiteral("frmPlayerNumber"));
    setWindowTitle(QStringLiteral("Change Player Number - ") + state().teamChoice.currentName);
    buildUi();
    fillList();
    playerList_->setCurrentRow(0);
    contacts_ = readPlayerContacts(state().files);
}

void PlayerNumberWindow::buildUi()
{
    playerList_ = new QListWidget(this);
    playerList_->setObjectName(QStringLiteral("lstPlayer"));
    playerList_->setAccessibleName(QStringLiteral("Players"));
    setFixedPitchList(playerList_, fixedPitchFont(), u'M', 30, 18);

    newNumberEdit_ = new QLineEdit(this);
    newNumberEdit_->setObjectName(QStringLiteral("txtNewNumber"));
    newNumberEdit_->setMaxLength(2);
    TextBoxes::digitsOnly(newNumberEdit_);
    TextBoxes::selectAllOnFocus(newNumberEdit_);
    auto* label = new QLabel(QStringLiteral("New Number:"), this);
    label->setObjectName(QStringLiteral("lblNewNumber"));
    label->setBuddy(newNumberEdit_);

    okButton_ = new QPushButton(QStringLiteral("&OK"), this);
    okButton_->setObjectName(QStringLiteral("cmdOK"));
    closeButton_ = new QPushButton(QStringLiteral("Close"), this);
    closeButton_->setObjectName(QStringLiteral("cmdClose"));

    auto* right = new QVBoxLayout;
    right->addWidget(label);
    right->addWidget(newNumberEdit_);
    right->addStretch(1);
    right->addWidget(okButton_);
    right->addWidget(closeButton_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(playerList_, 1);
    layout->addLayout(right);

    connect(okButton_, &QPushButton::clicked, this, &PlayerNumberWindow::okClicked);
    connect(playerList_, &QListWidget::itemDoubleClicked, this, &PlayerNumberWindow::okClicked);
    connect(closeButton_, &QPushButton::clicked, this, &PlayerNumberWindow::closeClicked);
    connect(newNumberEdit_, &QLineEdit::returnPressed, this, &PlayerNumberWindow::okClicked);
}

void PlayerNumberWindow::fillList()
{
    playerList_->clear();
    for (int n = 1; n <= 99; ++n)
        playerList_->addItem(playerListLine(state(), n));
}

void PlayerNumberWindow::okClicked()
{
    const int oldNumber = playerList_->currentRow() + 1;
    const int newNumber = static_cast<int>(numericValue(newNumberEdit_->text()));
    const QString refusal = oldNumber < 1 ? QStringLiteral("Select the player to renumber!")
                                          : checkNewPlayerNumber(state(), oldNumber, newNumber);
    if (!refusal.isEmpty()) {
        prompter().tell(this, QString::fromLatin1(NewNumberInvalidTitle), refusal);
        // The box may have kept the focus (Enter was pressed in it): select it all anyway, so
        // the next number typed replaces the refused one.
        newNumberEdit_->setFocus();
        newNumberEdit_->selectAll();
        return;
    }
    // The change rewrites the statistics of every game: No is the default, so Enter typed once
    // too often changes nothing.
    const QString name = rightTrimBlanks(state().roster.names[oldNumber]);
    const Message question{QStringLiteral("Change Player Number"),
        QStringLiteral("Give %1 (number %2) the number %3?  Every game of the player moves to "
                       "the new number.")
            .arg(name)
            .arg(oldNumber)
            .arg(newNumber),
        Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::No};
    if (prompter().ask(this, question) != Message::Answer::Yes) {
        newNumberEdit_->setFocus();
        newNumberEdit_->selectAll();
        return;
    }
    BusyPointer busy;
    if (!UndoHistory::recorded(
            host(), [&] { return changePlayerNumber(state(), contacts_, oldNumber, newNumber); },
            [&] { return QStringLiteral("Player Number %1 to %2").arg(oldNumber).arg(newNumber); }))
        return;
    fillList();
    playerList_->setCurrentRow(newNumber - 1);
    newNumberEdit_->clear();
    playerList_->setFocus();
}

void PlayerNumberWindow::closeClicked()
{
    if (queryClose())
        returnToTeamWindow();
}

bool PlayerNumberWindow::queryClose()
{
    // Renumbering has already moved the statistics and roster; the contact details follow them
    // here, also when the program ends with the window open.
    return rewritePlayerContacts(state().files, contacts_);
}

} // namespace scorvane
