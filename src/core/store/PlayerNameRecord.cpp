#include "core/store/PlayerNameRecord.h"

#include "core/store/RecordCodec.h"

namespace scorvane {

QByteArray PlayerNameRecord::encode() const
{
    FieldWriter w(Length);
    w.integer(PlayerNumber);
    w.text(PlayerName, 17);
    w.raw(Reserved19, 182);
    return w.finish();
}

PlayerNameRecord PlayerNameRecord::decode(const QByteArray& bytes)
{
    FieldReader r(bytes);
    PlayerNameRecord p;
    p.PlayerNumber = r.integer();
    p.PlayerName = r.text(17);
    p.Reserved19 = r.raw(182);
    return p;
}

} // namespace scorvane
