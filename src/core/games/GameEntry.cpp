#include "core/games/GameEntry.h"

#include "core/text/Blanks.h"
#include "core/text/Formatting.h"

namespace scorvane {

GameDateCheck checkGameDate(const QString& typed)
{
    GameDateCheck check;
    QString date = fitWidth(typed, 6);
    if (trimBlanks(date).isEmpty())
        date = QStringLiteral("000000");
    check.stored = date;
    if (date.contains(u' '))
        return check;
    if (date == u"000000") {
        check.valid = true;
        return check;
    }
    for (const QChar c : date) {
        if (c < u'0' || c > u'9')
            return check;
    }
    const QString words = dateInWords(date);
    if (words == u"ERROR")
        return check;
    check.valid = true;
    check.words = words;
    return check;
}

GameFields fieldsOfGame(const GameRecord& game)
{
    GameFields fields;
    fields.date = game.gameDate;
    fields.location = rightTrimBlanks(game.gameLocation);
    fields.opponent = rightTrimBlanks(game.opponent);
    fields.goalsFor = QString::number(game.goalsFor);
    fields.goalsAgainst = QString::number(game.goalsAgainst);
    fields.comment = rightTrimBlanks(game.gameComment);
    fields.typeLine = game.gameType >= '1' && game.gameType <= '7' ? game.gameType - '1' : 0;
    fields.homeTeam = game.homeGame == '1';
    fields.specialSelect = game.specialSelect == '2';
    return fields;
}

GameRecord recordOfFields(const GameFields& fields, qint16 gameNumber)
{
    GameRecord game;
    game.gameNumber = gameNumber;
    game.gameStatus = 'A';
    game.gameDate = checkGameDate(fields.date).stored;
    game.gameLocation = fitWidth(fields.location, 20);
    game.opponent = fitWidth(trimBlanks(fields.opponent), 25);
    game.goalsFor = static_cast<qint16>(numericValue(fields.goalsFor));
    game.goalsAgainst = static_cast<qint16>(numericValue(fields.goalsAgainst));
    game.gameComment = fitWidth(fields.comment, 58);
    game.gameType = static_cast<char>('1' + qBound(0, fields.typeLine, 6));
    game.homeGame = fields.homeTeam ? '1' : '2';
    game.specialSelect = fields.specialSelect ? '2' : '1';
    return game;
}

GameFields importedFields(GameFields fields, const GameRecord& opponentGame, bool withComment)
{
    fields.date = opponentGame.gameDate;
    fields.location = rightTrimBlanks(opponentGame.gameLocation);
    fields.goalsFor = QString::number(opponentGame.goalsAgainst);
    fields.goalsAgainst = QString::number(opponentGame.goalsFor);
    fields.homeTeam = opponentGame.homeGame == '2';
    if (opponentGame.gameType >= '1' && opponentGame.gameType <= '7')
        fields.typeLine = opponentGame.gameType - '1';
    if (withComment)
        fields.comment = rightTrimBlanks(opponentGame.gameComment);
    return fields;
}

int opponentSlot(const TeamNameTable& TeamNames, const QString& opponent)
{
    const QString wanted = rightTrimBlanks(opponent);
    if (wanted.isEmpty())
        return 0;
    for (int slot = 1; slot <= 100; ++slot) {
        if (rightTrimBlanks(TeamNames[slot]) == wanted)
            return slot;
    }
    return 0;
}

QString gameNumberLabel(GameEdit edit, qint16 gameNumber)
{
    QString word = QStringLiteral("Change");
    if (edit == GameEdit::Add)
        word = QStringLiteral("Add");
    else if (edit == GameEdit::Insert)
        word = QStringLiteral("Insert");
    return word + QStringLiteral(" Game") + numberText(gameNumber);
}

} // namespace scorvane
