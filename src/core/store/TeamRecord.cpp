#include "core/store/TeamRecord.h"

#include "core/store/RecordCodec.h"

namespace scorvane {

QByteArray TeamRecord::encode() const
{
    FieldWriter w(Length);
    w.text(TeamName, 25);
    w.text(TeamShortName, 10);
    w.raw(Reserved35, 5);
    return w.finish();
}

TeamRecord TeamRecord::decode(const QByteArray& bytes)
{
    FieldReader r(bytes);
    TeamRecord t;
    t.TeamName = r.text(25);
    t.TeamShortName = r.text(10);
    t.Reserved35 = r.raw(5);
    return t;
}

} // namespace scorvane
