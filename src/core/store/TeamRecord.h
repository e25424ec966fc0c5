#pragma once

#include "core/store/RecordLayout.h"

#include <QByteArray>
#include <QString>

namespace scorvane {

// File 2, "KVTEAMS.DAT": record n is team slot n (1 to 100), 40 bytes.
struct TeamRecord
{
    static constexpr int Length = 40;

    QString teamName;
    QString teamShortName;
    QByteArray reserved35 = QByteArray(5, ' ');

    static constexpr auto fields()
    {
        return std::tuple{textField(&TeamRecord::teamName, 25),
            textField(&TeamRecord::teamShortName, 10), rawField(&TeamRecord::reserved35, 5)};
    }

    QByteArray encode() const { return encodeRecord(*this); }
    static TeamRecord decode(const QByteArray& bytes) { return decodeRecord<TeamRecord>(bytes); }
};

static_assert(layoutLength<TeamRecord>() == TeamRecord::Length);

} // namespace scorvane
