// A spreadsheet file of arbitrary bytes read as a sheet and checked as a roster and as games:
// every cell lies inside the texts the sheet holds, no row is read past its end, and every row's
// preview and the encoded games have their fixed shape.
#include "core/import/CsvSheet.h"
#include "core/import/GameImport.h"
#include "core/import/RosterImport.h"
#include "core/store/GameRecord.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

using namespace scorvane;

namespace {

void checkCells(const CsvSheet& sheet)
{
    for (const CsvSheet::Row& row : sheet.rows) {
        if (row.cellCount < 1
            || row.firstCell + static_cast<std::size_t>(row.cellCount) > sheet.cellSlices.size())
            std::abort();
        if (!sheet.cell(row, -1).isEmpty() || !sheet.cell(row, row.cellCount).isEmpty())
            std::abort();
        for (int c = 0; c < row.cellCount; ++c) {
            const CsvSheet::CellSlice& slice
                = sheet.cellSlices[row.firstCell + static_cast<std::size_t>(c)];
            const QString& owner = slice.unquoted ? sheet.unquotedText : sheet.text;
            if (qsizetype{slice.start} + slice.length > owner.size()
                || sheet.cell(row, c).size() != slice.length)
                std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const CsvSheet sheet = readCsvSheet(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!sheet.refusal.isEmpty())
        return 0;
    checkCells(sheet);
    GameTypeNameTable types;
    for (int t = 1; t <= 7; ++t)
        types[t] = QStringLiteral("Type %1").arg(t);
    const GameImport games(sheet, matchColumns(ImportKind::Games, sheet.headings), types, {});
    const RosterImport roster(
        sheet, matchColumns(ImportKind::Roster, sheet.headings), Roster{}, PlayerContactTable{});
    for (std::size_t r = 0; r < games.rows().size(); ++r) {
        if (games.cells(r).size() != games.columns().size()
            || roster.cells(r).size() != roster.columns().size())
            std::abort();
    }
    return 0;
}
