#include "gui/shell/PlayerNumberWindow.h"

#include "core/roster/PlayerNumberChange.h"
#include "core/roster/RosterTable.h"
#include "core/text/Blanks.h"
#include "gui/app/Prompter.h"
#include "gui/app/TextBoxes.h"
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
    setWindowTitle(QStringLiteral("Change Player Number - ") + state().CurrentTeamName);
    buildUi();
    fillList();
    lstPlayer->setCurrentRow(0);
    contacts_ = ReadPlayerContacts(state().Files);
}

void PlayerNumberWindow::buildUi()
{
    lstPlayer = new QListWidget(this);
    lstPlayer->setObjectName(QStringLiteral("lstPlayer"));
    lstPlayer->setAccessibleName(QStringLiteral("Players"));
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    lstPlayer->setFont(fixed);
    const QFontMetrics metrics(fixed);
    lstPlayer->setMinimumWidth(metrics.horizontalAdvance(QString(30, u'M')));
    lstPlayer->setMinimumHeight(metrics.lineSpacing() * 18);

    txtNewNumber = new QLineEdit(this);
    txtNewNumber->setObjectName(QStringLiteral("txtNewNumber"));
    txtNewNumber->setMaxLength(2);
    TextBoxes::DigitsOnly(txtNewNumber);
    TextBoxes::SelectAllOnFocus(txtNewNumber, &state().TextAtFocus);
    auto* label = new QLabel(QStringLiteral("New Number:"), this);
    label->setObjectName(QStringLiteral("lblNewNumber"));
    label->setBuddy(txtNewNumber);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto* right = new QVBoxLayout;
    right->addWidget(label);
    right->addWidget(txtNewNumber);
    right->addStretch(1);
    right->addWidget(cmdOK);
    right->addWidget(cmdClose);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lstPlayer, 1);
    layout->addLayout(right);

    connect(cmdOK, &QPushButton::clicked, this, &PlayerNumberWindow::cmdOK_Click);
    connect(lstPlayer, &QListWidget::itemDoubleClicked, this, &PlayerNumberWindow::cmdOK_Click);
    connect(cmdClose, &QPushButton::clicked, this, &PlayerNumberWindow::cmdClose_Click);
    connect(txtNewNumber, &QLineEdit::returnPressed, this, &PlayerNumberWindow::cmdOK_Click);
}

void PlayerNumberWindow::fillList()
{
    lstPlayer->clear();
    for (int n = 1; n <= 99; ++n)
        lstPlayer->addItem(PlayerListLine(state(), n));
}

void PlayerNumberWindow::cmdOK_Click()
{
    const int oldNumber = lstPlayer->currentRow() + 1;
    const int newNumber = static_cast<int>(NumericValue(txtNewNumber->text()));
    const QString refusal = oldNumber < 1 ? QStringLiteral("Select the player to renumber!")
                                          : CheckNewPlayerNumber(state(), oldNumber, newNumber);
    if (!refusal.isEmpty()) {
        prompter().tell(this, QString::fromLatin1(NewNumberInvalidTitle), refusal);
        // The box may have kept the focus (Enter was pressed in it): select it all anyway, so
        // the next number typed replaces the refused one.
        txtNewNumber->setFocus();
        txtNewNumber->selectAll();
        return;
    }
    BusyPointer busy;
    ChangePlayerNumber(state(), contacts_, oldNumber, newNumber);
    fillList();
    lstPlayer->setCurrentRow(newNumber - 1);
    txtNewNumber->clear();
    lstPlayer->setFocus();
}

void PlayerNumberWindow::cmdClose_Click()
{
    QueryClose();
    ReturnToTeamWindow();
}

bool PlayerNumberWindow::QueryClose()
{
    // Renumbering has already moved the statistics and roster; the contact details follow them
    // here, also when the program ends with the window open.
    RewritePlayerContacts(state().Files, contacts_);
    return true;
}

} // namespace scorvane
