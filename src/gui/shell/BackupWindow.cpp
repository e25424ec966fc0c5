#include "gui/shell/BackupWindow.h"

#include "core/store/TeamList.h"
#include "core/text/Paths.h"
#include "gui/app/OkCancelRow.h"
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

BackupWindow::BackupWindow(WindowHost& host, BackupDirection direction)
    : ChildWindow(host, WindowBackup)
    , direction_(direction)
    , texts_(backupTextsFor(direction))
{
    setObjectName(QStringLiteral("frmBackup"));
    setWindowTitle(texts_.caption);

    auto* layout = new QVBoxLayout(this);
    auto* fromLabel = new QLabel(texts_.fromLabel, this);
    fromLabel->setObjectName(QStringLiteral("lblFrom"));
    pathDescLabel_ = new QLabel(patternText(), this);
    pathDescLabel_->setObjectName(QStringLiteral("lblPathDesc"));
    pathDescLabel_->setFrameShape(QFrame::StyledPanel);
    pathDescLabel_->setMinimumWidth(340);
    auto* toLabel = new QLabel(texts_.toLabel, this);
    toLabel->setObjectName(QStringLiteral("lblTo"));
    layout->addWidget(fromLabel);
    layout->addWidget(pathDescLabel_);
    layout->addWidget(toLabel);

    picker_ = new FolderPicker(this);
    layout->addWidget(picker_, 1);

    auto* noteLabel = new QLabel(texts_.note, this);
    noteLabel->setObjectName(QStringLiteral("lblNote"));
    layout->addWidget(noteLabel);
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

    const OkCancelRow buttons = makeOkCancelRow(this);
    layout->addLayout(buttons.layout);

    connect(buttons.ok, &QPushButton::clicked, this, &BackupWindow::ok);
    connect(buttons.cancel, &QPushButton::clicked, this, [this] { returnToTeamWindow(); });

    picker_->setPath(state().settings.dataFolder);
    setDialogKeys(buttons.ok, buttons.cancel);
    setFocusProxy(picker_->folderList());
}

QString BackupWindow::patternText()
{
    const QString& dataPath = host().state().settings.dataFolder;
    return texts_.showsPattern ? dataPath + QStringLiteral("*.DAT") : dataPath;
}

void BackupWindow::ok()
{
    picker_->takeHighlighted();
    AppState& s = state();
    const QString target = folderWithSlash(picker_->path());
    if (isWorkingFolder(target, s.settings.dataFolder)) {
        prompter().tell(host().mainWidget(), QStringLiteral("Invalid Directory"), texts_.refusal);
        return;
    }
    int count = 0;
    {
        BusyPointer busy;
        if (direction_ == BackupDirection::BackUp) {
            count = copyDataFiles(s, s.settings.dataFolder, target, [this](const QString& source) {
                pathDescLabel_->setText(source);
                pathDescLabel_->repaint();
            });
        } else {
            count = copyDataFiles(s, target, s.settings.dataFolder);
        }
        pathDescLabel_->setText(s.settings.dataFolder + QStringLiteral("*.DAT"));
    }
    prompter().tell(
        host().mainWidget(), texts_.doneTitle, QString::number(count) + texts_.doneSuffix);
    checkAndLoadTeamList(s.files, s.teamChoice.names, s.teamChoice.shortNames);
    returnToTeamWindow();
}

} // namespace scorvane
