#include "gui/import/SpreadsheetImportDialog.h"

#include "core/import/GameImport.h"
#include "core/import/RosterImport.h"
#include "core/text/Blanks.h"
#include "gui/app/OkCancelRow.h"
#include "gui/app/Prompter.h"
#include "gui/app/UndoHistory.h"
#include "gui/app/WindowHelpers.h"
#include "gui/app/WindowHost.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace scorvane {

namespace {

const QColor ProblemTint(0xF8, 0xD7, 0xDA);
const QColor NoticeTint(0xFF, 0xF3, 0xCD);
const QColor ConflictTint(0xD6, 0xE4, 0xF0);

// The kind whose fields the headings match more of.
ImportKind likelyKind(const QStringList& headings)
{
    const auto matched = [&](ImportKind kind) {
        const QList<ImportField> fields = matchColumns(kind, headings);
        return fields.size() - fields.count(ImportField::None);
    };
    return matched(ImportKind::Games) > matched(ImportKind::Roster) ? ImportKind::Games
                                                                    : ImportKind::Roster;
}

QString choiceName(ConflictChoice choice)
{
    switch (choice) {
    case ConflictChoice::Replace:
        return QStringLiteral("Replace");
    case ConflictChoice::Add:
        return QStringLiteral("Add");
    case ConflictChoice::Skip:
        break;
    }
    return QStringLiteral("Skip");
}

constexpr int LineColumn = 0;
constexpr int ActionColumn = 1;
constexpr int ProblemsColumn = 2;
constexpr int FirstFieldColumn = 3;

// "1 row", "2 rows".
QString counted(int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1StringView(count == 1 ? one : many));
}

constexpr std::array<ConflictChoice, 3> Choices{
    ConflictChoice::Skip, ConflictChoice::Replace, ConflictChoice::Add};

QTableWidgetItem* cellItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString rowProblems(const ImportRow& row)
{
    QStringList texts;
    if (row.conflict)
        texts << row.conflictText;
    for (const ImportIssue& issue : row.issues)
        texts << issue.text;
    return texts.join(QStringLiteral("; "));
}

} // namespace

SpreadsheetImportDialog::SpreadsheetImportDialog(
    WindowHost& host, const QString& fileName, CsvSheet sheet)
    : QDialog(host.mainWidget())
    , host_(host)
    , sheet_(std::move(sheet))
{
    buildUi(fileName);
    (likelyKind(sheet_.headings) == ImportKind::Games ? gamesOption_ : rosterOption_)
        ->setChecked(true);
    kindChosen();
    connect(rosterOption_, &QRadioButton::toggled, this, &SpreadsheetImportDialog::kindChosen);
    connect(okButton_, &QPushButton::clicked, this, &SpreadsheetImportDialog::okClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &SpreadsheetImportDialog::reject);
}

SpreadsheetImportDialog::~SpreadsheetImportDialog() = default;

ImportKind SpreadsheetImportDialog::kind() const
{
    return gamesOption_->isChecked() ? ImportKind::Games : ImportKind::Roster;
}

void SpreadsheetImportDialog::buildUi(const QString& fileName)
{
    setObjectName(QStringLiteral("frmImportSpreadsheet"));
    const QString team = rightTrimBlanks(host_.state().teamChoice.currentName);
    setWindowTitle(QStringLiteral("Import from Spreadsheet - ") + team);

    fileLabel_ = makeLabel(this, "lblFile",
        QStringLiteral("%1\n%2, separated by %3, %4 rows below the headings")
            .arg(fileName, encodingName(sheet_.encoding), separatorName(sheet_.separator))
            .arg(sheet_.rows.size()));
    fileLabel_->setWordWrap(true);

    auto* kindBox = new QGroupBox(QStringLiteral("The file holds"), this);
    rosterOption_
        = named(new QRadioButton(QStringLiteral("&Players for the roster"), kindBox), "optRoster");
    gamesOption_ = named(new QRadioButton(QStringLiteral("&Games"), kindBox), "optGames");
    auto* kindLayout = new QHBoxLayout(kindBox);
    kindLayout->addWidget(rosterOption_);
    kindLayout->addWidget(gamesOption_);
    kindLayout->addStretch();

    auto* columnsLabel = makeLabel(this, "lblColumns", QStringLiteral("&Columns:"));
    columnsTable_ = named(new QTableWidget(this), "tblColumns");
    columnsTable_->setColumnCount(3);
    columnsTable_->setHorizontalHeaderLabels({QStringLiteral("Heading in the file"),
        QStringLiteral("First value"), QStringLiteral("Read as")});
    columnsTable_->verticalHeader()->setVisible(false);
    columnsTable_->setAccessibleName(QStringLiteral("Columns"));
    columnsLabel->setBuddy(columnsTable_);
    missingLabel_ = makeLabel(this, "lblMissing");
    missingLabel_->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold;"));

    auto* previewLabel = makeLabel(
        this, "lblPreview", QStringLiteral("P&review (every row as it will be stored):"));
    previewTable_ = named(new QTableWidget(this), "tblPreview");
    previewTable_->verticalHeader()->setVisible(false);
    previewTable_->setAccessibleName(QStringLiteral("Preview"));
    previewTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    previewLabel->setBuddy(previewTable_);
    summaryLabel_ = makeLabel(this, "lblSummary");
    summaryLabel_->setWordWrap(true);

    summaryLabel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    const OkCancelRow buttons = makeOkCancelRow(this, summaryLabel_);
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileLabel_);
    layout->addWidget(kindBox);
    layout->addWidget(columnsLabel);
    layout->addWidget(columnsTable_, 2);
    layout->addWidget(missingLabel_);
    layout->addWidget(previewLabel);
    layout->addWidget(previewTable_, 5);
    layout->addLayout(buttons.layout);
    resize(980, 680);
}

