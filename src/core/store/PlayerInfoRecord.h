#pragma once

#include "core/store/RecordLayout.h"

#include <QByteArray>
#include <QString>

namespace scorvane {

// File 9, "KVPI<team>.DAT": one 500-byte record per player with contact details.
struct PlayerInfoRecord
{
    static constexpr int Length = 500;

    qint16 PlayerNumber = 0;
    QString Phone;
    QString Address1;
    QString Address2;
    QString City;
    QByteArray Reserved122 = QByteArray(20, ' ');
    QString State;
    QByteArray Reserved147 = QByteArray(20, ' ');
    QString Zip;
    QByteArray Reserved177 = QByteArray(20, ' ');
    QString OtherInfo;
    QByteArray Reserved267 = QByteArray(233, ' ');

    static constexpr auto fields()
    {
        using R = PlayerInfoRecord;
        return std::tuple{integerField(&R::PlayerNumber), textField(&R::Phone, 20),
            textField(&R::Address1, 40), textField(&R::Address2, 40), textField(&R::City, 20),
            rawField(&R::Reserved122, 20), textField(&R::State, 5), rawField(&R::Reserved147, 20),
            textField(&R::Zip, 10), rawField(&R::Reserved177, 20), textField(&R::OtherInfo, 70),
            rawField(&R::Reserved267, 233)};
    }

    QByteArray encode() const { return encodeRecord(*this); }
    static PlayerInfoRecord decode(const QByteArray& bytes)
    {
        return decodeRecord<PlayerInfoRecord>(bytes);
    }
};

static_assert(layoutLength<PlayerInfoRecord>() == PlayerInfoRecord::Length);

} // namespace scorvane
