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

std::optional<ImportChoice> ImportGameDialog::choose(
    AppState& state, int opponentSlot, QWidget* parent)
{
    ImportGameDialog dialog(state, opponentSlot, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

ImportGameDialog::ImportGameDialog(AppState& state, int opponentSlot, QWidget* parent)
    : QDialog(parent)
    , games_(state, opponentSlot)
{
    setObjectName(QStringLiteral("frmImportGame"));
    setWindowTitle(rightTrimBlanks(state.teamChoice.names[opponentSlot]));

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

    fillGameList(gameMenuList_, games_.activeGames(), state.settings.gameTypeNames);
    if (gameMenuList_->count() > 0) {
        gameMenuList_->setCurrentRow(gameMenuList_->count() - 1); // the most recent game
    } else {
        okButton_->setEnabled(false);
        gameMenuList_->setEnabled(false);
        gameCommentCheck_->setChecked(false);
        cancelButton_->setDefault(true);
    }

    connect(okButton_, &QPushButton::clicked, this, &ImportGameDialog::okClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &ImportGameDialog::reject);
    connect(gameMenuList_, &QListWidget::itemDoubleClicked, this, &ImportGameDialog::okClicked);
}

void ImportGameDialog::okClicked()
{
    const QListWidgetItem* item = gameMenuList_->currentItem();
    if (item == nullptr)
        return;
    choice_ = ImportChoice{games_.game(listedRecordNumber(*item)), gameCommentCheck_->isChecked()};
    accept();
}

} // namespace scorvane
