#include "core/store/ReportFormatRecord.h"

#include "core/store/RecordCodec.h"

namespace scorvane {

QByteArray ReportFormatRecord::encode() const
{
    FieldWriter w(Length);
    w.byte(FormatKind);
    w.byte(FormatDeleted);
    w.text(FormatTitle, 20);
    w.integer(FormatSortColumn);
    w.byte(FormatSortOrder);
    for (qint16 column : FormatColumns)
        w.integer(column);
    return w.finish();
}

ReportFormatRecord ReportFormatRecord::decode(const QByteArray& bytes)
{
    FieldReader r(bytes);
    ReportFormatRecord f;
    f.FormatKind = r.byte();
    f.FormatDeleted = r.byte();
    f.FormatTitle = r.text(20);
    f.FormatSortColumn = r.integer();
    f.FormatSortOrder = r.byte();
    for (auto& column : f.FormatColumns)
        column = r.integer();
    return f;
}

} // namespace scorvane
