#pragma once

#include "core/store/RecordLayout.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace scorvane {

// File 5, "KVPS<team>.DAT": one 115-byte record per player per game, in ascending game order.
struct PlayerStatRecord
{
    static constexpr int Length = 115;
    static constexpr int ValueCount = 29;

    qint16 GameNumber = 0;
    qint16 PlayerNumber = 0;
    char StatKind = 'P';
    char StatStatus = 'A'; // "A" counts, "I" not counted, "D" game deleted
    char StatGameType = '1';
    char StatSpecialSelect = '1';
    std::array<qint16, ValueCount> StatValues{}; // statistic index 0 to 28
    QByteArray Reserved66 = QByteArray(49, ' ');

    static constexpr auto fields()
    {
        return std::tuple{integerField(&PlayerStatRecord::GameNumber),
            integerField(&PlayerStatRecord::PlayerNumber), codeField(&PlayerStatRecord::StatKind),
            codeField(&PlayerStatRecord::StatStatus), codeField(&PlayerStatRecord::StatGameType),
            codeField(&PlayerStatRecord::StatSpecialSelect),
            integersField(&PlayerStatRecord::StatValues),
            rawField(&PlayerStatRecord::Reserved66, 49)};
    }

    QByteArray encode() const { return encodeRecord(*this); }
    static PlayerStatRecord decode(const QByteArray& bytes)
    {
        return decodeRecord<PlayerStatRecord>(bytes);
    }
};

static_assert(layoutLength<PlayerStatRecord>() == PlayerStatRecord::Length);

} // namespace scorvane
