#pragma once

#include "core/entry/PlayerEntry.h"

class QGridLayout;
class QLabel;
class QWidget;

namespace scorvane {

// The player screen's heading: the two sides with their scores, the game's number, date and
// location.
class GameHeadingLabels
{
public:
    // Makes the labels as children of `window`, laid out in `grid`.
    GameHeadingLabels(QWidget* window, QGridLayout* grid);

    void show(const GameHeading& heading);

private:
    QLabel* gameNumber_ = nullptr;
    QLabel* gameDate_ = nullptr;
    QLabel* gameLocation_ = nullptr;
    QLabel* homeName_ = nullptr;
    QLabel* homeScore_ = nullptr;
    QLabel* visitorName_ = nullptr;
    QLabel* visitorScore_ = nullptr;
};

} // namespace scorvane
