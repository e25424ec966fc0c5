#pragma once

#include "core/store/RecordLayout.h"

#include <QByteArray>
#include <QString>

namespace scorvane {

// File 9, "KVPI<team>.DAT": one 500-byte record per player with contact details.
struct PlayerInfoRecord
{
    static constexpr int Length = 500;

    qint16 playerNumber = 0;
    QString phone;
    QString address1;
    QString address2;
    QString city;
    QByteArray reserved122 = QByteArray(20, ' ');
    QString state;
    QByteArray reserved147 = QByteArray(20, ' ');
    QString zip;
    QByteArray reserved177 = QByteArray(20, ' ');
    QString otherInfo;
    QByteArray reserved267 = QByteArray(233, ' ');

    static constexpr auto fields()
    {
        using R = PlayerInfoRecord;
        return std::tuple{integerField(&R::playerNumber), textField(&R::phone, 20),
            textField(&R::address1, 40), textField(&R::address2, 40), textField(&R::city, 20),
            rawField(&R::reserved122, 20), textField(&R::state, 5), rawField(&R::reserved147, 20),
            textField(&R::zip, 10), rawField(&R::reserved177, 20), textField(&R::otherInfo, 70),
            rawField(&R::reserved267, 233)};
    }

    QByteArray encode() const { return encodeRecord(*this); }
    static PlayerInfoRecord decode(const QByteArray& bytes)
    {
        return decodeRecord<PlayerInfoRecord>(bytes);
    }
};

static_assert(layoutLength<PlayerInfoRecord>() == PlayerInfoRecord::Length);

} // namespace scorvane
