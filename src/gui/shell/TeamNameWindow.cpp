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
    txtTeamName_ = new QLineEdit(this);
    txtTeamName_->setObjectName(QStringLiteral("txtTeamName"));
    txtTeamName_->setMaxLength(25);
    txtTeamName_->setMinimumWidth(260);
    TxtShortTeamName_ = new QLineEdit(this);
    TxtShortTeamName_->setObjectName(QStringLiteral("TxtShortTeamName"));
    TxtShortTeamName_->setMaxLength(10);
    auto* longLabel = new QLabel(QStringLiteral("Long Name:"), this);
    longLabel->setBuddy(txtTeamName_);
    auto* shortLabel = new QLabel(QStringLiteral("Short Name:"), this);
    shortLabel->setBuddy(TxtShortTeamName_);
    auto* note
        = new QLabel(QStringLiteral("(short name used on multiple team stat reports)"), this);
    note->setObjectName(QStringLiteral("lblShortNote"));
    grid->addWidget(longLabel, 0, 0);
    grid->addWidget(txtTeamName_, 0, 1);
    grid->addWidget(shortLabel, 1, 0);
    grid->addWidget(TxtShortTeamName_, 1, 1);
    grid->addWidget(note, 2, 1);

    auto* buttons = new QHBoxLayout;
    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdDefault = new QPushButton(QStringLiteral("&Default"), this);
    cmdDefault->setObjectName(QStringLiteral("cmdDefault"));
    auto* cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdDefault);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 3, 0, 1, 2);

    connect(cmdOK, &QPushButton::clicked, this, &TeamNameWindow::ok);
    connect(cmdDefault, &QPushButton::clicked, this, &TeamNameWindow::useDefault);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { ReturnToTeamWindow(); });

    AppState& s = state();
    TextBoxes::SelectAllOnFocus(txtTeamName_, &s.TextAtFocus);
    TextBoxes::SelectAllOnFocus(TxtShortTeamName_, &s.TextAtFocus);
    txtTeamName_->setText(RightTrimBlanks(s.TeamNames[s.TeamSlot]));
    TxtShortTeamName_->setText(RightTrimBlanks(s.TeamShortNames[s.TeamSlot]));
    SetDialogKeys(cmdOK, cmdCancel);
    setFocusProxy(txtTeamName_);
}

void TeamNameWindow::ok()
{
    NameTeam(state(), txtTeamName_->text(), TxtShortTeamName_->text());
    ReturnToTeamWindow();
}

void TeamNameWindow::useDefault()
{
    txtTeamName_->clear();
    TxtShortTeamName_->clear();
    ok();
}

} // namespace scorvane
