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
    setWindowTitle(QStringLiteral("Delete Files - ") + state().CurrentTeamName);

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
    auto* cmdDelete = new QPushButton(QStringLiteral("&Delete"), this);
    cmdDelete->setObjectName(QStringLiteral("cmdDelete"));
    auto* cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(cmdDelete);
    buttons->addWidget(cmdCancel);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(cmdDelete, &QPushButton::clicked, this, &DeleteFilesWindow::deleteFiles);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { ReturnToTeamWindow(); });
    SetDialogKeys(cmdCancel, cmdCancel);
    setFocusProxy(cmdCancel);
}

void DeleteFilesWindow::deleteFiles()
{
    const Message question{QStringLiteral("Delete Files"), QStringLiteral("Are you sure?"),
        Message::Buttons::OkCancel, Message::Icon::None, Message::Answer::Ok};
    if (prompter().ask(host().mainWidget(), question) != Message::Answer::Ok)
        return;
    DeleteTeamFiles(state());
    ReturnToTeamWindow();
}

} // namespace scorvane