void SpreadsheetImportDialog::kindChosen()
{
    mapping_ = matchColumns(kind(), sheet_.headings);
    fillColumns();
    rebuildPlan();
}

void SpreadsheetImportDialog::fillColumns()
{
    const QList<ImportField> fields = importFields(kind());
    columnsTable_->setRowCount(static_cast<int>(sheet_.headings.size()));
    const CsvSheet::Row first = sheet_.rows.isEmpty() ? CsvSheet::Row{} : sheet_.rows.first();
    for (int c = 0; c < sheet_.headings.size(); ++c) {
        columnsTable_->setItem(c, 0, cellItem(sheet_.headings[c]));
        columnsTable_->setItem(c, 1, cellItem(sheet_.cell(first, c).toString().simplified()));
        auto* combo = new QComboBox(columnsTable_);
        combo->setObjectName(QStringLiteral("cboField%1").arg(c));
        combo->setAccessibleName(QStringLiteral("Read column %1 as").arg(sheet_.headings[c]));
        for (const ImportField field : fields)
            combo->addItem(importFieldName(field), static_cast<int>(field));
        combo->setCurrentIndex(static_cast<int>(fields.indexOf(mapping_.value(c))));
        connect(
            combo, &QComboBox::currentIndexChanged, this, &SpreadsheetImportDialog::fieldChosen);
        columnsTable_->setCellWidget(c, 2, combo);
    }
    columnsTable_->resizeColumnsToContents();
    columnsTable_->setColumnWidth(2, std::max(columnsTable_->columnWidth(2), 220));
}

void SpreadsheetImportDialog::fieldChosen()
{
    // A field read from one column only moves to the column just chosen for it.
    const auto* changed = qobject_cast<const QComboBox*>(sender());
    QList<ImportField> mapping;
    for (int c = 0; c < columnsTable_->rowCount(); ++c) {
        const auto* combo = qobject_cast<QComboBox*>(columnsTable_->cellWidget(c, 2));
        mapping << static_cast<ImportField>(combo->currentData().toInt());
    }
    const int at = static_cast<int>(mapping.size());
    for (int c = 0; c < at; ++c) {
        if (columnsTable_->cellWidget(c, 2) != changed)
            continue;
        for (int other = 0; other < at; ++other) {
            if (other != c && mapping[other] == mapping[c] && mapping[c] != ImportField::None
                && !takesSeveralColumns(mapping[c])) {
                mapping[other] = ImportField::None;
                auto* combo = qobject_cast<QComboBox*>(columnsTable_->cellWidget(other, 2));
                const QSignalBlocker quiet(combo);
                combo->setCurrentIndex(0);
            }
        }
    }
    mapping_ = mapping;
    rebuildPlan();
}

void SpreadsheetImportDialog::rebuildPlan()
{
    // The choices made for conflicts stay with their rows while the columns are put right.
    std::vector<std::optional<ConflictChoice>> kept;
    if (plan_ && plan_->kind() == kind()) {
        for (const ImportRow& row : plan_->rows())
            kept.push_back(row.conflict ? std::optional(row.choice) : std::nullopt);
    }
    const QString missing = missingColumns(kind(), mapping_);
    missingLabel_->setText(missing);
    missingLabel_->setVisible(!missing.isEmpty());
    AppState& state = host_.state();
    if (kind() == ImportKind::Roster)
        plan_ = RosterImport::forTeam(state, sheet_, mapping_);
    else
        plan_ = GameImport::forTeam(state, sheet_, mapping_);
    for (std::size_t r = 0; r < kept.size() && r < plan_->rows().size(); ++r) {
        if (kept[r] && plan_->rows()[r].conflict)
            plan_->choose(r, *kept[r]);
    }
    showPreview();
}

