#pragma once

#include "core/store/RecordLayout.h"

#include <QByteArray>
#include <QString>

namespace scorvane {

// File 3, "KVPN<team>.DAT": the roster, one 201-byte record per player in ascending number.
struct PlayerNameRecord
{
    static constexpr int Length = 201;

    qint16 playerNumber = 0;
    QString playerName;
    QByteArray reserved19 = QByteArray(182, ' ');

    static constexpr auto fields()
    {
        return std::tuple{integerField(&PlayerNameRecord::playerNumber),
            textField(&PlayerNameRecord::playerName, 17),
            rawField(&PlayerNameRecord::reserved19, 182)};
    }

    QByteArray encode() const { return encodeRecord(*this); }
    static PlayerNameRecord decode(const QByteArray& bytes)
    {
        return decodeRecord<PlayerNameRecord>(bytes);
    }
};

static_assert(layoutLength<PlayerNameRecord>() == PlayerNameRecord::Length);

} // namespace scorvane
