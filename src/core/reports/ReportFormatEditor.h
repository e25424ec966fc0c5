#pragma once

#include "core/entry/Categories.h"
#include "core/store/ReportFormatRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace scorvane {

// The format editor's working state: the "Report Line" list (the format's columns in order),
// the "Not On Report" list (the other categories), both ending with "end", their selections,
// the sort choice and the title. The window shows these lists and forwards its buttons.
class ReportFormatEditor
{
public:
    ReportFormatEditor(const ReportFormatRecord& format, const CategoryCodeTable& categoryCodes);

    const QStringList& reportLine() const { return reportLine_; }
    const QStringList& notOnReport() const { return notOnReport_; }
    int reportLineSelection() const { return lineAt_; }
    int notOnReportSelection() const { return allAt_; }
    void selectOnReportLine(int position) { lineAt_ = position; }
    void selectNotOnReport(int position) { allAt_ = position; }

    // "===>": the selected category of "Not On Report" goes before the selected entry of the
    // report line (so with "end" selected it becomes the last column).
    void putOnReport();
    // "<===": the selected column goes back before the selected entry of "Not On Report".
    void takeOffReport();
    // The report line's categories, in column order.
    const QList<int>& columns() const { return columns_; }

    QStringList sortCategories() const; // the codes of categories 1 to 37
    int sortPosition() const { return sortAt_; }
    void setSortPosition(int position) { sortAt_ = position; }
    bool descending() const { return descending_; }
    void setDescending(bool descending) { descending_ = descending; }
    QString title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }

    // The format as each way of closing leaves it. OK with an empty report line gives the
    // default format; Cancel changes only the title. Every way trims the title, and an empty
    // one becomes "Unnamed Report".
    ReportFormatRecord accepted() const;
    ReportFormatRecord withDefault() const;
    ReportFormatRecord cancelled() const;

    static int categoryOfEntry(const QString& entry);

private:
    ReportFormatRecord titled() const;

    ReportFormatRecord format_;
    CategoryCodeTable codes_;
    QStringList reportLine_;
    QStringList notOnReport_;
    QList<int> columns_;
    int lineAt_ = 0;
    int allAt_ = 0;
    int sortAt_ = -1;
    bool descending_ = true;
    QString title_;
};

} // namespace scorvane
