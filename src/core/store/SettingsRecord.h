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

    // No alignment padding anywhere: the six integers after SortOrder start at the odd offset 569.
    static constexpr auto fields()
    {
        using R = SettingsRecord;
        return std::tuple{integerField(&R::SettingsVersion), textField(&R::ReportPathText, 145),
            textField(&R::DataPathText, 145), textsField(&R::GameTypeNames, 10),
            textsField(&R::UserStatCodes, 3), rawField(&R::Reserved377, 60),
            rawField(&R::Reserved437, 9), integersField(&R::ReportColumns),
            rawField(&R::Reserved546, 20), integerField(&R::SortColumn), codeField(&R::SortOrder),
            integerField(&R::LinesPerPage), integerField(&R::TitleFontSize),
            integerField(&R::TitleBold), integerField(&R::ReportFontSize),
            integerField(&R::ReportBold), integerField(&R::Reserved579),
            rawField(&R::Reserved581, 7), rawField(&R::Reserved588, 81)};
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
