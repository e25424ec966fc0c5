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

    picker_ = new FolderPicker(prompter(), this);
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

bool BackupWindow::confirmRestore(const QString& backupFolder, const RestorePlan& plan)
{
    // The working files are overwritten and cannot be brought back: No is the default.
    const Message question{texts_.caption,
        QStringLiteral("Restore %1 data files from\n%2\ninto the data folder\n%3?\n\n%4 files "
                       "of the data folder will be replaced.")
            .arg(plan.copied.size())
            .arg(backupFolder, state().settings.dataFolder)
            .arg(plan.replaced),
        Message::Buttons::YesNo, Message::Icon::Warning, Message::Answer::No};
    return prompter().ask(host().mainWidget(), question) == Message::Answer::Yes;
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
    const bool backingUp = direction_ == BackupDirection::BackUp;
    RestorePlan plan;
    if (!backingUp) {
        plan = planRestore(target, s.settings.dataFolder);
        if (!confirmRestore(target, plan))
            return;
    }
    int count = 0;
    QString kept;
    {
        BusyPointer busy;
        if (direction_ == BackupDirection::BackUp) {
            count = copyDataFiles(s, s.settings.dataFolder, target, [this](const QString& source) {
                pathDescLabel_->setText(source);
                pathDescLabel_->repaint();
            });
        } else {
            count = copyDataFiles(s, target, s.settings.dataFolder, {}, &kept);
        }
        pathDescLabel_->setText(s.settings.dataFolder + QStringLiteral("*.DAT"));
    }
    if (count < 0)
        return; // cancelled after a write error: no file was changed
    QString done = QString::number(count) + texts_.doneSuffix;
    if (!plan.leftAlone.isEmpty()) {
        // Files of another season may now stand beside the restored ones: name them.
        done += QStringLiteral("\n\nThese files of the data folder are not in the backup and "
                               "were left as they were:\n")
            + plan.leftAlone.join(u'\n');
    }
    prompter().tell(host().mainWidget(), texts_.doneTitle, done);
    if (!kept.isEmpty())
        prompter().tell(host().mainWidget(), QStringLiteral("Working Files Kept"),
            QStringLiteral("The files the restore replaced were kept in %1").arg(kept));
    checkAndLoadTeamList(s.files, s.teamChoice.names, s.teamChoice.shortNames);
    returnToTeamWindow();
}

} // namespace scorvane
