#include "gui/shell/DeleteFilesWindow.h"

#include "core/teams/TeamSetup.h"
#include "gui/app/Prompter.h"
#include "gui/app/WindowHost.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace scorvane {

DeleteFilesWindow::DeleteFilesWindow(WindowHost& host)
    : ChildWindow(host, WindowDeleteFiles)
{
    setObjectName(QStringLiteral("frmDeleteFiles"));
    setWindowTitle(QStringLiteral("Delete Files - ") + state().teamChoice.currentName);

    auto* layout = new QVBoxLayout(this);
    auto* warning = new QLabel(
        QStringLiteral("WARNING: The team name, roster, and ALL game and player statistics for "
                       "the selected team will be deleted. Be careful using this function - ALL "
                       "STATISTICS WILL BE LOST!"),
        this);
    warning->setObjectName(QStringLiteral("PanelWarningMsg"));
    warning->setWordWrap(true);
    warning->setFrameShape(QFrame::Panel);
    warning->setFrameShadow(QFrame::Sunken);
    warning->setMargin(12);
    warning->setMinimumWidth(380);
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);
    warning->setStyleSheet(QStringLiteral("color: #a00000;"));
    layout->addWidget(warning);

    auto* buttons = new QHBoxLayout;
    auto* deleteButton_ = new QPushButton(QStringLiteral("&Delete"), this);
    deleteButton_->setObjectName(QStringLiteral("cmdDelete"));
    auto* cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cmdCancel"));
    cancelButton_->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(deleteButton_);
    buttons->addWidget(cancelButton_);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(deleteButton_, &QPushButton::clicked, this, &DeleteFilesWindow::deleteFiles);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { returnToTeamWindow(); });
    setDialogKeys(cancelButton_, cancelButton_);
    setFocusProxy(cancelButton_);
}

void DeleteFilesWindow::deleteFiles()
{
    const Message question{QStringLiteral("Delete Files"), QStringLiteral("Are you sure?"),
        Message::Buttons::OkCancel, Message::Icon::None, Message::Answer::Cancel};
    // Cancel is the default: the team's files cannot be brought back.
    if (prompter().ask(host().mainWidget(), question) != Message::Answer::Ok)
        return;
    if (deleteTeamFiles(state()))
        returnToTeamWindow();
}

} // namespace scorvane
