#include "gui/reports/ComputeDialog.h"

#include "core/store/ErrorReporter.h"
#include "core/text/Blanks.h"
#include "core/text/Paths.h"
#include "gui/app/Prompter.h"
#include "gui/app/TextBoxes.h"
#include "gui/app/WindowHelpers.h"
#include "gui/seasons/CareerChoiceBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace scorvane {

namespace {

QString gamesFilePath(const ComputeContext& context)
{
    return resolveInFolder(context.dataFolder,
        QStringLiteral("KVGS") + QString::number(context.teams.front()) + QStringLiteral(".DAT"));
}

} // namespace

ComputeDialog::ComputeDialog(const ReportSelection& selection, const ComputeContext& context,
    Prompter& prompter, ErrorReporter& reporter, QWidget* parent)
    : QDialog(parent)
    , selection_(selection)
    , context_(context)
    , prompter_(prompter)
    , reporter_(reporter)
    , playerBoxes_(offersPlayerChoice(selection.kind, static_cast<int>(context.teams.size())))
{
    setObjectName(QStringLiteral("frmCompute"));
    setWindowTitle(QStringLiteral("Compute"));
    buildUi();
    load();
}

std::optional<ReportSelection> ComputeDialog::choose(QWidget* parent,
    const ReportSelection& selection, const ComputeContext& context, Prompter& prompter,
    ErrorReporter& reporter)
{
    ComputeDialog dialog(selection, context, prompter, reporter, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selection();
}

void ComputeDialog::buildUi()
{
    auto* range = named(new QGroupBox(QStringLiteral("Game Range"), this), "Frame3D1");
    auto* fromLabel = makeLabel(range, "lblFromGame", QStringLiteral("From Game "));
    lowGameEdit_ = makeTextBox(range, "txtLowGame", 3);
    auto* toLabel = makeLabel(range, "lblToGame", QStringLiteral("To"));
    highGameEdit_ = makeTextBox(range, "txtHighGame", 3);
    fromLabel->setBuddy(lowGameEdit_);
    toLabel->setBuddy(highGameEdit_);
    for (QLineEdit* box : {lowGameEdit_, highGameEdit_}) {
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        TextBoxes::selectAllOnFocus(box);
        TextBoxes::digitsOnly(box);
    }
    auto* rangeLayout = new QHBoxLayout(range);
    rangeLayout->addWidget(fromLabel);
    rangeLayout->addWidget(lowGameEdit_);
    rangeLayout->addWidget(toLabel);
    rangeLayout->addWidget(highGameEdit_);
    rangeLayout->addStretch();

    auto* types = named(new QGroupBox(QStringLiteral("Game Types"), this), "Frame3d2");
    auto* typesLayout = new QVBoxLayout(types);
    for (std::size_t t = 0; t < gameTypeChecks_.size(); ++t) {
        gameTypeChecks_[t] = named(new QCheckBox(types), "chkGameType");
        gameTypeChecks_[t]->setProperty("index", static_cast<int>(t));
        typesLayout->addWidget(gameTypeChecks_[t]);
    }
    clearTypesButton_ = makeButton(types, "cmdClearGT", QStringLiteral("Clear"));
    clearTypesButton_->setAccessibleName(QStringLiteral("Clear game types"));
    typesLayout->addWidget(clearTypesButton_);
    typesLayout->addStretch();

    auto* special = named(new QGroupBox(this), "frmSpecialSelect");
    auto* heading = makeLabel(
        special, "Label1", QStringLiteral("Game    Date      Opponents                Score"));
    gameList_ = named(new QListWidget(special), "lstSpecialSelect");
    gameList_->setSelectionMode(QAbstractItemView::MultiSelection);
    const QFont fixed = fixedPitchFont();
    heading->setFont(fixed);
    heading->setBuddy(gameList_);
    gameList_->setAccessibleName(QStringLiteral("Games"));
    setFixedPitchList(gameList_, fixed, u'0', 50, 12, QSize(28, 8));
    specialSelectCheck_
        = named(new QCheckBox(QStringLiteral("Use ONLY Selected Games (Special Select)"), special),
            "chkSpecialSelect");
    auto* selectedLabel = makeLabel(special, "Label3", QStringLiteral("Games Selected"));
    gamesSelectedLabel_ = makeLabel(special, "lblGamesSelected");
    gamesSelectedLabel_->setFont(fixed);
    clearGameListButton_ = makeButton(special, "cmdClearGameList", QStringLiteral("Clear"));
    clearGameListButton_->setAccessibleName(QStringLiteral("Clear selected games"));
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(specialSelectCheck_);
    countRow->addStretch();
    countRow->addWidget(selectedLabel);
    countRow->addWidget(gamesSelectedLabel_);
    countRow->addWidget(clearGameListButton_);
    auto* specialLayout = new QVBoxLayout(special);
    specialLayout->addWidget(heading);
    specialLayout->addWidget(gameList_);
    specialLayout->addLayout(countRow);

    playerLabel_ = makeLabel(this, "lblPlayer", QStringLiteral("Player Number or Name:"));
    playerNumberEdit_ = makeTextBox(this, "txtPlayerNumber", 2);
    playerNumberEdit_->setMaximumWidth(
        playerNumberEdit_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    playerNameEdit_ = makeTextBox(this, "txtPlayerName", 14);
    playerLabel_->setBuddy(playerNumberEdit_);
    playerNumberEdit_->setAccessibleName(QStringLiteral("Player Number"));
    playerNameEdit_->setAccessibleName(QStringLiteral("Player Name"));
    TextBoxes::selectAllOnFocus(playerNumberEdit_);
    TextBoxes::digitsOnly(playerNumberEdit_);
    TextBoxes::selectAllOnFocus(playerNameEdit_);
    auto* playerRow = new QHBoxLayout;
    playerRow->addWidget(playerLabel_);
    playerRow->addWidget(playerNumberEdit_);
    playerRow->addWidget(playerNameEdit_);
    playerRow->addStretch();

    allButton_ = makeButton(this, "cmdAll", QStringLiteral("&All"));
    okButton_ = makeButton(this, "cmdCompute", QStringLiteral("&OK"));
    okButton_->setDefault(true);
    cancelButton_ = makeButton(this, "cmdCancel", QStringLiteral("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(allButton_);
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto* left = new QVBoxLayout;
    left->addWidget(range);
    left->addWidget(types);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(special, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(playerRow);
    if (CareerChoiceBox::offered(
            selection_.kind == ReportKind::PlayerStatistics, context_.dataFolder)) {
        careerBox_ = new CareerChoiceBox(listSeasons(context_.dataFolder), this);
        layout->addWidget(careerBox_);
    }
    layout->addLayout(buttons);

    connect(okButton_, &QPushButton::clicked, this, &ComputeDialog::okClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &ComputeDialog::reject);
    connect(allButton_, &QPushButton::clicked, this, &ComputeDialog::allClicked);
    connect(clearTypesButton_, &QPushButton::clicked, this, &ComputeDialog::clearTypesClicked);
    connect(
        clearGameListButton_, &QPushButton::clicked, this, &ComputeDialog::clearGameListClicked);
    connect(gameList_, &QListWidget::itemSelectionChanged, this,
        &ComputeDialog::gameListSelectionChanged);
}

void ComputeDialog::load()
{
    for (int t = 1; t <= 7; ++t)
        gameTypeChecks_[static_cast<std::size_t>(t - 1)]->setText(
            rightTrimBlanks(context_.gameTypeNames[t]));
    playerLabel_->setVisible(playerBoxes_);
    playerNumberEdit_->setVisible(playerBoxes_);
    playerNameEdit_->setVisible(playerBoxes_);
    showForm(computeFormOf(selection_, playerBoxes_));
    fillGameList();
    specialSelectCheck_->setChecked(selection_.onlySelectedGames);
    listChanged_ = false;
    if (careerBox_)
        careerBox_->load(selection_.career, selection_.careerSeasons);
}

void ComputeDialog::showForm(const ComputeForm& form)
{
    lowGameEdit_->setText(form.fromText);
    highGameEdit_->setText(form.toText);
    for (std::size_t t = 0; t < gameTypeChecks_.size(); ++t)
        gameTypeChecks_[t]->setChecked(form.typeTicked[t]);
    specialSelectCheck_->setChecked(form.onlySelectedGames);
    playerNumberEdit_->setText(form.playerNumberText);
    playerNameEdit_->setText(form.playerNameText);
}

ComputeForm ComputeDialog::collect() const
{
    ComputeForm form;
    form.fromText = lowGameEdit_->text();
    form.toText = highGameEdit_->text();
    for (std::size_t t = 0; t < gameTypeChecks_.size(); ++t)
        form.typeTicked[t] = gameTypeChecks_[t]->isChecked();
    form.onlySelectedGames = specialSelectCheck_->isChecked();
    form.playerNumberText = playerNumberEdit_->text();
    form.playerNameText = playerNameEdit_->text();
    return form;
}

void ComputeDialog::fillGameList()
{
    if (context_.teams.size() != 1) {
        clearGameListButton_->setEnabled(false);
        return;
    }
    QString error;
    const ExplicitGameList games = readExplicitList(gamesFilePath(context_), &error);
    if (!error.isEmpty())
        reporter_.reportFileError(FileError{FileError::Other, error, gamesFilePath(context_), {}});
    clearing_ = true;
    gameList_->addItems(games.lines);
    for (int entry = 0; entry < gameList_->count(); ++entry) {
        if (games.selected[static_cast<std::size_t>(entry)])
            gameList_->item(entry)->setSelected(true);
    }
    if (gameList_->count() > 0)
        gameList_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    clearing_ = false;
    showCount();
}

void ComputeDialog::showCount()
{
    gamesSelectedLabel_->setText(
        gamesSelectedText(static_cast<int>(gameList_->selectedItems().size())));
}

void ComputeDialog::gameListSelectionChanged()
{
    if (clearing_)
        return;
    listChanged_ = true;
    specialSelectCheck_->setChecked(!gameList_->selectedItems().isEmpty());
    showCount();
}

void ComputeDialog::clearGameListClicked()
{
    specialSelectCheck_->setChecked(false);
    listChanged_ = true;
    gamesSelectedLabel_->setText(gamesSelectedText(0));
    clearing_ = true;
    gameList_->clearSelection();
    clearing_ = false;
}

void ComputeDialog::clearTypesClicked()
{
    for (QCheckBox* check : gameTypeChecks_)
        check->setChecked(false);
}

void ComputeDialog::allClicked()
{
    showForm(allGamesForm());
}

void ComputeDialog::okClicked()
{
    const ComputeOutcome outcome = applyComputeForm(selection_, collect());
    if (outcome.problem) {
        prompter_.tell(this, outcome.problem->title, outcome.problem->text);
        QLineEdit* box = outcome.problem->atFromGame ? lowGameEdit_ : highGameEdit_;
        box->setFocus();
        box->selectAll();
        return;
    }
    if (listChanged_ && !storeExplicitList())
        return;
    selection_ = outcome.selection;
    if (careerBox_) {
        selection_.career = careerBox_->career();
        selection_.careerSeasons = careerBox_->tickedSeasons();
    }
    accept();
}

bool ComputeDialog::storeExplicitList()
{
    if (!context_.storeList)
        return true;
    std::vector<bool> selected(static_cast<std::size_t>(gameList_->count()), false);
    for (int entry = 0; entry < gameList_->count(); ++entry)
        selected[static_cast<std::size_t>(entry)] = gameList_->item(entry)->isSelected();
    if (!context_.storeList(selected))
        return false;
    listChanged_ = false;
    return true;
}

} // namespace scorvane
