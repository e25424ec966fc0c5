#pragma once

#include "core/reports/LeagueRules.h"
#include "core/store/TeamList.h"

#include <QDialog>
#include <QList>

#include <optional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace scorvane {

class Prompter;

// Edits the league table's rules: a preset to start from, the name, points for a win, a tie and
// a loss, the goal difference cap, the ordered tie-breakers and the points deductions. OK checks
// the rules and saves them to their file; a failed save keeps the dialog open with nothing lost.
class LeagueRulesDialog : public QDialog
{
    Q_OBJECT

public:
    LeagueRulesDialog(const LeagueRules& rules, const TeamNameTable& teamNames,
        const QList<int>& teams, QString rulesPath, Prompter& prompter, QWidget* parent);

    // The rules as saved; empty when the user cancelled.
    static std::optional<LeagueRules> edit(QWidget* parent, const LeagueRules& rules,
        const TeamNameTable& teamNames, const QList<int>& teams, const QString& rulesPath,
        Prompter& prompter);

    void reject() override;

private:
    void load(const LeagueRules& rules);
    // The rules as the fields hold them; empty when a number is not one (told to the user unless
    // `quiet`).
    std::optional<LeagueRules> collect(bool quiet);
    void presetChosen(int index);
    void addRule();
    void removeRule();
    void moveRule(int step);
    void addDeduction();
    void removeDeduction();
    void showDeductions();
    void okClicked();
    QString teamName(int slot) const;

    Prompter& prompter_;
    TeamNameTable teamNames_;
    QString rulesPath_;
    LeagueRules shown_; // what the dialog opened with, to tell whether anything changed
    std::vector<PointsDeduction> deductions_;
    LeagueRules saved_;

    QComboBox* presetCombo_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* winEdit_ = nullptr;
    QLineEdit* tieEdit_ = nullptr;
    QLineEdit* lossEdit_ = nullptr;
    QLineEdit* capEdit_ = nullptr;
    QListWidget* rulesList_ = nullptr;
    QListWidget* otherRulesList_ = nullptr;
    QListWidget* deductionsList_ = nullptr;
    QComboBox* deductionTeamCombo_ = nullptr;
    QLineEdit* deductionPointsEdit_ = nullptr;
    QLineEdit* deductionReasonEdit_ = nullptr;
};

} // namespace scorvane
