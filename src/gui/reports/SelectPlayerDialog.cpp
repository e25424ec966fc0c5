#include "gui/reports/SelectPlayerDialog.h"

#include "core/text/Blanks.h"
#include "gui/app/OkCancelRow.h"
#include "gui/app/WindowHelpers.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace scorvane {

SelectPlayerDialog::SelectPlayerDialog(const RosterNameTable& names, int current, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmIndividual"));
    setWindowTitle(QStringLiteral("Select Player"));
    auto* label = makeLabel(this, "lblPlayers", QStringLiteral("Players"));
    playerList_ = named(new QListWidget(this), "lstPlayers");
    label->setBuddy(playerList_);
    for (int number = 1; number <= 99; ++number)
        playerList_->addItem(rightTrimBlanks(names[number]));
    setFixedPitchList(playerList_, fixedPitchFont(), u'M', 20, 14, QSize(40, 8));
    playerList_->setCurrentRow(current >= 1 && current <= 99 ? current - 1 : 0);
    const OkCancelRow buttons = makeOkCancelRow(this);
    okButton_ = buttons.ok;
    okButton_->setText(QStringLiteral("&OK"));
    cancelButton_ = buttons.cancel;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(playerList_);
    layout->addLayout(buttons.layout);

    connect(okButton_, &QPushButton::clicked, this, &SelectPlayerDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &SelectPlayerDialog::reject);
    connect(playerList_, &QListWidget::itemDoubleClicked, this, &SelectPlayerDialog::accept);
}

std::optional<int> SelectPlayerDialog::choose(
    QWidget* parent, const RosterNameTable& names, int current)
{
    SelectPlayerDialog dialog(names, current, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.player();
}

int SelectPlayerDialog::player() const
{
    return playerList_->currentRow() + 1;
}

} // namespace scorvane
