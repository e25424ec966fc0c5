#include "gui/reports/MinimumDialog.h"

#include "core/text/Blanks.h"
#include "gui/app/OkCancelRow.h"
#include "gui/app/TextBoxes.h"
#include "gui/app/WindowHelpers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace scorvane {

MinimumDialog::MinimumDialog(MinimumKind kind, int value, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMinimum"));
    setWindowTitle(QStringLiteral("Minimum"));
    gamesOption_ = named(new QRadioButton(QStringLiteral("&Games Played"), this), "optGames");
    otherOption_
        = named(new QRadioButton(QStringLiteral("&Shots on Goal (SOG)"), this), "optOther");
    minimumLabel_ = makeLabel(this, "lblMin");
    minimumEdit_ = makeTextBox(this, "txtMin", 3);
    minimumEdit_->setMaximumWidth(
        minimumEdit_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    minimumLabel_->setBuddy(minimumEdit_);
    TextBoxes::selectAllOnFocus(minimumEdit_);
    TextBoxes::digitsOnly(minimumEdit_);
    const OkCancelRow buttons = makeOkCancelRow(this);
    okButton_ = buttons.ok;
    okButton_->setText(QStringLiteral("&OK"));
    cancelButton_ = buttons.cancel;

    auto* minimumRow = new QHBoxLayout;
    minimumRow->addWidget(minimumLabel_);
    minimumRow->addWidget(minimumEdit_);
    minimumRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gamesOption_);
    layout->addWidget(otherOption_);
    layout->addLayout(minimumRow);
    layout->addLayout(buttons.layout);

    minimumEdit_->setText(QString::number(value));
    (kind == MinimumKind::GamesPlayed ? gamesOption_ : otherOption_)->setChecked(true);
    kindChanged();

    connect(gamesOption_, &QRadioButton::toggled, this, &MinimumDialog::kindChanged);
    connect(okButton_, &QPushButton::clicked, this, &MinimumDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &MinimumDialog::reject);
}

MinimumChoice MinimumDialog::choose(QWidget* parent, MinimumKind kind, int value)
{
    MinimumDialog dialog(kind, value, parent);
    MinimumChoice choice = dialog.choice();
    choice.accepted = dialog.exec() == QDialog::Accepted;
    const MinimumChoice shown = dialog.choice();
    choice.kind = shown.kind;
    if (choice.accepted)
        choice.value = shown.value;
    return choice;
}

MinimumChoice MinimumDialog::choice() const
{
    return MinimumChoice{
        gamesOption_->isChecked() ? MinimumKind::GamesPlayed : MinimumKind::ShotsOnGoal, true,
        static_cast<int>(numericValue(minimumEdit_->text()))};
}

void MinimumDialog::kindChanged()
{
    minimumLabel_->setText(gamesOption_->isChecked()
            ? QStringLiteral("Minimum Games Played")
            : QStringLiteral("Minimum Shots on Goal (SOG)"));
}

} // namespace scorvane
