#pragma once

#include "core/games/GameFile.h"
#include "core/import/ImportPlan.h"
#include "core/text/Formatting.h"

#include <memory>
#include <optional>

namespace scorvane {

// A date cell read into the six digits "MMDDYY" the game file keeps: "MMDDYY" itself,
// month/day/year with slashes or dashes (US order), year-month-day (ISO) or day.month.year with
// dots. Four-digit years must lie in 1930-2029, the years two digits name. An empty cell is no
// date ("000000"). Empty with the reason when the cell names no real day.
struct ImportedDate
{
    QString stored;
    QString error;
};
ImportedDate importedGameDate(const QString& text);

// The day a stored date names as yyyymmdd, for putting games in date order; no date sorts last.
int dateOrderKey(const QString& stored);

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

    // The games appended, in the order they are written, numbered.
    std::vector<GameRecord> appendedGames() const;

protected:
    void refresh() override;

private:
    struct Game
    {
        GameRecord record; // as read: the fields of the file, blanks elsewhere
        int existing = -1; // the game of the team it duplicates (index into games_)
        qint16 storedNumber = 0;
        int dateKey = 0; // dateOrderKey of the date
    };

    GameRecord replacement(const Game& game) const;

    std::vector<Game> games_;              // one per row
    std::vector<std::size_t> appendOrder_; // the rows appended, in the order they are written
    std::vector<ListedGame> existing_;     // the team's active games
    QList<ImportField> mapping_;
    GameTypeNameTable typeNames_;
};

} // namespace scorvane
