#include "gui/reports/LeagueRulesDialog.h"

#include "core/reports/LeagueRulesFile.h"
#include "core/text/Blanks.h"
#include "gui/app/OkCancelRow.h"
#include "gui/app/Prompter.h"
#include "gui/app/TextBoxes.h"
#include "gui/app/WindowHelpers.h"

#include <QComboBox>
#include <QFormLayout>
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

constexpr int RuleRole = Qt::UserRole;

QLineEdit* pointsBox(QWidget* parent, const char* name)
{
    QLineEdit* box = makeTextBox(parent, name, 3);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    TextBoxes::selectAllOnFocus(box);
    return box;
}

QLabel* labelFor(QWidget* parent, const char* name, const QString& text, QWidget* buddy)
{
    QLabel* label = makeLabel(parent, name, text);
    label->setBuddy(buddy);
    return label;
}

void addRuleItem(QListWidget* list, TieBreaker rule)
{
    auto* item = new QListWidgetItem(tieBreakerName(rule), list);
    item->setData(RuleRole, static_cast<int>(rule));
}

// A whole number as typed, blanks around it allowed; empty for anything else.
std::optional<int> typedNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

LeagueRulesDialog::LeagueRulesDialog(const LeagueRules& rules, const TeamNameTable& teamNames,
    const QList<int>& teams, QString rulesPath, Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , prompter_(prompter)
    , teamNames_(teamNames)
    , rulesPath_(std::move(rulesPath))
    , shown_(rules)
{
    setObjectName(QStringLiteral("frmLeagueRules"));
    setWindowTitle(QStringLiteral("League Rules"));

    presetCombo_ = named(new QComboBox(this), "cboPreset");
    presetCombo_->addItem(QStringLiteral("(as saved)"));
    for (const LeagueRules& preset : leaguePresets())
        presetCombo_->addItem(preset.name);
    nameEdit_ = makeTextBox(this, "txtRulesName", 40);
    TextBoxes::selectAllOnFocus(nameEdit_);
    winEdit_ = pointsBox(this, "txtWinPoints");
    tieEdit_ = pointsBox(this, "txtTiePoints");
    lossEdit_ = pointsBox(this, "txtLossPoints");
    capEdit_ = pointsBox(this, "txtGoalCap");

    auto* form = new QFormLayout;
    form->addRow(
        labelFor(this, "lblPreset", QStringLiteral("&Start from:"), presetCombo_), presetCombo_);
    form->addRow(
        labelFor(this, "lblRulesName", QStringLiteral("Rule set &name:"), nameEdit_), nameEdit_);
    auto* pointsRow = new QHBoxLayout;
    pointsRow->addWidget(labelFor(this, "lblWin", QStringLiteral("&Win"), winEdit_));
    pointsRow->addWidget(winEdit_);
    pointsRow->addWidget(labelFor(this, "lblTie", QStringLiteral("&Tie"), tieEdit_));
    pointsRow->addWidget(tieEdit_);
    pointsRow->addWidget(labelFor(this, "lblLoss", QStringLiteral("&Loss"), lossEdit_));
    pointsRow->addWidget(lossEdit_);
    pointsRow->addStretch();
    form->addRow(new QLabel(QStringLiteral("Points for a:"), this), pointsRow);
    form->addRow(labelFor(this, "lblGoalCap",
                     QStringLiteral("Goal difference &cap a game (0 = none):"), capEdit_),
        capEdit_);

    rulesList_ = named(new QListWidget(this), "lstRules");
    otherRulesList_ = named(new QListWidget(this), "lstOtherRules");
    QPushButton* addRuleButton = makeButton(this, "cmdAddRule", QStringLiteral("<< &Add"));
    QPushButton* removeRuleButton = makeButton(this, "cmdRemoveRule", QStringLiteral("&Remove >>"));
    QPushButton* upButton = makeButton(this, "cmdMoveUp", QStringLiteral("Move &Up"));
    QPushButton* downButton = makeButton(this, "cmdMoveDown", QStringLiteral("Move &Down"));
    auto* ruleButtons = new QVBoxLayout;
    ruleButtons->addStretch();
    for (QPushButton* button : {addRuleButton, removeRuleButton, upButton, downButton})
        ruleButtons->addWidget(button);
    ruleButtons->addStretch();
    auto* rulesGrid = new QGridLayout;
    rulesGrid->addWidget(
        labelFor(this, "lblRules", QStringLiteral("Ranked &by, in order:"), rulesList_), 0, 0);
    rulesGrid->addWidget(
        labelFor(this, "lblOtherRules", QStringLiteral("&Other rules:"), otherRulesList_), 0, 2);
    rulesGrid->addWidget(rulesList_, 1, 0);
    rulesGrid->addLayout(ruleButtons, 1, 1);
    rulesGrid->addWidget(otherRulesList_, 1, 2);

    deductionsList_ = named(new QListWidget(this), "lstDeductions");
    deductionsList_->setMaximumHeight(deductionsList_->fontMetrics().height() * 5);
    deductionTeamCombo_ = named(new QComboBox(this), "cboDeductionTeam");
    for (int slot : teams)
        deductionTeamCombo_->addItem(teamName(slot), slot);
    deductionPointsEdit_ = pointsBox(this, "txtDeductionPoints");
    deductionReasonEdit_ = makeTextBox(this, "txtDeductionReason", 60);
    TextBoxes::selectAllOnFocus(deductionReasonEdit_);
    QPushButton* addDeductionButton
        = makeButton(this, "cmdAddDeduction", QStringLiteral("Add D&eduction"));
    QPushButton* removeDeductionButton
        = makeButton(this, "cmdRemoveDeduction", QStringLiteral("Remove Deduct&ion"));
    auto* deductionBox = new QGroupBox(QStringLiteral("Points deductions"), this);
    auto* deductionGrid = new QGridLayout(deductionBox);
    deductionGrid->addWidget(deductionsList_, 0, 0, 1, 4);
    deductionGrid->addWidget(
        labelFor(this, "lblDeductionTeam", QStringLiteral("Tea&m:"), deductionTeamCombo_), 1, 0);
    deductionGrid->addWidget(deductionTeamCombo_, 1, 1);
    deductionGrid->addWidget(
        labelFor(this, "lblDeductionPoints", QStringLiteral("&Points off:"), deductionPointsEdit_),
        1, 2);
    deductionGrid->addWidget(deductionPointsEdit_, 1, 3);
    deductionGrid->addWidget(
        labelFor(this, "lblDeductionReason", QStringLiteral("Rea&son:"), deductionReasonEdit_), 2,
        0);
    deductionGrid->addWidget(deductionReasonEdit_, 2, 1, 1, 3);
    auto* deductionButtons = new QHBoxLayout;
    deductionButtons->addWidget(addDeductionButton);
    deductionButtons->addWidget(removeDeductionButton);
    deductionButtons->addStretch();
    deductionGrid->addLayout(deductionButtons, 3, 0, 1, 4);

    const OkCancelRow buttons = makeOkCancelRow(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(rulesGrid);
    layout->addWidget(deductionBox);
    layout->addLayout(buttons.layout);

    load(rules);

    connect(presetCombo_, &QComboBox::activated, this, &LeagueRulesDialog::presetChosen);
    connect(addRuleButton, &QPushButton::clicked, this, &LeagueRulesDialog::addRule);
    connect(removeRuleButton, &QPushButton::clicked, this, &LeagueRulesDialog::removeRule);
    connect(upButton, &QPushButton::clicked, this, [this] { moveRule(-1); });
    connect(downButton, &QPushButton::clicked, this, [this] { moveRule(1); });
    connect(addDeductionButton, &QPushButton::clicked, this, &LeagueRulesDialog::addDeduction);
    connect(
        removeDeductionButton, &QPushButton::clicked, this, &LeagueRulesDialog::removeDeduction);
    connect(buttons.ok, &QPushButton::clicked, this, &LeagueRulesDialog::okClicked);
    connect(buttons.cancel, &QPushButton::clicked, this, &LeagueRulesDialog::reject);
}

std::optional<LeagueRules> LeagueRulesDialog::edit(QWidget* parent, const LeagueRules& rules,
    const TeamNameTable& teamNames, const QList<int>& teams, const QString& rulesPath,
    Prompter& prompter)
{
    LeagueRulesDialog dialog(rules, teamNames, teams, rulesPath, prompter, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.saved_;
}

QString LeagueRulesDialog::teamName(int slot) const
{
    const QString name = slot >= 1 && slot <= 100 ? trimBlanks(teamNames_[slot]) : QString();
    return name.isEmpty() ? QStringLiteral("Team %1").arg(slot) : name;
}

void LeagueRulesDialog::load(const LeagueRules& rules)
{
    nameEdit_->setText(rules.name);
    winEdit_->setText(QString::number(rules.pointsForWin));
    tieEdit_->setText(QString::number(rules.pointsForTie));
    lossEdit_->setText(QString::number(rules.pointsForLoss));
    capEdit_->setText(QString::number(rules.goalDifferenceCap));
    rulesList_->clear();
    otherRulesList_->clear();
    for (TieBreaker rule : rules.tieBreakers)
        addRuleItem(rulesList_, rule);
    for (TieBreaker rule : allTieBreakers()) {
        if (std::find(rules.tieBreakers.begin(), rules.tieBreakers.end(), rule)
            == rules.tieBreakers.end())
            addRuleItem(otherRulesList_, rule);
    }
    deductions_ = rules.deductions;
    showDeductions();
}

void LeagueRulesDialog::showDeductions()
{
    deductionsList_->clear();
    for (const PointsDeduction& d : deductions_)
        deductionsList_->addItem(
            QStringLiteral("%1: %2 off (%3)").arg(teamName(d.slot)).arg(d.points).arg(d.reason));
}

void LeagueRulesDialog::presetChosen(int index)
{
    if (index < 1)
        return;
    LeagueRules preset = leaguePresets()[static_cast<std::size_t>(index - 1)];
    preset.deductions = deductions_; // a preset changes the rules, not the deductions
    load(preset);
}

void LeagueRulesDialog::addRule()
{
    QListWidgetItem* item = otherRulesList_->currentItem();
    if (item == nullptr)
        return;
    rulesList_->addItem(otherRulesList_->takeItem(otherRulesList_->row(item)));
    rulesList_->setCurrentRow(rulesList_->count() - 1);
}

void LeagueRulesDialog::removeRule()
{
    QListWidgetItem* item = rulesList_->currentItem();
    if (item == nullptr)
        return;
    otherRulesList_->addItem(rulesList_->takeItem(rulesList_->row(item)));
}

void LeagueRulesDialog::moveRule(int step)
{
    const int row = rulesList_->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= rulesList_->count())
        return;
    rulesList_->insertItem(target, rulesList_->takeItem(row));
    rulesList_->setCurrentRow(target);
}

void LeagueRulesDialog::addDeduction()
{
    const auto points = typedNumber(deductionPointsEdit_->text());
    if (!points || *points < 1 || *points > 999) {
        prompter_.tell(this, QStringLiteral("Deduction Invalid"),
            QStringLiteral("Points deducted must be 1 to 999"));
        deductionPointsEdit_->setFocus();
        return;
    }
    const QString reason = deductionReasonEdit_->text().trimmed();
    if (reason.isEmpty()) {
        prompter_.tell(this, QStringLiteral("Deduction Invalid"),
            QStringLiteral("Every deduction needs a reason"));
        deductionReasonEdit_->setFocus();
        return;
    }
    if (deductionTeamCombo_->currentIndex() < 0)
        return;
    deductions_.push_back(
        PointsDeduction{deductionTeamCombo_->currentData().toInt(), *points, reason});
    showDeductions();
    deductionPointsEdit_->clear();
    deductionReasonEdit_->clear();
}

void LeagueRulesDialog::removeDeduction()
{
    const int row = deductionsList_->currentRow();
    if (row < 0)
        return;
    deductions_.erase(deductions_.begin() + row);
    showDeductions();
}

std::optional<LeagueRules> LeagueRulesDialog::collect(bool quiet)
{
    LeagueRules rules;
    rules.name = nameEdit_->text().trimmed();
    const struct
    {
        QLineEdit* box;
        int* target;
    } numbers[] = {{winEdit_, &rules.pointsForWin}, {tieEdit_, &rules.pointsForTie},
        {lossEdit_, &rules.pointsForLoss}, {capEdit_, &rules.goalDifferenceCap}};
    for (const auto& n : numbers) {
        const auto value = typedNumber(n.box->text());
        if (!value && quiet)
            return std::nullopt;
        if (!value) {
            prompter_.tell(this,
                n.box == capEdit_ ? QStringLiteral("Goal Difference Cap Invalid")
                                  : QStringLiteral("Points Invalid"),
                QStringLiteral("Must be a whole number"));
            n.box->setFocus();
            return std::nullopt;
        }
        *n.target = *value;
    }
    rules.tieBreakers.clear();
    for (int row = 0; row < rulesList_->count(); ++row)
        rules.tieBreakers.push_back(
            static_cast<TieBreaker>(rulesList_->item(row)->data(RuleRole).toInt()));
    rules.deductions = deductions_;
    return rules;
}

void LeagueRulesDialog::okClicked()
{
    const std::optional<LeagueRules> rules = collect(false);
    if (!rules)
        return;
    if (const auto problem = rulesProblem(*rules)) {
        prompter_.tell(this, problem->title, problem->text);
        if (problem->title.startsWith(u'P'))
            winEdit_->setFocus();
        else if (problem->title.startsWith(u'G'))
            capEdit_->setFocus();
        else if (problem->title.startsWith(u'R') && rules->name.isEmpty())
            nameEdit_->setFocus();
        else
            rulesList_->setFocus();
        return;
    }
    const QString error = writeLeagueRules(rulesPath_, *rules);
    if (!error.isEmpty()) {
        prompter_.tell(this, QStringLiteral("League Rules Not Saved"),
            QStringLiteral("%1 could not be written: %2").arg(rulesPath_, error),
            Message::Icon::Warning);
        return;
    }
    saved_ = *rules;
    accept();
}

void LeagueRulesDialog::reject()
{
    // Escape, Cancel and the close box ask before edits are dropped.
    const std::optional<LeagueRules> rules = collect(true);
    if ((!rules || *rules != shown_)
        && !reallyCancel(prompter_, this, QStringLiteral("League Rules")))
        return;
    QDialog::reject();
}

} // namespace scorvane
