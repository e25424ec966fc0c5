#include "core/output/TableExport.h"

#include <gtest/gtest.h>

using namespace scorvane;

namespace {

// A strict reader of comma-separated values as a spreadsheet reads them: quoted fields may hold
// commas, doubled quotes and line breaks; records end with CR LF.
std::vector<QStringList> readCsv(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (c == u',') {
            record << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            record << field;
            records.push_back(record);
            record.clear();
            field.clear();
            ++i;
        } else {
            EXPECT_NE(c, u'\n') << "a bare line feed outside quotes";
            field += c;
        }
    }
    EXPECT_TRUE(field.isEmpty() && record.isEmpty()) << "the last record is not ended";
    return records;
}

ExportTable sample()
{
    ExportTable t;
    t.title = QStringLiteral("Scoring <Fall>");
    t.team = QStringLiteral("Riverside Rovers");
    t.headings = {QStringLiteral("Player"), QStringLiteral("GS"), QStringLiteral("SOG%")};
    t.numericColumns = {1, 2};
    t.rows = {{ExportTable::RowKind::Totals,
                  {QStringLiteral("Team Totals"), QStringLiteral("12"), QStringLiteral("0.5")}},
        {ExportTable::RowKind::Body,
            {QStringLiteral("Dubois, \"Ren\u00e9\""), QStringLiteral("7"),
                QStringLiteral("0.4375")}},
        {ExportTable::RowKind::Body,
            {QStringLiteral("Two\nLines"), QStringLiteral("5"), QStringLiteral("1")}}};
    return t;
}

} // namespace

QStringList fields(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* t : texts)
        out << QString::fromUtf8(t);
    return out;
}

TEST(TableExport, CsvReadsBackFieldForFieldWithTheTotalsMarked)
{
    const auto records = readCsv(tableAsCsv(sample()));
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0], fields({"Row", "Player", "GS", "SOG%"}));
    EXPECT_EQ(records[1], fields({"Totals", "Team Totals", "12", "0.5"}));
    EXPECT_EQ(records[2], fields({"", "Dubois, \"Ren\xc3\xa9\"", "7", "0.4375"}));
    EXPECT_EQ(records[3], fields({"", "Two\nLines", "5", "1"}));
    EXPECT_TRUE(tableAsCsv(sample()).contains("Ren\xc3\xa9")) << "not UTF-8";
}

TEST(TableExport, HtmlIsOneEscapedPageThatFetchesNothing)
{
    const QString page = QString::fromUtf8(tableAsHtml(sample()));
    EXPECT_TRUE(page.startsWith(QStringLiteral("<!DOCTYPE html>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<title>Scoring &lt;Fall&gt;</title>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<p class=\"team\">Riverside Rovers</p>")));
    EXPECT_TRUE(page.contains(
        QStringLiteral("<tr class=\"totals\"><td>Team Totals</td><td class=\"n\">12</td>")));
    EXPECT_TRUE(page.contains(QStringLiteral("Dubois, &quot;Ren\u00e9&quot;")));
    EXPECT_TRUE(page.contains(QStringLiteral("@media print")));
    for (const char* fetch : {"src=", "href=", "@import", "url(", "http:", "https:"})
        EXPECT_FALSE(page.contains(QLatin1String(fetch))) << fetch;
}
