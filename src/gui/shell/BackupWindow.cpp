#include "gui/shell/BackupWindow.h"

#include "core/state/Settings.h"
#include "core/store/TeamList.h"
#include "gui/app/Prompter.h"
#include "gui/app/WindowHost.h"
#include "gui/shell/FolderPicker.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace scorvane {

BackupWindow::BackupWindow(WindowHost& host)
    : ChildWindow(host, WindowBackup)
    , texts_(BackupTextsFor(host.state().BackupMode))
{
    setObjectName(QStringLiteral("frmBackup"));
    setWindowTitle(texts_.caption);

    auto* layout = new QVBoxLayout(this);
    auto* lblFrom = new QLabel(texts_.fromLabel, this);
    lblFrom->setObjectName(QStringLiteral("lblFrom"));
    lblPathDesc_ = new QLabel(patternText(), this);
    lblPathDesc_->setObjectName(QStringLiteral("lblPathDesc"));
    lblPathDesc_->setFrameShape(QFrame::StyledPanel);
    lblPathDesc_->setMinimumWidth(340);
    auto* lblTo = new QLabel(texts_.toLabel, this);
    lblTo->setObjectName(QStringLiteral("lblTo"));
    layout->addWidget(lblFrom);
    layout->addWidget(lblPathDesc_);
    layout->addWidget(lblTo);

    picker_ = new FolderPicker(this);
    layout->addWidget(picker_, 1);

    auto* lblNote = new QLabel(texts_.note, this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    layout->addWidget(lblNote);
    auto* warningRow = new QHBoxLayout;
    auto* warning = new QLabel(QStringLiteral("WARNING:"), this);
    warning->setObjectName(QStringLiteral("lblWarning"));
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);
    warning->setStyleSheet(QStringLiteral("color: #a00000;"));
    auto* replace = new QLabel(QStringLiteral("Will replace like named files!"), this);
    replace->setObjectName(QStringLiteral("lblReplace"));
    warningRow->addWidget(warning);
    warningRow->addWidget(replace);
    warningRow->addStretch(1);
    layout->addLayout(warningRow);

    auto* buttons = new QHBoxLayout;
    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &BackupWindow::ok);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { ReturnToTeamWindow(); });

    picker_->setPath(state().DataPath);
    SetDialogKeys(cmdOK, cmdCancel);
    setFocusProxy(picker_->folderList());
}

QString BackupWindow::patternText()
{
    const QString& dataPath = host().state().DataPath;
    return texts_.showsPattern ? dataPath + QStringLiteral("*.DAT") : dataPath;
}

void BackupWindow::ok()
{
    picker_->takeHighlighted();
    AppState& s = state();
    const QString target = Settings::FolderWithSlash(picker_->path());
    if (IsWorkingFolder(target, s.DataPath)) {
        prompter().tell(host().mainWidget(), QStringLiteral("Invalid Directory"), texts_.refusal);
        return;
    }
    const bool backingUp = s.BackupMode == u"Y";
    int count = 0;
    {
        BusyPointer busy;
        if (backingUp) {
            count = CopyDataFiles(s, s.DataPath, target, [this](const QString& source) {
                lblPathDesc_->setText(source);
                lblPathDesc_->repaint();
            });
        } else {
            count = CopyDataFiles(s, target, s.DataPath);
        }
        lblPathDesc_->setText(s.DataPath + QStringLiteral("*.DAT"));
    }
    prompter().tell(
        host().mainWidget(), texts_.doneTitle, QString::number(count) + texts_.doneSuffix);
    CheckAndLoadTeamList(s.Files, s.TeamNames, s.TeamShortNames);
    ReturnToTeamWindow();
}

} // namespace scorvane
