#pragma once

#include <QByteArray>
#include <QString>

namespace scorvane {

// File 9, "KVPI<team>.DAT": one 500-byte record per player with contact details.
struct PlayerInfoRecord
{
    static constexpr int Length = 500;

    qint16 PlayerNumber = 0;
    QString Phone;    // 20
    QString Address1; // 40
    QString Address2; // 40
    QString City;     // 20
    QByteArray Reserved122 = QByteArray(20, ' ');
    QString State; // 5
    QByteArray Reserved147 = QByteArray(20, ' ');
    QString Zip; // 10
    QByteArray Reserved177 = QByteArray(20, ' ');
    QString OtherInfo; // 70
    QByteArray Reserved267 = QByteArray(233, ' ');

    QByteArray encode() const;
    static PlayerInfoRecord decode(const QByteArray& bytes);
};

} // namespace scorvane
