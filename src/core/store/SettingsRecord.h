#pragma once

#include "core/text/OneBasedArray.h"

#include <QByteArray>
#include <QString>

namespace scorvane {

// File 1, "QMKV.INI": the program settings, one record of 669 bytes. Text fields hold the full
// field width as read; reserved fields hold their raw bytes so that a record read and written back
// unchanged is byte-identical.
struct SettingsRecord
{
    static constexpr int Length = 669;

    qint16 SettingsVersion = 200;
    QString ReportPathText;
    QString DataPathText;
    OneBasedArray<QString, 7> GameTypeNames;
    OneBasedArray<QString, 5> UserStatCodes;
    QByteArray Reserved377 = QByteArray(60, ' ');
    QByteArray Reserved437 = QByteArray(9, ' ');
    OneBasedArray<qint16, 50> ReportColumns;
    QByteArray Reserved546 = QByteArray(20, ' ');
    qint16 SortColumn = 0;
    char SortOrder = ' ';
    qint16 LinesPerPage = 0;
    qint16 TitleFontSize = 0;
    qint16 TitleBold = 0;
    qint16 ReportFontSize = 0;
    qint16 ReportBold = 0;
    qint16 Reserved579 = 0;                      // read and written back unchanged
    QByteArray Reserved581 = QByteArray(7, ' '); // read and written back unchanged
    QByteArray Reserved588 = QByteArray(81, ' ');

    QByteArray encode() const;
    static SettingsRecord decode(const QByteArray& bytes); // bytes.size() == Length

    // Sets the 60-, 9-, 20- and 81-byte reserved fields to blanks, as every save does.
    void blankReservedFields();
};

} // namespace scorvane
