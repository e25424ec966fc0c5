#include "gui/reports/FormatEditorDialog.h"

#include "gui/app/TextBoxes.h"
#include "gui/app/WindowHelpers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace scorvane {

FormatEditorDialog::FormatEditorDialog(
    const ReportFormatRecord& format, const CategoryCodeTable& codes, QWidget* parent)
    : QDialog(parent)
    , editor_(format, codes)
{
    setObjectName(QStringLiteral("frmFormat"));
    setWindowTitle(QStringLiteral("Format"));
    auto* titleLabel = makeLabel(this, "lblTitle", QStringLiteral("Title:"));
    titleEdit_ = makeTextBox(this, "txtTitle", 20);
    titleLabel->setBuddy(titleEdit_);
    TextBoxes::selectAllOnFocus(titleEdit_);

    const QFont fixed = fixedPitchFont();
    auto* lineLabel = makeLabel(this, "lblSelCat", QStringLiteral("Report Line"));
    reportLineList_ = named(new QListWidget(this), "lstSelCat");
    lineLabel->setBuddy(reportLineList_);
    auto* allLabel = makeLabel(this, "lblAll", QStringLiteral("Not On Report"));
    notOnReportList_ = named(new QListWidget(this), "lstAll");
    allLabel->setBuddy(notOnReportList_);
    for (QListWidget* list : {reportLineList_, notOnReportList_})
        setFixedPitchList(list, fixed, u'M', 14, 16, QSize(40, 8));
    addButton_ = makeButton(this, "cmdAdd", QStringLiteral("===&>"));
    addButton_->setAccessibleName(QStringLiteral("Put on report line"));
    deleteButton_ = makeButton(this, "cmdDelete", QStringLiteral("&<==="));
    deleteButton_->setAccessibleName(QStringLiteral("Take off report line"));

    auto* sortFrame = named(new QGroupBox(QStringLiteral("Sort Order"), this), "Frame1");
    sortCategoryCombo_ = named(new QComboBox(sortFrame), "cmbCats");
    sortCategoryCombo_->setAccessibleName(QStringLiteral("Sort by"));
    sortCategoryCombo_->addItems(editor_.sortCategories());
    ascendingOption_ = named(new QRadioButton(QStringLiteral("Ascending"), sortFrame), "optAsc");
    descendingOption_ = named(new QRadioButton(QStringLiteral("Descending"), sortFrame), "optDesc");
    auto* sortLayout = new QHBoxLayout(sortFrame);
    sortLayout->addWidget(sortCategoryCombo_);
    sortLayout->addWidget(ascendingOption_);
    sortLayout->addWidget(descendingOption_);
    sortLayout->addStretch();

    defaultButton_ = makeButton(this, "cmdDefault", QStringLiteral("&Default"));
    okButton_ = makeButton(this, "cmdOK", QStringLiteral("&OK"));
    okButton_->setDefault(true);
    cancelButton_ = makeButton(this, "cmdCancel", QStringLiteral("Cancel"));

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(titleLabel);
    titleRow->addWidget(titleEdit_);
    titleRow->addStretch();
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(deleteButton_);
    moves->addWidget(addButton_);
    moves->addStretch();
    auto* lists = new QGridLayout;
    lists->addWidget(lineLabel, 0, 0);
    lists->addWidget(reportLineList_, 1, 0);
    lists->addLayout(moves, 1, 1);
    lists->addWidget(allLabel, 0, 2);
    lists->addWidget(notOnReportList_, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaultButton_);
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(titleRow);
    layout->addLayout(lists);
    layout->addWidget(sortFrame);
    layout->addLayout(buttons);

    titleEdit_->setText(editor_.title());
    sortCategoryCombo_->setCurrentIndex(editor_.sortPosition());
    (editor_.descending() ? descendingOption_ : ascendingOption_)->setChecked(true);
    showLists();

    connect(reportLineList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!showing_ && row >= 0)
            editor_.selectOnReportLine(row);
    });
    connect(notOnReportList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!showing_ && row >= 0)
            editor_.selectNotOnReport(row);
    });
    connect(addButton_, &QPushButton::clicked, this, &FormatEditorDialog::putOnReportClicked);
    connect(notOnReportList_, &QListWidget::itemDoubleClicked, this,
        &FormatEditorDialog::putOnReportClicked);
    connect(deleteButton_, &QPushButton::clicked, this, &FormatEditorDialog::takeOffReportClicked);
    connect(reportLineList_, &QListWidget::itemDoubleClicked, this,
        &FormatEditorDialog::takeOffReportClicked);
    connect(okButton_, &QPushButton::clicked, this, &FormatEditorDialog::okClicked);
    connect(defaultButton_, &QPushButton::clicked, this, &FormatEditorDialog::defaultClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &FormatEditorDialog::reject);
}

std::optional<ReportFormatRecord> FormatEditorDialog::edit(
    QWidget* parent, const ReportFormatRecord& format, const CategoryCodeTable& codes)
{
    FormatEditorDialog dialog(format, codes, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.result();
}

void FormatEditorDialog::showLists()
{
    showing_ = true;
    reportLineList_->clear();
    reportLineList_->addItems(editor_.reportLine());
    reportLineList_->setCurrentRow(editor_.reportLineSelection());
    notOnReportList_->clear();
    notOnReportList_->addItems(editor_.notOnReport());
    notOnReportList_->setCurrentRow(editor_.notOnReportSelection());
    showing_ = false;
}

void FormatEditorDialog::putOnReportClicked()
{
    editor_.putOnReport();
    showLists();
}

void FormatEditorDialog::takeOffReportClicked()
{
    editor_.takeOffReport();
    showLists();
}

void FormatEditorDialog::takeWidgets()
{
    editor_.setTitle(titleEdit_->text());
    editor_.setSortPosition(sortCategoryCombo_->currentIndex());
    editor_.setDescending(descendingOption_->isChecked());
}

void FormatEditorDialog::okClicked()
{
    takeWidgets();
    result_ = editor_.accepted();
    accept();
}

void FormatEditorDialog::defaultClicked()
{
    takeWidgets();
    result_ = editor_.withDefault();
    accept();
}

} // namespace scorvane
