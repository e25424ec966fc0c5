#include "core/reports/ReportFormatFile.h"

#include "core/text/Paths.h"

#include <QFile>
#include <QSaveFile>

namespace scorvane {

namespace {

ReportFormatRecord format(const char* title, const std::vector<int>& columns, int sortColumn)
{
    ReportFormatRecord f;
    f.formatKind = 'P';
    f.formatDeleted = ' ';
    f.formatTitle = QString::fromLatin1(title);
    f.formatSortColumn = static_cast<qint16>(sortColumn);
    f.formatSortOrder = 'D';
    for (std::size_t i = 0; i < columns.size(); ++i)
        f.formatColumns[i + 1] = static_cast<qint16>(columns[i]);
    return f;
}

} // namespace

const std::vector<int>& defaultFormatColumns()
{
    static const std::vector<int> columns
        = {1, 7, 4, 5, 10, 11, 16, 17, 18, 19, 23, 24, 25, 26, 30, 31, 27, 28};
    return columns;
}

std::vector<ReportFormatRecord> startingFormats()
{
    return {
        format("Standard", defaultFormatColumns(), DefaultFormatSortColumn),
        // G, Min, SOG, SAG, TS, GS, QS%, TS%, PKG, PKA, PK%, CKG, CKA, CK%, Ast
        format("Scoring", {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 23}, 7),
        // G, Min, SF, Sv, Sv%, PKF, PKB, PS%
        format("Goalkeeping", {1, 2, 27, 28, 29, 31, 30, 32}, 28),
        // G, Min, CY, CR, F, OS, BTI
        format("Discipline", {1, 2, 18, 19, 22, 20, 21}, 18),
    };
}

ReportFormatFile::ReportFormatFile(QString path)
    : path_(std::move(path))
{ }

QString ReportFormatFile::pathIn(const QString& reportFolder)
{
    return resolveInFolder(reportFolder, QStringLiteral("KVRPTFMT.DAT"));
}

QString ReportFormatFile::load()
{
    records_.clear();
    tail_.clear();
    saved_.clear();
    QFile file(path_);
    onDisk_ = file.exists();
    if (!onDisk_) {
        records_ = startingFormats();
        return {};
    }
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1: %2").arg(path_, file.errorString());
    saved_ = file.readAll();
    const qsizetype whole = saved_.size() / ReportFormatRecord::Length;
    for (qsizetype r = 0; r < whole; ++r)
        records_.push_back(ReportFormatRecord::decode(
            saved_.mid(r * ReportFormatRecord::Length, ReportFormatRecord::Length)));
    tail_ = saved_.mid(whole * ReportFormatRecord::Length);
    return {};
}

QByteArray ReportFormatFile::bytes() const
{
    QByteArray all;
    all.reserve(
        static_cast<qsizetype>(records_.size()) * ReportFormatRecord::Length + tail_.size());
    for (const ReportFormatRecord& format : records_)
        all += format.encode();
    return all + tail_;
}

QString ReportFormatFile::save()
{
    const QByteArray all = bytes();
    if (onDisk_ && all == saved_)
        return {};
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(all) != all.size() || !file.commit())
        return QStringLiteral("cannot write %1: %2").arg(path_, file.errorString());
    saved_ = all;
    onDisk_ = true;
    return {};
}

void ReportFormatFile::setRecord(int number, const ReportFormatRecord& format)
{
    records_.at(static_cast<std::size_t>(number - 1)) = format;
}

int ReportFormatFile::append(const ReportFormatRecord& format)
{
    records_.push_back(format);
    return recordCount();
}

} // namespace scorvane
