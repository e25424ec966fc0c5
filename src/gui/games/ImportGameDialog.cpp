#include "gui/games/ImportGameDialog.h"

#include "core/state/AppState.h"
#include "core/text/Blanks.h"
#include "gui/app/OkCancelRow.h"
#include "gui/games/GameListBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace scorvane {

ImportGameDialog::ImportGameDialog(AppState& state, int opponentSlot, QWidget* parent)
    : QDialog(parent)
    , state_(state)
    , games_(state, opponentSlot)
{
    setObjectName(QStringLiteral("frmImportGame"));
    setWindowTitle(RightTrimBlanks(state_.TeamNames[opponentSlot]));
    state_.ImportMark = QStringLiteral("N");

    const GameListBox box = MakeGameListBox(this, 10);
    lblGameList = box.label;
    lstGameMenu = box.list;
    chkGameComment = new QCheckBox(QStringLiteral("Import Game Comment"), this);
    chkGameComment->setObjectName(QStringLiteral("chkGameComment"));
    const OkCancelRow buttons = MakeOkCancelRow(this, chkGameComment);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblGameList);
    layout->addWidget(lstGameMenu);
    layout->addLayout(buttons.layout);

    FillGameList(lstGameMenu, games_.ActiveGames(), state_.GameTypeNames);
    if (lstGameMenu->count() > 0) {
        lstGameMenu->setCurrentRow(lstGameMenu->count() - 1); // the most recent game
    } else {
        cmdOK->setEnabled(false);
        lstGameMenu->setEnabled(false);
        chkGameComment->setChecked(false);
        cmdCancel->setDefault(true);
    }

    connect(cmdOK, &QPushButton::clicked, this, &ImportGameDialog::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &ImportGameDialog::cmdCancel_Click);
    connect(lstGameMenu, &QListWidget::itemDoubleClicked, this, &ImportGameDialog::cmdOK_Click);
}

void ImportGameDialog::cmdOK_Click()
{
    const QListWidgetItem* item = lstGameMenu->currentItem();
    if (item == nullptr)
        return;
    chosen_ = games_.Game(ListedRecordNumber(*item));
    state_.ImportMark = QStringLiteral("Y");
    state_.CommentMark = chkGameComment->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    accept();
}

void ImportGameDialog::cmdCancel_Click()
{
    state_.ImportMark = QStringLiteral("N");
    reject();
}

} // namespace scorvane
