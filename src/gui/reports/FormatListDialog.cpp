#include "gui/reports/FormatListDialog.h"

#include "core/store/ErrorReporter.h"
#include "core/text/Blanks.h"
#include "gui/app/Prompter.h"
#include "gui/app/WindowHelpers.h"
#include "gui/reports/FormatEditorDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace scorvane {

namespace {

// The list position chosen last, selected again the next time the list opens.
int& rememberedPosition()
{
    static int position = 0;
    return position;
}

} // namespace

FormatListDialog::FormatListDialog(
    const FormatListContext& context, Prompter& prompter, ErrorReporter& reporter, QWidget* parent)
    : QDialog(parent)
    , context_(context)
    , prompter_(prompter)
    , reporter_(reporter)
    , file_(ReportFormatFile::pathIn(context.reportFolder))
{
    setObjectName(QStringLiteral("frmRptSelect"));
    setWindowTitle(QStringLiteral("Select Report Format"));
    auto* label = makeLabel(this, "lblReports", QStringLiteral("Reports"));
    reportList_ = named(new QListWidget(this), "lstReports");
    label->setBuddy(reportList_);
    setFixedPitchList(reportList_, reportList_->font(), u'M', 22, 10, QSize(28, 8));
    auto* frame = named(new QGroupBox(QStringLiteral("Format"), this), "Frame1");
    addButton_ = makeButton(frame, "cmdAdd", QStringLiteral("&Add"));
    changeButton_ = makeButton(frame, "cmdChange", QStringLiteral("&Change"));
    deleteButton_ = makeButton(frame, "cmdDelete", QStringLiteral("&Delete"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(addButton_);
    frameLayout->addWidget(changeButton_);
    frameLayout->addWidget(deleteButton_);
    okButton_ = makeButton(this, "cmdOK", QStringLiteral("&OK"));
    okButton_->setDefault(true);
    cancelButton_ = makeButton(this, "cmdCancel", QStringLiteral("Cancel"));
    auto* side = new QVBoxLayout;
    side->addWidget(frame);
    side->addStretch();
    side->addWidget(okButton_);
    side->addWidget(cancelButton_);
    auto* body = new QHBoxLayout;
    body->addWidget(reportList_, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(body);

    if (const QString error = file_.load(); !error.isEmpty())
        reporter_.reportFileError(
            FileError{FileError::Other, error, file_.pathIn(context_.reportFolder), {}});
    formats_.emplace(file_, context_.kind);
    const int remembered = rememberedPosition();
    showEntries(remembered < formats_->entries().size() ? remembered : -1);

    connect(okButton_, &QPushButton::clicked, this, &FormatListDialog::okClicked);
    connect(reportList_, &QListWidget::itemDoubleClicked, this, &FormatListDialog::okClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &FormatListDialog::reject);
    connect(addButton_, &QPushButton::clicked, this, &FormatListDialog::addClicked);
    connect(changeButton_, &QPushButton::clicked, this, &FormatListDialog::changeClicked);
    connect(deleteButton_, &QPushButton::clicked, this, &FormatListDialog::deleteClicked);
}

std::optional<ChosenFormat> FormatListDialog::choose(
    QWidget* parent, const FormatListContext& context, Prompter& prompter, ErrorReporter& reporter)
{
    FormatListDialog dialog(context, prompter, reporter, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

void FormatListDialog::showEntries(int select)
{
    reportList_->clear();
    for (const FormatEntry& entry : formats_->entries())
        reportList_->addItem(rightTrimBlanks(entry.title));
    const bool any = reportList_->count() > 0;
    changeButton_->setEnabled(any);
    deleteButton_->setEnabled(any);
    if (select >= 0 && select < reportList_->count())
        reportList_->setCurrentRow(select);
}

void FormatListDialog::saved(QString error)
{
    // The list in memory already holds the change; Retry writes the whole file again.
    while (!error.isEmpty()) {
        const FileError fault{FileError::Other, error,
            ReportFormatFile::pathIn(context_.reportFolder), QStringLiteral("the report formats")};
        if (reporter_.reportWriteError(fault) != ErrorReporter::Choice::Retry)
            return;
        error = file_.save();
    }
}

void FormatListDialog::okClicked()
{
    const int position = reportList_->currentRow();
    chosen_ = formats_->choose(position);
    if (chosen_)
        rememberedPosition() = position;
    accept();
}

void FormatListDialog::addClicked()
{
    const std::optional<ReportFormatRecord> edited
        = FormatEditorDialog::edit(this, formats_->prepareNew(), context_.categoryCodes);
    if (!edited)
        return;
    saved(formats_->add(*edited));
    showEntries(static_cast<int>(formats_->entries().size()) - 1);
}

void FormatListDialog::changeClicked()
{
    const int position = reportList_->currentRow();
    if (position < 0)
        return;
    const std::optional<ReportFormatRecord> edited
        = FormatEditorDialog::edit(this, formats_->formatAt(position), context_.categoryCodes);
    if (!edited)
        return;
    saved(formats_->change(position, *edited));
    showEntries(position);
}

void FormatListDialog::deleteClicked()
{
    if (const auto refusal = formats_->deleteRefusal()) {
        prompter_.tell(this, refusal->title, refusal->text, Message::Icon::Critical);
        return;
    }
    const int position = reportList_->currentRow();
    if (position < 0)
        return;
    const Message question{QStringLiteral("Delete Report!"), QStringLiteral("Are you sure?"),
        Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::No};
    if (prompter_.ask(this, question) != Message::Answer::Yes)
        return;
    saved(formats_->remove(position));
    showEntries(0);
}

} // namespace scorvane
