#include "gui/shell/DataFolderWindow.h"

#include "core/state/Settings.h"
#include "core/store/TeamList.h"
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
    lblPathDesc_ = new QLabel(this);
    lblPathDesc_->setObjectName(QStringLiteral("lblPathDesc"));
    lblPathDesc_->setFrameShape(QFrame::StyledPanel);
    lblPathDesc_->setMinimumWidth(320);
    lblPathDesc_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pathRow->addWidget(pathCaption);
    pathRow->addWidget(lblPathDesc_, 1);
    layout->addLayout(pathRow);

    picker_ = new FolderPicker(this);
    layout->addWidget(picker_, 1);

    auto* buttons = new QHBoxLayout;
    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel_);
    layout->addLayout(buttons);

    connect(picker_, &FolderPicker::pathChanged, lblPathDesc_, &QLabel::setText);
    connect(cmdOK, &QPushButton::clicked, this, &DataFolderWindow::ok);
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { ReturnToTeamWindow(); });

    picker_->setPath(state().DataPath);
    lblPathDesc_->setText(state().TeamListError == u"E" ? picker_->path() : state().DataPath);
    cmdCancel_->setVisible(state().TeamListError != u"E");
    SetDialogKeys(cmdOK, cmdCancel_);
    setFocusProxy(picker_->folderList());
}

void DataFolderWindow::opened()
{
    if (state().TeamListError == u"E")
        prompter().tell(host().mainWidget(), QStringLiteral("Drive/Directory Error"),
            QStringLiteral("Select valid data directory"));
}

void DataFolderWindow::ok()
{
    picker_->takeHighlighted();
    AppState& s = state();
    // The old folder is left as an exit would leave it: files closed, the empty team files that
    // taking the selection created there removed.
    s.Files.CloseDataFile(AllFiles);
    RemoveEmptyDataFiles(s.DataPath);
    s.DataPath = Settings::FolderWithSlash(picker_->path());
    CheckAndLoadTeamList(s.Files, s.TeamNames, s.TeamShortNames);
    s.TeamListLoaded = true;
    s.TeamListError.clear();
    ReturnToTeamWindow();
}

} // namespace scorvane
