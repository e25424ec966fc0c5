#include "core/store/PlayerInfoRecord.h"

#include "core/store/RecordCodec.h"

namespace scorvane {

QByteArray PlayerInfoRecord::encode() const
{
    FieldWriter w(Length);
    w.integer(PlayerNumber);
    w.text(Phone, 20);
    w.text(Address1, 40);
    w.text(Address2, 40);
    w.text(City, 20);
    w.raw(Reserved122, 20);
    w.text(State, 5);
    w.raw(Reserved147, 20);
    w.text(Zip, 10);
    w.raw(Reserved177, 20);
    w.text(OtherInfo, 70);
    w.raw(Reserved267, 233);
    return w.finish();
}

PlayerInfoRecord PlayerInfoRecord::decode(const QByteArray& bytes)
{
    FieldReader r(bytes);
    PlayerInfoRecord p;
    p.PlayerNumber = r.integer();
    p.Phone = r.text(20);
    p.Address1 = r.text(40);
    p.Address2 = r.text(40);
    p.City = r.text(20);
    p.Reserved122 = r.raw(20);
    p.State = r.text(5);
    p.Reserved147 = r.raw(20);
    p.Zip = r.text(10);
    p.Reserved177 = r.raw(20);
    p.OtherInfo = r.text(70);
    p.Reserved267 = r.raw(233);
    return p;
}

} // namespace scorvane
