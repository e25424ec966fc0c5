#pragma once

#include "core/store/RecordLayout.h"

#include <QByteArray>
#include <QString>

namespace scorvane {

// File 3, "KVPN<team>.DAT": the roster, one 201-byte record per player in ascending number.
struct PlayerNameRecord
{
    static constexpr int Length = 201;

    qint16 PlayerNumber = 0;
    QString PlayerName;
    QByteArray Reserved19 = QByteArray(182, ' ');

    static constexpr auto fields()
    {
        return std::tuple{integerField(&PlayerNameRecord::PlayerNumber),
            textField(&PlayerNameRecord::PlayerName, 17),
            rawField(&PlayerNameRecord::Reserved19, 182)};
    }

    QByteArray encode() const { return encodeRecord(*this); }
    static PlayerNameRecord decode(const QByteArray& bytes)
    {
        return decodeRecord<PlayerNameRecord>(bytes);
    }
};

static_assert(layoutLength<PlayerNameRecord>() == PlayerNameRecord::Length);

} // namespace scorvane
