#include "core/store/GameRecord.h"

#include "core/store/RecordCodec.h"

namespace scorvane {

QByteArray GameRecord::encode() const
{
    FieldWriter w(Length);
    w.integer(GameNumber);
    w.byte(GameStatus);
    w.text(GameDate, 6);
    w.text(GameLocation, 20);
    w.text(Opponent, 25);
    w.raw(Reserved54, 2);
    w.integer(GoalsFor);
    w.integer(GoalsAgainst);
    w.text(GameComment, 58);
    w.byte(GameType);
    w.byte(HomeGame);
    w.byte(SpecialSelect);
    w.raw(Reserved121, 29);
    return w.finish();
}

GameRecord GameRecord::decode(const QByteArray& bytes)
{
    FieldReader r(bytes);
    GameRecord g;
    g.GameNumber = r.integer();
    g.GameStatus = r.byte();
    g.GameDate = r.text(6);
    g.GameLocation = r.text(20);
    g.Opponent = r.text(25);
    g.Reserved54 = r.raw(2);
    g.GoalsFor = r.integer();
    g.GoalsAgainst = r.integer();
    g.GameComment = r.text(58);
    g.GameType = r.byte();
    g.HomeGame = r.byte();
    g.SpecialSelect = r.byte();
    g.Reserved121 = r.raw(29);
    return g;
}

} // namespace scorvane
