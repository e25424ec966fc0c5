#pragma once

#include "core/reports/ComputeChoices.h"
#include "core/reports/ExplicitGameList.h"
#include "core/state/ReportSelection.h"
#include "core/text/Formatting.h"

#include <QDialog>
#include <QList>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace scorvane {

class CareerChoiceBox;
class ErrorReporter;
class Prompter;

// Where the Compute window looks: the data folder, the teams of the report (the explicit list
// is offered for one team only) and the names of the game types; and how OK stores a changed
// explicit list (false when the store was cancelled; without it nothing is stored).
struct ComputeContext
{
    QString dataFolder; // ends with a separator
    QList<int> teams;
    GameTypeNameTable gameTypeNames;
    std::function<bool(const std::vector<bool>& selected)> storeList;
};

// Chooses the games a report counts: the range, the game types, the explicit list of the team's
// games and, for player statistics over several teams, one player by number or name. It computes
// nothing; the caller computes again with what OK returns.
class ComputeDialog : public QDialog
{
    Q_OBJECT

public:
    ComputeDialog(const ReportSelection& selection, const ComputeContext& context,
        Prompter& prompter, ErrorReporter& reporter, QWidget* parent);

    // The selection as OK leaves it; empty after Cancel, when nothing has changed anywhere. OK
    // stores the explicit list in the team's files when the list was changed; when that store is
    // cancelled the window stays open with the choices as they were.
    static std::optional<ReportSelection> choose(QWidget* parent, const ReportSelection& selection,
        const ComputeContext& context, Prompter& prompter, ErrorReporter& reporter);

    const ReportSelection& selection() const { return selection_; }

private:
    void buildUi();
    void load();
    ComputeForm collect() const;
    void showForm(const ComputeForm& form);
    void fillGameList();
    bool storeExplicitList();
    void showCount();

    void okClicked();
    void allClicked();
    void clearTypesClicked();
    void clearGameListClicked();
    void gameListSelectionChanged();

    ReportSelection selection_;
    ComputeContext context_;
    Prompter& prompter_;
    ErrorReporter& reporter_;
    bool playerBoxes_ = false;
    bool listChanged_ = false;
    bool clearing_ = false; // deselections made by the program, not by the user

    QLineEdit* lowGameEdit_ = nullptr;
    QLineEdit* highGameEdit_ = nullptr;
    std::array<QCheckBox*, 7> gameTypeChecks_{};
    QPushButton* clearTypesButton_ = nullptr;
    QListWidget* gameList_ = nullptr;
    QCheckBox* specialSelectCheck_ = nullptr;
    QLabel* gamesSelectedLabel_ = nullptr;
    QPushButton* clearGameListButton_ = nullptr;
    QLabel* playerLabel_ = nullptr;
    QLineEdit* playerNumberEdit_ = nullptr;
    QLineEdit* playerNameEdit_ = nullptr;
    QPushButton* allButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    CareerChoiceBox* careerBox_ = nullptr; // player statistics with archived seasons only
};

} // namespace scorvane
