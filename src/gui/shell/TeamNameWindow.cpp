#include "gui/shell/TeamNameWindow.h"

#include "core/teams/TeamSetup.h"
#include "core/text/Blanks.h"
#include "gui/app/TextBoxes.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace scorvane {

TeamNameWindow::TeamNameWindow(WindowHost& host)
    : ChildWindow(host, WindowTeamName)
{
    setObjectName(QStringLiteral("frmTeamName"));
    setWindowTitle(QStringLiteral("Team Name"));

    auto* grid = new QGridLayout(this);
    teamNameEdit_ = new QLineEdit(this);
    teamNameEdit_->setObjectName(QStringLiteral("txtTeamName"));
    teamNameEdit_->setMaxLength(25);
    teamNameEdit_->setMinimumWidth(260);
    shortTeamNameEdit_ = new QLineEdit(this);
    shortTeamNameEdit_->setObjectName(QStringLiteral("TxtShortTeamName"));
    shortTeamNameEdit_->setMaxLength(10);
    auto* longLabel = new QLabel(QStringLiteral("Long Name:"), this);
    longLabel->setBuddy(teamNameEdit_);
    auto* shortLabel = new QLabel(QStringLiteral("Short Name:"), this);
    shortLabel->setBuddy(shortTeamNameEdit_);
    auto* note
        = new QLabel(QStringLiteral("(short name used on multiple team stat reports)"), this);
    note->setObjectName(QStringLiteral("lblShortNote"));
    grid->addWidget(longLabel, 0, 0);
    grid->addWidget(teamNameEdit_, 0, 1);
    grid->addWidget(shortLabel, 1, 0);
    grid->addWidget(shortTeamNameEdit_, 1, 1);
    grid->addWidget(note, 2, 1);

    auto* buttons = new QHBoxLayout;
    auto* okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("cmdOK"));
    okButton_->setDefault(true);
    auto* defaultButton = new QPushButton(QStringLiteral("&Default"), this);
    defaultButton->setObjectName(QStringLiteral("cmdDefault"));
    auto* cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(defaultButton);
    buttons->addWidget(cancelButton_);
    grid->addLayout(buttons, 3, 0, 1, 2);

    connect(okButton_, &QPushButton::clicked, this, &TeamNameWindow::ok);
    connect(defaultButton, &QPushButton::clicked, this, &TeamNameWindow::useDefault);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { returnToTeamWindow(); });

    AppState& s = state();
    TextBoxes::selectAllOnFocus(teamNameEdit_);
    TextBoxes::selectAllOnFocus(shortTeamNameEdit_);
    teamNameEdit_->setText(rightTrimBlanks(s.teamChoice.names[s.teamChoice.currentSlot]));
    shortTeamNameEdit_->setText(rightTrimBlanks(s.teamChoice.shortNames[s.teamChoice.currentSlot]));
    setDialogKeys(okButton_, cancelButton_);
    setFocusProxy(teamNameEdit_);
}

void TeamNameWindow::ok()
{
    if (nameTeam(state(), teamNameEdit_->text(), shortTeamNameEdit_->text()))
        returnToTeamWindow();
}

void TeamNameWindow::useDefault()
{
    teamNameEdit_->clear();
    shortTeamNameEdit_->clear();
    ok();
}

} // namespace scorvane
