// Report formats: the file (starting set, whole writes, no rewrite when unchanged), the list's
// Add, Change, Delete and OK, and the editor's move rules around "end".
#include "TestSupport.h"

#include "core/reports/ReportFormatEditor.h"
#include "core/reports/ReportFormatFile.h"
#include "core/reports/ReportFormatList.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <tuple>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// A 167-byte format record written out field by field.
QByteArray formatBytes(char kind, char deleted, const char* title,
    std::initializer_list<int> columns, int sortColumn = 7, char order = 'D')
{
    QByteArray b = QByteArray(1, kind) + QByteArray(1, deleted) + pad(title, 20) + le16(sortColumn)
        + QByteArray(1, order) + le16(0);
    for (int c : columns)
        b += le16(c);
    for (std::size_t i = columns.size(); i < 70; ++i)
        b += le16(0);
    return b;
}

ino_t inode(const QString& path)
{
    struct stat info
    {
    };
    return ::stat(path.toLocal8Bit().constData(), &info) == 0 ? info.st_ino : 0;
}

struct FormatFolder
{
    QTemporaryDir dir;
    QString path = dir.path() + QStringLiteral("/KVRPTFMT.DAT");
};

CategoryCodeTable codes()
{
    CategoryCodeTable table;
    UserStatCodeTable user;
    user.fill(QStringLiteral("U  "));
    fillCategoryCodes(table, user);
    return table;
}

} // namespace

TEST(ReportFormatFile, StartsWithReadyFormatsAndWritesOnlyChanges)
{
    FormatFolder f;
    ReportFormatFile file(f.path);
    ASSERT_TRUE(file.load().isEmpty());
    ASSERT_EQ(file.recordCount(), 4);
    EXPECT_EQ(file.record(1).formatTitle.trimmed(), QStringLiteral("Standard"));
    EXPECT_FALSE(QFile::exists(f.path)); // nothing written by looking

    ASSERT_TRUE(file.save().isEmpty());
    const QByteArray written = readWholeFile(f.path);
    ASSERT_EQ(written.size(), 4 * 167);
    EXPECT_EQ(written.left(167),
        formatBytes('P', ' ', "Standard",
            {1, 7, 4, 5, 10, 11, 16, 17, 18, 19, 23, 24, 25, 26, 30, 31, 27, 28}));

    const ino_t before = inode(f.path);
    ASSERT_TRUE(file.save().isEmpty());
    ReportFormatFile again(f.path);
    ASSERT_TRUE(again.load().isEmpty());
    ASSERT_TRUE(again.save().isEmpty());
    EXPECT_EQ(inode(f.path), before); // unchanged: not replaced

    ReportFormatRecord changed = again.record(2);
    changed.formatSortOrder = 'A';
    again.setRecord(2, changed);
    ASSERT_TRUE(again.save().isEmpty());
    EXPECT_NE(inode(f.path), before);
    EXPECT_EQ(readWholeFile(f.path).at(167 + 24), 'A');
}

TEST(ReportFormatFile, APartialRecordIsKept)
{
    FormatFolder f;
    writeWholeFile(f.path, formatBytes('P', ' ', "One", {7}) + "xyz");
    ReportFormatFile file(f.path);
    ASSERT_TRUE(file.load().isEmpty());
    ASSERT_EQ(file.recordCount(), 1);
    file.append(file.record(1));
    ASSERT_TRUE(file.save().isEmpty());
    EXPECT_EQ(readWholeFile(f.path),
        formatBytes('P', ' ', "One", {7}) + formatBytes('P', ' ', "One", {7}) + "xyz");
}

TEST(ReportFormatList, LiveFormatsOfTheKindAddChangeDelete)
{
    FormatFolder f;
    writeWholeFile(f.path,
        formatBytes('P', '*', "Gone", {1}) + formatBytes('G', ' ', "Scores", {1})
            + formatBytes('P', ' ', "Goals", {1, 7}, 7, 'A')
            + formatBytes('P', ' ', "Saves", {28}));
    ReportFormatFile file(f.path);
    ASSERT_TRUE(file.load().isEmpty());
    ReportFormatList list(file, ReportKind::PlayerStatistics);
    ASSERT_EQ(list.entries().size(), 2);
    EXPECT_EQ(std::tuple(list.entries()[0].record, list.entries()[1].record), std::tuple(3, 4));

    const std::optional<ChosenFormat> chosen = list.choose(0);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(
        std::tuple(chosen->columns[0], chosen->columns[1], chosen->columns[2], chosen->sortOrder),
        std::tuple(1, 7, 0, SortOrder::Ascending));
    EXPECT_FALSE(list.choose(5)); // nothing chosen: the report keeps its settings

    ReportFormatRecord added = list.prepareNew();
    EXPECT_EQ(std::tuple(added.formatTitle.toStdString(), added.formatSortColumn),
        std::tuple("Report 3", 1));
    added.formatColumns[1] = 22;
    ASSERT_TRUE(list.add(added).isEmpty());
    EXPECT_EQ(list.entries().back().record, 5); // appended after every record, deleted or not

    ReportFormatRecord renamed = list.formatAt(1);
    renamed.formatTitle = QStringLiteral("Keepers");
    ASSERT_TRUE(list.change(1, renamed).isEmpty());
    EXPECT_EQ(list.entries()[1].title, QStringLiteral("Keepers"));

    ASSERT_TRUE(list.remove(0).isEmpty());
    const QByteArray bytes = readWholeFile(f.path);
    ASSERT_EQ(bytes.size(), 5 * 167); // deleting never shortens the file
    EXPECT_EQ(bytes.at(2 * 167 + 1), '*');
    EXPECT_EQ(bytes.mid(3 * 167 + 2, 20), pad("Keepers", 20));
    EXPECT_EQ(list.entries().size(), 2);
}

