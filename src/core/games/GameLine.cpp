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
    if (game.goalsFor > game.goalsAgainst)
        result = QStringLiteral("WON ");
    else if (game.goalsFor < game.goalsAgainst)
        result = QStringLiteral("lost");
    else
        result = QStringLiteral("tie ");
    return fitWidth(QString::number(game.gameNumber), 3) + u' '
        + fitWidth(dateWithSlashes(game.gameDate), 8) + QStringLiteral("  ")
        + fitWidth(gameTypeName(game.gameType, gameTypeNames), 10) + QStringLiteral("  ")
        + fitWidth(game.opponent, 25) + padText(numberText(game.goalsFor), 4, Align::Right) + u'-'
        + padText(numberText(game.goalsAgainst), 4, Align::Left) + result;
}

} // namespace scorvane
