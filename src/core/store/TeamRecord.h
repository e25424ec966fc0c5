#pragma once

#include <QByteArray>
#include <QString>

namespace scorvane {

// File 2, "KVTEAMS.DAT": record n is team slot n (1 to 100), 40 bytes.
struct TeamRecord
{
    static constexpr int Length = 40;

    QString TeamName;      // 25
    QString TeamShortName; // 10
    QByteArray Reserved35 = QByteArray(5, ' ');

    QByteArray encode() const;
    static TeamRecord decode(const QByteArray& bytes);
};

} // namespace scorvane
