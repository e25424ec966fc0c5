#include "gui/reports/SortDialog.h"

#include "core/reports/CategoryValues.h"
#include "core/text/Blanks.h"
#include "gui/app/OkCancelRow.h"
#include "gui/app/WindowHelpers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace scorvane {

SortDialog::SortDialog(const CategoryCodeTable& codes, const SortChoice& current, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSort"));
    setWindowTitle(QStringLiteral("Sort"));
    auto* listLabel = makeLabel(this, "lblCat", QStringLiteral("Sort by"));
    categoryList_ = named(new QListWidget(this), "lstCat");
    listLabel->setBuddy(categoryList_);
    for (int code = 1; code <= ReportCategoryCount; ++code)
        categoryList_->addItem(trimBlanks(codes[code]));
    setFixedPitchList(categoryList_, fixedPitchFont(), u'M', 10, 12, QSize(28, 8));
    ascendingOption_ = named(new QRadioButton(QStringLiteral("&Ascending"), this), "optAsc");
    descendingOption_ = named(new QRadioButton(QStringLiteral("&Descending"), this), "optDesc");
    const OkCancelRow buttons = makeOkCancelRow(this);
    okButton_ = buttons.ok;
    okButton_->setText(QStringLiteral("&OK"));
    cancelButton_ = buttons.cancel;

    auto* options = new QVBoxLayout;
    options->addWidget(ascendingOption_);
    options->addWidget(descendingOption_);
    options->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(categoryList_);
    body->addLayout(options);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addLayout(body);
    layout->addLayout(buttons.layout);

    if (current.column >= 1 && current.column <= ReportCategoryCount)
        categoryList_->setCurrentRow(current.column - 1);
    (current.order == SortOrder::Descending ? descendingOption_ : ascendingOption_)
        ->setChecked(true);

    connect(okButton_, &QPushButton::clicked, this, &SortDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &SortDialog::reject);
    connect(categoryList_, &QListWidget::itemDoubleClicked, this, &SortDialog::accept);
}

std::optional<SortChoice> SortDialog::choose(
    QWidget* parent, const CategoryCodeTable& codes, const SortChoice& current)
{
    SortDialog dialog(codes, current, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

SortChoice SortDialog::choice() const
{
    return SortChoice{categoryList_->currentRow() + 1,
        descendingOption_->isChecked() ? SortOrder::Descending : SortOrder::Ascending};
}

} // namespace scorvane
