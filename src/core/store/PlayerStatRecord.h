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

    qint16 gameNumber = 0;
    qint16 playerNumber = 0;
    char statKind = 'P';
    char statStatus = 'A'; // "A" counts, "I" not counted, "D" game deleted
    char statGameType = '1';
    char statSpecialSelect = '1';
    std::array<qint16, ValueCount> statValues{}; // statistic index 0 to 28
    QByteArray reserved66 = QByteArray(49, ' ');

    static constexpr auto fields()
    {
        return std::tuple{integerField(&PlayerStatRecord::gameNumber),
            integerField(&PlayerStatRecord::playerNumber), codeField(&PlayerStatRecord::statKind),
            codeField(&PlayerStatRecord::statStatus), codeField(&PlayerStatRecord::statGameType),
            codeField(&PlayerStatRecord::statSpecialSelect),
            integersField(&PlayerStatRecord::statValues),
            rawField(&PlayerStatRecord::reserved66, 49)};
    }

    QByteArray encode() const { return encodeRecord(*this); }
    static PlayerStatRecord decode(const QByteArray& bytes)
    {
        return decodeRecord<PlayerStatRecord>(bytes);
    }
};

static_assert(layoutLength<PlayerStatRecord>() == PlayerStatRecord::Length);

// Where the fields lie, for the scans that read a file's bytes without decoding every record.
struct PlayerStatAt
{
    static constexpr int GameNumber = offsetOf(&PlayerStatRecord::gameNumber);
    static constexpr int PlayerNumber = offsetOf(&PlayerStatRecord::playerNumber);
    static constexpr int Status = offsetOf(&PlayerStatRecord::statStatus);
    static constexpr int GameType = offsetOf(&PlayerStatRecord::statGameType);
    static constexpr int SpecialSelect = offsetOf(&PlayerStatRecord::statSpecialSelect);
    static constexpr int Values = offsetOf(&PlayerStatRecord::statValues);
};

} // namespace scorvane