TEST(ReportFormatList, TheOnlyFormatCannotBeDeleted)
{
    FormatFolder f;
    writeWholeFile(f.path, formatBytes('P', ' ', "Only", {1}));
    ReportFormatFile file(f.path);
    ASSERT_TRUE(file.load().isEmpty());
    ReportFormatList list(file, ReportKind::PlayerStatistics);
    const auto refusal = list.deleteRefusal();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->title + u'/' + refusal->text,
        QStringLiteral("Only Report!/Cannot Delete Only Report"));
    list.remove(0);
    EXPECT_EQ(list.entries().size(), 1);
}

TEST(ReportFormatEditor, EntriesAndTheMovesAroundEnd)
{
    ReportFormatRecord format;
    format.formatColumns[1] = 1;
    format.formatColumns[2] = 7;
    format.formatColumns[4] = 9; // after the first 0: not a column
    format.formatSortColumn = 7;
    ReportFormatEditor editor(format, codes());
    EXPECT_EQ(editor.reportLine(),
        (QStringList{u'G' + QString(10, u' ') + u'1',
            QStringLiteral("GS") + QString(9, u' ') + u'7',
            QStringLiteral("end")})); // code in 3, 7 blanks, the number with its sign blank
    EXPECT_EQ(editor.notOnReport().size(), 36);
    EXPECT_EQ(editor.notOnReport()[0], QStringLiteral("Min         2"));
    EXPECT_EQ(editor.sortPosition(), 6);

    // "end" selected in the report line: the category becomes the last column.
    editor.selectOnReportLine(2);
    editor.selectNotOnReport(1); // PP
    editor.putOnReport();
    EXPECT_EQ(editor.columns(), (QList<int>{1, 7, 3}));
    EXPECT_EQ(editor.reportLineSelection(), 3); // still "end"
    EXPECT_EQ(editor.notOnReport()[1], QStringLiteral("SOG         4"));
    // Another entry selected: the category goes before it.
    editor.selectOnReportLine(0);
    editor.putOnReport(); // SOG before G
    EXPECT_EQ(editor.columns(), (QList<int>{4, 1, 7, 3}));
    EXPECT_EQ(editor.reportLineSelection(), 1);
    // "end" of "Not On Report" moves nothing; nor does "end" of the report line go back.
    editor.selectNotOnReport(editor.notOnReport().size() - 1);
    editor.putOnReport();
    editor.selectOnReportLine(editor.reportLine().size() - 1);
    editor.takeOffReport();
    EXPECT_EQ(editor.columns(), (QList<int>{4, 1, 7, 3}));
    // Taking GS off puts it before the selected "Not On Report" entry, not at its sorted place.
    editor.selectOnReportLine(2);
    editor.selectNotOnReport(0);
    editor.takeOffReport();
    EXPECT_EQ(editor.columns(), (QList<int>{4, 1, 3}));
    EXPECT_EQ(editor.notOnReport()[0], QStringLiteral("GS         7"));
    EXPECT_EQ(editor.reportLine()[2], QStringLiteral("PP") + QString(10, u' ') + u'3'); // 8 blanks

    editor.setDescending(false);
    editor.setSortPosition(0);
    const ReportFormatRecord done = editor.accepted();
    EXPECT_EQ(std::tuple(done.formatColumns[1], done.formatColumns[3], done.formatColumns[4],
                  done.formatSortColumn, done.formatSortOrder),
        std::tuple(4, 3, 0, 1, 'A'));
}

TEST(ReportFormatEditor, EmptyLineGivesTheDefaultAndTitlesAreTidied)
{
    ReportFormatRecord format;
    format.formatColumns[1] = 7;
    format.formatTitle = QStringLiteral("Old");
    ReportFormatEditor editor(format, codes());
    editor.selectOnReportLine(0);
    editor.takeOffReport();
    editor.setTitle(QStringLiteral("  Mine  "));
    editor.setDescending(false);
    // The standard columns, sorted by GS descending.
    const ReportFormatRecord done = editor.accepted();
    EXPECT_EQ(
        std::tuple(done.formatTitle.toStdString(), done.formatColumns[1], done.formatColumns[18],
            done.formatColumns[19], done.formatSortColumn, done.formatSortOrder),
        std::tuple("Mine", 1, 28, 0, 7, 'D'));

    editor.setTitle(QStringLiteral("   "));
    EXPECT_EQ(editor.cancelled().formatTitle, QStringLiteral("Unnamed Report"));
    editor.setTitle(QStringLiteral("Twenty characters ok"));
    EXPECT_EQ(editor.withDefault().formatTitle, QStringLiteral("Twenty characters ok"));
}
