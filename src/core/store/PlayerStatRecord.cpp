#include "core/store/PlayerStatRecord.h"

#include "core/store/RecordCodec.h"

namespace scorvane {

QByteArray PlayerStatRecord::encode() const
{
    FieldWriter w(Length);
    w.integer(GameNumber);
    w.integer(PlayerNumber);
    w.byte(StatKind);
    w.byte(StatStatus);
    w.byte(StatGameType);
    w.byte(StatSpecialSelect);
    for (qint16 value : StatValues)
        w.integer(value);
    w.raw(Reserved66, 49);
    return w.finish();
}

PlayerStatRecord PlayerStatRecord::decode(const QByteArray& bytes)
{
    FieldReader r(bytes);
    PlayerStatRecord s;
    s.GameNumber = r.integer();
    s.PlayerNumber = r.integer();
    s.StatKind = r.byte();
    s.StatStatus = r.byte();
    s.StatGameType = r.byte();
    s.StatSpecialSelect = r.byte();
    for (auto& value : s.StatValues)
        value = r.integer();
    s.Reserved66 = r.raw(49);
    return s;
}

} // namespace scorvane
