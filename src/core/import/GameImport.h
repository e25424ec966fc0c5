#pragma once

#include "core/games/GameFile.h"
#include "core/import/ImportPlan.h"
#include "core/text/Formatting.h"

#include <array>
#include <memory>
#include <optional>
#include <string_view>

namespace scorvane {

// A date cell read into the six digits "MMDDYY" the game file keeps: "MMDDYY" itself,
// month/day/year with slashes or dashes (US order), year-month-day (ISO) or day.month.year with
// dots. Four-digit years must lie in 1930-2029, the years two digits name. An empty cell is no
// date ("000000"). With the reason when the cell names no real day (the digits are then zeros).
struct ImportedDate
{
    std::array<char, 6> stored{'0', '0', '0', '0', '0', '0'};
    QString error;

    std::string_view digits() const { return {stored.data(), stored.size()}; }
    QString storedText() const { return QString::fromLatin1(stored.data(), 6); }
};
ImportedDate importedGameDate(QStringView text);

// The day a stored date names as yyyymmdd, for putting games in date order; no date sorts last.
int dateOrderKey(std::string_view stored);

// Games read from a spreadsheet and appended to the current team's games in date order, numbered
// on from the last game as Add Game numbers them, without player figures. A row with the date and
// opponent of a game the team already has conflicts with it: Replace writes the fields the file
// has columns for over that game (its number and figures stay), Add appends it as another game,
// Skip leaves it out.
class GameImport : public ImportPlan
{
public:
    GameImport(const CsvSheet& sheet, const QList<ImportField>& mapping,
        const GameTypeNameTable& typeNames, std::vector<ListedGame> games);

    static std::unique_ptr<GameImport> forTeam(
        AppState& state, const CsvSheet& sheet, const QList<ImportField>& mapping);

    bool write(AppState& state) override;
    QStringList cells(std::size_t row) const override;

protected:
    void refresh() override;

private:
    struct Game
    {
        int existing = -1; // the game of the team it duplicates (index into existing_)
        qint16 storedNumber = 0;
        int dateKey = 0; // dateOrderKey of the date
    };

    // The row's game as read: the fields of the file, blanks elsewhere.
    GameRecord readGame(std::size_t row) const;
    GameRecord replacement(std::size_t row) const;
    // The bytes of the games appended, in the order they are written.
    QByteArray appendedBytes() const;

    // Row r's game record, encoded as it is appended, at r * GameRecord::Length: a schedule of
    // thousands of rows is held as the bytes it is written as, not as texts per field.
    QByteArray records_;
    std::vector<Game> games_;              // one per row
    std::vector<std::size_t> appendOrder_; // the rows appended, in the order they are written
    std::vector<ListedGame> existing_;     // the team's active games
    QList<ImportField> mapping_;
    GameTypeNameTable typeNames_;
};

} // namespace scorvane
