#include "games/gui/FrmImportGame.h"

#include "common/Blanks.h"
#include "shell/AppState.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace scorvane {

namespace {
constexpr int RecordNumberRole = Qt::UserRole;
}

FrmImportGame::FrmImportGame(AppState& state, int opponentSlot, QWidget* parent)
    : QDialog(parent)
    , state_(state)
    , games_(state, opponentSlot)
{
    setObjectName(QStringLiteral("frmImportGame"));
    setWindowTitle(RightTrimBlanks(state_.TeamNames[opponentSlot]));
    state_.ImportMark = QStringLiteral("N");

    lblGameList = new QLabel(QStringLiteral("Game List:"), this);
    lblGameList->setObjectName(QStringLiteral("lblGameList"));
    lstGameMenu = new QListWidget(this);
    lstGameMenu->setObjectName(QStringLiteral("lstGameMenu"));
    lblGameList->setBuddy(lstGameMenu);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPointSize(9);
    lstGameMenu->setFont(courier);
    const QFontMetrics metrics(courier);
    lstGameMenu->setMinimumSize(
        metrics.horizontalAdvance(QString(68, u'0')) + 24, metrics.lineSpacing() * 10 + 8);
    chkGameComment = new QCheckBox(QStringLiteral("Import Game Comment"), this);
    chkGameComment->setObjectName(QStringLiteral("chkGameComment"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkGameComment);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblGameList);
    layout->addWidget(lstGameMenu);
    layout->addLayout(buttons);

    for (const ListedGame& listed : games_.ActiveGames()) {
        auto* item = new QListWidgetItem(GameLine(listed.Game, state_.GameTypeNames));
        item->setData(RecordNumberRole, listed.RecordNumber);
        lstGameMenu->addItem(item);
    }
    if (lstGameMenu->count() > 0) {
        lstGameMenu->setCurrentRow(lstGameMenu->count() - 1); // the most recent game
    } else {
        cmdOK->setEnabled(false);
        lstGameMenu->setEnabled(false);
        chkGameComment->setChecked(false);
        cmdCancel->setDefault(true);
    }

    connect(cmdOK, &QPushButton::clicked, this, &FrmImportGame::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmImportGame::cmdCancel_Click);
    connect(lstGameMenu, &QListWidget::itemDoubleClicked, this, &FrmImportGame::cmdOK_Click);
}

void FrmImportGame::cmdOK_Click()
{
    const QListWidgetItem* item = lstGameMenu->currentItem();
    if (item == nullptr)
        return;
    chosen_ = games_.Game(item->data(RecordNumberRole).toInt());
    state_.ImportMark = QStringLiteral("Y");
    state_.CommentMark = chkGameComment->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    accept();
}

void FrmImportGame::cmdCancel_Click()
{
    state_.ImportMark = QStringLiteral("N");
    reject();
}

} // namespace scorvane
