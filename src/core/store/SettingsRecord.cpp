#include "core/store/SettingsRecord.h"

#include "core/store/RecordCodec.h"

namespace scorvane {

QByteArray SettingsRecord::encode() const
{
    FieldWriter w(Length);
    w.integer(SettingsVersion);
    w.text(ReportPathText, 145);
    w.text(DataPathText, 145);
    for (const auto& name : GameTypeNames)
        w.text(name, 10);
    for (const auto& code : UserStatCodes)
        w.text(code, 3);
    w.raw(Reserved377, 60);
    w.raw(Reserved437, 9);
    for (qint16 column : ReportColumns)
        w.integer(column);
    w.raw(Reserved546, 20);
    w.integer(SortColumn);
    w.byte(SortOrder);
    w.integer(LinesPerPage);
    w.integer(TitleFontSize);
    w.integer(TitleBold);
    w.integer(ReportFontSize);
    w.integer(ReportBold);
    w.integer(Reserved579);
    w.raw(Reserved581, 7);
    w.raw(Reserved588, 81);
    return w.finish();
}

SettingsRecord SettingsRecord::decode(const QByteArray& bytes)
{
    FieldReader r(bytes);
    SettingsRecord s;
    s.SettingsVersion = r.integer();
    s.ReportPathText = r.text(145);
    s.DataPathText = r.text(145);
    for (auto& name : s.GameTypeNames)
        name = r.text(10);
    for (auto& code : s.UserStatCodes)
        code = r.text(3);
    s.Reserved377 = r.raw(60);
    s.Reserved437 = r.raw(9);
    for (auto& column : s.ReportColumns)
        column = r.integer();
    s.Reserved546 = r.raw(20);
    s.SortColumn = r.integer();
    s.SortOrder = r.byte();
    s.LinesPerPage = r.integer();
    s.TitleFontSize = r.integer();
    s.TitleBold = r.integer();
    s.ReportFontSize = r.integer();
    s.ReportBold = r.integer();
    s.Reserved579 = r.integer();
    s.Reserved581 = r.raw(7);
    s.Reserved588 = r.raw(81);
    return s;
}

void SettingsRecord::blankReservedFields()
{
    Reserved377.fill(' ');
    Reserved437.fill(' ');
    Reserved546.fill(' ');
    Reserved588.fill(' ');
}

} // namespace scorvane
