#include "gui/shell/DataFolderWindow.h"

#include "core/state/Settings.h"
#include "core/text/Paths.h"
#include "gui/app/OkCancelRow.h"
#include "gui/app/Prompter.h"
#include "gui/app/WindowHost.h"
#include "gui/shell/FolderPicker.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace scorvane {

DataFolderWindow::DataFolderWindow(WindowHost& host)
    : ChildWindow(host, WindowDatapath)
{
    setObjectName(QStringLiteral("frmDatapath"));
    setWindowTitle(QStringLiteral("Data Directory"));

    auto* layout = new QVBoxLayout(this);
    auto* pathRow = new QHBoxLayout;
    auto* pathCaption = new QLabel(QStringLiteral("Path:"), this);
    pathDescLabel_ = new QLabel(this);
    pathDescLabel_->setObjectName(QStringLiteral("lblPathDesc"));
    pathDescLabel_->setFrameShape(QFrame::StyledPanel);
    pathDescLabel_->setMinimumWidth(320);
    pathDescLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pathRow->addWidget(pathCaption);
    pathRow->addWidget(pathDescLabel_, 1);
    layout->addLayout(pathRow);

    picker_ = new FolderPicker(prompter(), this);
    layout->addWidget(picker_, 1);

    const OkCancelRow buttons = makeOkCancelRow(this);
    cancelButton_ = buttons.cancel;
    layout->addLayout(buttons.layout);

    connect(picker_, &FolderPicker::pathChanged, pathDescLabel_, &QLabel::setText);
    connect(buttons.ok, &QPushButton::clicked, this, &DataFolderWindow::ok);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { returnToTeamWindow(); });

    picker_->setPath(state().settings.dataFolder);
    pathDescLabel_->setText(
        state().teamChoice.listMissing ? picker_->path() : state().settings.dataFolder);
    cancelButton_->setVisible(!state().teamChoice.listMissing);
    setDialogKeys(buttons.ok, cancelButton_);
    setFocusProxy(picker_->folderList());
}

void DataFolderWindow::opened()
{
    if (state().teamChoice.listMissing)
        prompter().tell(host().mainWidget(), QStringLiteral("Drive/Directory Error"),
            QStringLiteral("Select valid data directory"));
}

void DataFolderWindow::ok()
{
    picker_->takeHighlighted();
    const QString chosen = folderWithSlash(picker_->path());
    if (const QString refusal = Settings::folderRefusal(chosen); !refusal.isEmpty()) {
        prompter().tell(host().mainWidget(), QStringLiteral("Data Directory Invalid"), refusal);
        return;
    }
    if (!host().changeDataFolder(chosen))
        return; // another program works there: the window stays for another choice
    returnToTeamWindow();
}

} // namespace scorvane
