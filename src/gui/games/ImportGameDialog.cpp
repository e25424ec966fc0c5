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
    setWindowTitle(rightTrimBlanks(state_.TeamNames[opponentSlot]));
    state_.ImportMark = QStringLiteral("N");

    const GameListBox box = makeGameListBox(this, 10);
    gameListLabel_ = box.label;
    gameMenuList_ = box.list;
    gameCommentCheck_ = new QCheckBox(QStringLiteral("Import Game Comment"), this);
    gameCommentCheck_->setObjectName(QStringLiteral("chkGameComment"));
    const OkCancelRow buttons = makeOkCancelRow(this, gameCommentCheck_);
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gameListLabel_);
    layout->addWidget(gameMenuList_);
    layout->addLayout(buttons.layout);

    fillGameList(gameMenuList_, games_.activeGames(), state_.GameTypeNames);
    if (gameMenuList_->count() > 0) {
        gameMenuList_->setCurrentRow(gameMenuList_->count() - 1); // the most recent game
    } else {
        okButton_->setEnabled(false);
        gameMenuList_->setEnabled(false);
        gameCommentCheck_->setChecked(false);
        cancelButton_->setDefault(true);
    }

    connect(okButton_, &QPushButton::clicked, this, &ImportGameDialog::okClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &ImportGameDialog::cancelClicked);
    connect(gameMenuList_, &QListWidget::itemDoubleClicked, this, &ImportGameDialog::okClicked);
}

void ImportGameDialog::okClicked()
{
    const QListWidgetItem* item = gameMenuList_->currentItem();
    if (item == nullptr)
        return;
    chosen_ = games_.game(listedRecordNumber(*item));
    state_.ImportMark = QStringLiteral("Y");
    state_.CommentMark = gameCommentCheck_->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    accept();
}

void ImportGameDialog::cancelClicked()
{
    state_.ImportMark = QStringLiteral("N");
    reject();
}

} // namespace scorvane
