#pragma once

#include "core/entry/PlayerEntry.h"
#include "gui/app/ChildWindow.h"
#include "gui/entry/CategoryBoxes.h"
#include "gui/entry/FiguresTypingSteps.h"
#include "gui/entry/GameHeadingLabels.h"
#include "gui/entry/MarkerPictures.h"

#include <QList>

#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QUndoCommand;

namespace scorvane {

// The player screen: every player's figures for the current game, one player at a time in the 29
// category boxes, with the team's totals on request. Nothing is written until OK or Game Screen;
// until then Edit > Undo and Redo walk the screen's own steps, one per changed box or played tick.
class PlayerFiguresWindow : public ChildWindow
{
    Q_OBJECT

public:
    bool queryClose() override;
    explicit PlayerFiguresWindow(WindowHost& host);

    void opened() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    static constexpr int BoxCount = EnteredStatisticCount;

    void buildUi();
    void fillTable();
    void setRowMarker(int row, Marker marker);
    void setRowHighlighted(int row, bool highlighted);
    Marker rowMarker(int row) const;

    void cellChanged(int row, int previousRow);
    void runRowSelection(int row, int previousRow);
    void moveSelectionTo(int row);
    void showPlayer();
    void focusFirstBox();
    // Checks the figures being edited and copies them into the player's slot; false (with the
    // message shown and the focus on the box at fault) when a rule fails.
    bool commitCurrent();

    void boxChanged(int k);
    // The shown player's figures as they are on screen now, and a step from the last ones.
    ShownFigures shownFigures() const;
    void recordStep(const QString& name, int joinKey);
    // Brings the step's player on screen (false, with the reason told, when that cannot be).
    bool readyForStep(const QUndoCommand& step, bool undo);
    void showStepFigures(int player, const ShownFigures& figures, int focusBox);
    bool anyChanged() const { return !typingSteps_.atStart(); }
    void boxFocused(int k);
    void playedClicked();
    void teamClicked();
    void enterTotalsView();
    void leaveTotalsView();
    void stepLastBox(int step);
    void showPlayerCount();
    void buttonFocused(QWidget* widget);

    // Checks the player being edited and writes every result when anything changed; false when a
    // rule refused the figures (the screen stays as it is).
    bool saveAll();
    void okClicked();
    void cancelClicked();
    bool confirmDiscard();
    void gameScreenClicked();
    void rosterClicked();
    void leaveTo(WindowKind kind);

    std::optional<PlayerEntry> entry_;

    QList<int> rowPlayers_; // player number of each table row
    int currentPlayer_ = 0;
    int currentRow_ = 0;
    bool currentChanged_ = false;
    FiguresTypingSteps typingSteps_;
    ShownFigures shown_;  // the current player's figures as the last step left them
    int typingVisit_ = 0; // counts arrivals in a box: keys typed in one visit are one step
    bool totalsView_ = false;
    bool playersMode_ = true;
    int lastBox_ = 0;
    bool movingSelection_ = false; // the window itself is moving the table selection

    std::optional<GameHeadingLabels> heading_;
    QTableWidget* playerListTable_ = nullptr;
    QLabel* playerNameLabel_ = nullptr;
    std::optional<CategoryBoxes> boxes_;
    QLabel* msgLabel_ = nullptr;
    QCheckBox* playedCheck_ = nullptr;
    QLabel* playerCountLabel_ = nullptr;
    QPushButton* incrementButton_ = nullptr;
    QPushButton* decrementButton_ = nullptr;
    QPushButton* teamButton_ = nullptr;
    QPushButton* rosterButton_ = nullptr;
    QPushButton* gameScreenButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    // Hidden holders of the four row markers, as the table draws them.
    QLabel* picBallHL = nullptr;
    QLabel* picBallNH = nullptr;
    QLabel* picNoBallHL = nullptr;
    QLabel* picNoBallNH = nullptr;
};

} // namespace scorvane
