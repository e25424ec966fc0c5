#include "core/games/GameLine.h"

#include "core/store/GameRecord.h"
#include "core/text/Blanks.h"

namespace scorvane {

QString gameTypeName(char gameType, const GameTypeNameTable& gameTypeNames)
{
    if (gameType < '1' || gameType > '7')
        return {};
    return gameTypeNames[gameType - '0'];
}

QString gameLine(const GameRecord& game, const GameTypeNameTable& gameTypeNames)
{
    QString result;
    if (game.GoalsFor > game.GoalsAgainst)
        result = QStringLiteral("WON ");
    else if (game.GoalsFor < game.GoalsAgainst)
        result = QStringLiteral("lost");
    else
        result = QStringLiteral("tie ");
    return fitWidth(QString::number(game.GameNumber), 3) + u' '
        + fitWidth(dateWithSlashes(game.GameDate), 8) + QStringLiteral("  ")
        + fitWidth(gameTypeName(game.GameType, gameTypeNames), 10) + QStringLiteral("  ")
        + fitWidth(game.Opponent, 25) + padText(numberText(game.GoalsFor), 4, Align::Right) + u'-'
        + padText(numberText(game.GoalsAgainst), 4, Align::Left) + result;
}

} // namespace scorvane
