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
    fields.date = game.GameDate;
    fields.location = rightTrimBlanks(game.GameLocation);
    fields.opponent = rightTrimBlanks(game.Opponent);
    fields.goalsFor = QString::number(game.GoalsFor);
    fields.goalsAgainst = QString::number(game.GoalsAgainst);
    fields.comment = rightTrimBlanks(game.GameComment);
    fields.typeLine = game.GameType >= '1' && game.GameType <= '7' ? game.GameType - '1' : 0;
    fields.homeTeam = game.HomeGame == '1';
    fields.specialSelect = game.SpecialSelect == '2';
    return fields;
}

GameRecord recordOfFields(const GameFields& fields, qint16 gameNumber)
{
    GameRecord game;
    game.GameNumber = gameNumber;
    game.GameStatus = 'A';
    game.GameDate = checkGameDate(fields.date).stored;
    game.GameLocation = fitWidth(fields.location, 20);
    game.Opponent = fitWidth(trimBlanks(fields.opponent), 25);
    game.GoalsFor = static_cast<qint16>(numericValue(fields.goalsFor));
    game.GoalsAgainst = static_cast<qint16>(numericValue(fields.goalsAgainst));
    game.GameComment = fitWidth(fields.comment, 58);
    game.GameType = static_cast<char>('1' + qBound(0, fields.typeLine, 6));
    game.HomeGame = fields.homeTeam ? '1' : '2';
    game.SpecialSelect = fields.specialSelect ? '2' : '1';
    return game;
}

GameFields importedFields(GameFields fields, const GameRecord& opponentGame, bool withComment)
{
    fields.date = opponentGame.GameDate;
    fields.location = rightTrimBlanks(opponentGame.GameLocation);
    fields.goalsFor = QString::number(opponentGame.GoalsAgainst);
    fields.goalsAgainst = QString::number(opponentGame.GoalsFor);
    fields.homeTeam = opponentGame.HomeGame == '2';
    if (opponentGame.GameType >= '1' && opponentGame.GameType <= '7')
        fields.typeLine = opponentGame.GameType - '1';
    if (withComment)
        fields.comment = rightTrimBlanks(opponentGame.GameComment);
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
