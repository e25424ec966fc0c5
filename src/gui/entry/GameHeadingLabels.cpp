#include "gui/entry/GameHeadingLabels.h"

#include "core/text/Blanks.h"
#include "gui/app/WindowHelpers.h"

#include <QGridLayout>
#include <QLabel>

namespace scorvane {

GameHeadingLabels::GameHeadingLabels(QWidget* window, QGridLayout* grid)
    : gameNumber_(makeLabel(window, "lblGameNumber"))
    , gameDate_(makeLabel(window, "lblGameDate"))
    , gameLocation_(makeLabel(window, "lblGameLocation"))
    , homeName_(makeLabel(window, "lblHomeName"))
    , homeScore_(makeLabel(window, "lblHomeScore"))
    , visitorName_(makeLabel(window, "lblVisitorName"))
    , visitorScore_(makeLabel(window, "lblVisitorScore"))
{
    for (QLabel* side : {homeName_, homeScore_, visitorName_, visitorScore_}) {
        QFont bold = side->font();
        bold.setBold(true);
        side->setFont(bold);
    }
    grid->addWidget(homeName_, 0, 0);
    grid->addWidget(homeScore_, 0, 1);
    grid->addWidget(visitorName_, 1, 0);
    grid->addWidget(visitorScore_, 1, 1);
    grid->addWidget(gameNumber_, 0, 3);
    grid->addWidget(makeLabel(window, "Label5", QStringLiteral("Date:")), 0, 4);
    grid->addWidget(gameDate_, 0, 5);
    grid->addWidget(makeLabel(window, "Label6", QStringLiteral("Location:")), 1, 4);
    grid->addWidget(gameLocation_, 1, 5);
    grid->setHorizontalSpacing(12);
    grid->setColumnMinimumWidth(2, 24);
    grid->setColumnStretch(5, 1);
}

void GameHeadingLabels::show(const GameHeading& heading)
{
    gameNumber_->setText(heading.gameNumberText);
    gameDate_->setText(heading.dateText);
    gameLocation_->setText(rightTrimBlanks(heading.locationText));
    homeName_->setText(rightTrimBlanks(heading.homeName));
    homeScore_->setText(heading.homeScore);
    visitorName_->setText(rightTrimBlanks(heading.visitorName));
    visitorScore_->setText(heading.visitorScore);
}

} // namespace scorvane
