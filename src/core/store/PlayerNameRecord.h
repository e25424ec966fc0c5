#pragma once

#include <QByteArray>
#include <QString>

namespace scorvane {

// File 3, "KVPN<team>.DAT": the roster, one 201-byte record per player in ascending number.
struct PlayerNameRecord
{
    static constexpr int Length = 201;

    qint16 PlayerNumber = 0;
    QString PlayerName; // 17
    QByteArray Reserved19 = QByteArray(182, ' ');

    QByteArray encode() const;
    static PlayerNameRecord decode(const QByteArray& bytes);
};

} // namespace scorvane