void SpreadsheetImportDialog::showPreview()
{
    // What happens to a row and why come first; the stored fields follow.
    const QStringList columns = plan_->columns();
    previewTable_->clear();
    previewTable_->setColumnCount(FirstFieldColumn + static_cast<int>(columns.size()));
    previewTable_->setHorizontalHeaderLabels(
        QStringList{QStringLiteral("Line"), QStringLiteral("Action"), QStringLiteral("Problems")}
        + columns);
    const std::vector<ImportRow>& rows = plan_->rows();
    previewTable_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const ImportRow& row = rows[static_cast<std::size_t>(r)];
        previewTable_->setItem(r, LineColumn, cellItem(QString::number(row.line)));
        const QStringList cells = plan_->cells(static_cast<std::size_t>(r));
        for (int c = 0; c < columns.size(); ++c)
            previewTable_->setItem(r, FirstFieldColumn + c, cellItem(cells.value(c)));
        if (row.conflict) {
            auto* combo = new QComboBox(previewTable_);
            combo->setObjectName(QStringLiteral("cboAction%1").arg(r));
            combo->setAccessibleName(QStringLiteral("Action for line %1").arg(row.line));
            for (const ConflictChoice choice : Choices)
                combo->addItem(choiceName(choice));
            combo->setCurrentIndex(static_cast<int>(
                std::find(Choices.begin(), Choices.end(), row.choice) - Choices.begin()));
            connect(combo, &QComboBox::currentIndexChanged, this,
                [this, r](int index) { actionChosen(r, index); });
            previewTable_->setCellWidget(r, ActionColumn, combo);
        } else {
            previewTable_->setItem(r, ActionColumn,
                cellItem(row.hasProblem() ? QStringLiteral("Left out") : QStringLiteral("Store")));
        }
        QTableWidgetItem* problems = cellItem(rowProblems(row));
        problems->setToolTip(rowProblems(row).replace(QStringLiteral("; "), QStringLiteral("\n")));
        previewTable_->setItem(r, ProblemsColumn, problems);
        const QColor tint = row.hasProblem() ? ProblemTint
            : row.conflict                   ? ConflictTint
            : !row.issues.isEmpty()          ? NoticeTint
                                             : QColor();
        if (tint.isValid()) {
            for (int c = 0; c < previewTable_->columnCount(); ++c) {
                if (QTableWidgetItem* item = previewTable_->item(r, c))
                    item->setBackground(tint);
            }
        }
    }
    previewTable_->resizeColumnsToContents();
    previewTable_->setColumnWidth(
        ActionColumn, std::max(previewTable_->columnWidth(ActionColumn), 90));
    previewTable_->setColumnWidth(
        ProblemsColumn, std::min(previewTable_->columnWidth(ProblemsColumn), 340));
    showSummary();
}

void SpreadsheetImportDialog::actionChosen(int row, int index)
{
    const int problemsBefore = plan_->summary().problems;
    plan_->choose(static_cast<std::size_t>(row), Choices[static_cast<std::size_t>(index)]);
    if (plan_->summary().problems != problemsBefore) {
        // A row gained or lost a problem (no number left to add under): the whole preview is
        // shown again once the box that was changed has finished its signal.
        QMetaObject::invokeMethod(
            this, &SpreadsheetImportDialog::showPreview, Qt::QueuedConnection);
        return;
    }
    // Adding may move other added rows to other numbers: every cell is shown again.
    for (int r = 0; r < static_cast<int>(plan_->rows().size()); ++r) {
        const QStringList cells = plan_->cells(static_cast<std::size_t>(r));
        for (int c = 0; c < cells.size(); ++c)
            previewTable_->item(r, FirstFieldColumn + c)->setText(cells[c]);
    }
    showSummary();
}

void SpreadsheetImportDialog::showSummary()
{
    const ImportSummary s = plan_->summary();
    const bool roster = kind() == ImportKind::Roster;
    summaryLabel_->setText(QStringLiteral("%1 to store (%2 replacing), %3 left out for their "
                                          "problems, %4 of %5 skipped.")
                               .arg(roster ? counted(s.stored, "player", "players")
                                           : counted(s.stored, "game", "games"))
                               .arg(s.replaced)
                               .arg(counted(s.problems, "row", "rows"))
                               .arg(s.skipped)
                               .arg(counted(s.conflicts, "conflict", "conflicts")));
    okButton_->setEnabled(missingColumns(kind(), mapping_).isEmpty() && s.stored > 0);
}

void SpreadsheetImportDialog::okClicked()
{
    const ImportSummary s = plan_->summary();
    if (s.stored == 0 || !missingColumns(kind(), mapping_).isEmpty())
        return;
    if (s.problems > 0) {
        const Message question{QStringLiteral("Rows With Problems"),
            QStringLiteral("%1 rows have problems and will be left out.  Import the other %2?")
                .arg(s.problems)
                .arg(s.stored),
            Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::No};
        if (host_.prompter().ask(this, question) != Message::Answer::Yes)
            return;
    }
    bool done = false;
    {
        BusyPointer busy;
        // One undo step, named for what came in.
        done = UndoHistory::recorded(
            host_, [&] { return plan_->write(host_.state()); },
            [&] {
                return kind() == ImportKind::Roster ? QStringLiteral("Roster Import")
                                                    : QStringLiteral("Games Import");
            });
    }
    if (!done)
        return; // a write error the user cancelled: nothing changed, the preview stays
    written_ = s;
    accept();
}

} // namespace scorvane
