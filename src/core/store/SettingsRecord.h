#pragma once

#include "core/store/RecordLayout.h"
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

    qint16 settingsVersion = 200;
    QString reportPathText;
    QString dataPathText;
    OneBasedArray<QString, 7> gameTypeNames;
    OneBasedArray<QString, 5> userStatCodes;
    QByteArray reserved377 = QByteArray(60, ' ');
    QByteArray reserved437 = QByteArray(9, ' ');
    OneBasedArray<qint16, 50> reportColumns;
    QByteArray reserved546 = QByteArray(20, ' ');
    qint16 sortColumn = 0;
    char sortOrder = ' ';
    qint16 linesPerPage = 0;
    qint16 titleFontSize = 0;
    qint16 titleBold = 0;
    qint16 reportFontSize = 0;
    qint16 reportBold = 0;
    qint16 reserved579 = 0;                      // read and written back unchanged
    QByteArray reserved581 = QByteArray(7, ' '); // read and written back unchanged
    QByteArray reserved588 = QByteArray(81, ' ');

    // No alignment padding anywhere: the six integers after SortOrder start at the odd offset 569.
    static constexpr auto fields()
    {
        using R = SettingsRecord;
        return std::tuple{integerField(&R::settingsVersion), textField(&R::reportPathText, 145),
            textField(&R::dataPathText, 145), textsField(&R::gameTypeNames, 10),
            textsField(&R::userStatCodes, 3), rawField(&R::reserved377, 60),
            rawField(&R::reserved437, 9), integersField(&R::reportColumns),
            rawField(&R::reserved546, 20), integerField(&R::sortColumn), codeField(&R::sortOrder),
            integerField(&R::linesPerPage), integerField(&R::titleFontSize),
            integerField(&R::titleBold), integerField(&R::reportFontSize),
            integerField(&R::reportBold), integerField(&R::reserved579),
            rawField(&R::reserved581, 7), rawField(&R::reserved588, 81)};
    }

    QByteArray encode() const { return encodeRecord(*this); }
    static SettingsRecord decode(const QByteArray& bytes) // bytes.size() == Length
    {
        return decodeRecord<SettingsRecord>(bytes);
    }

    // Sets the 60-, 9-, 20- and 81-byte reserved fields to blanks, as every save does.
    void blankReservedFields();
};

static_assert(layoutLength<SettingsRecord>() == SettingsRecord::Length);

} // namespace scorvane
