#pragma once

#include "core/reports/PlayerStatsComputation.h"
#include "core/store/FileError.h"
#include "core/store/PlayerStatRecord.h"
#include "core/store/WholeFile.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace scorvane {

// What one team's statistics give the player statistics: the team's rows in the order they
// were made, and how the game numbers of its counted records ran. Row 1 counts changes of game
// number across the teams, so joining parts needs each part's first and last counted game.
struct TeamStatsPart
{
    std::vector<PlayerStatsRow> rows;
    int maxNameLength = 0;
    int gameChanges = 0; // from game 0 before the first counted record
    int firstGame = 0;   // 0 when nothing was counted
    int lastGame = 0;
    std::optional<FileError> error; // the roster or statistics file that could not be read
    QString damagedFile; // the file whose checksum is not the one it must have (its name)
};

// Sums one team's counted statistics records into rows, a team at a time. A reader keeps its
// buffer and tables from team to team; each thread has its own.
class TeamStatsReader
{
public:
    explicit TeamStatsReader(const PlayerStatsInput& input);

    TeamStatsPart read(int slot);

private:
    // One player's sums within the team, kept apart from the rows in a small table that stays
    // in the processor's cache. The 29 values are summed 32 wide (the last three lanes take the
    // reserved bytes that follow and are never read), which compiles to whole vector additions.
    struct alignas(64) PlayerSums
    {
        static constexpr std::size_t Lanes = 32;
        static_assert(PlayerStatAt::Values + 2 * Lanes <= PlayerStatRecord::Length);

        std::array<qint32, Lanes> values{};
        int games = 0;

        void add(const uchar* bytes);
    };

    // Reads this much of the statistics file at a time: small enough to be summed while it is
    // still in the processor's cache, large enough that the system calls do not count.
    static constexpr qint64 BlockBytes = qint64{PlayerStatRecord::Length} * 2048;

    // Sums the whole records of a block; false after the first record beyond the to game.
    bool sumBlock(const uchar* data, qint64 size, int slot);
    bool counts(const uchar* record, int game) const;
    void noteGameChange(int game);
    void addRecordRow(const uchar* record, int game, int player, int slot);
    int addRow(int player, int slot);
    void moveSumsToRows();

    const PlayerStatsInput& input_;
    const ReportSelection& selection_;
    TeamStatsPart part_;
    WholeFile file_;
    std::array<int, 100> playerRow_{}; // the team's row (from 1) of each player number, 0 none
    std::array<PlayerSums, 100> sums_{};
    std::array<bool, 256> typeRefused_{};
    RosterNameTable names_;
    RosterNameTable lowerNames_;
    QString nameFilter_;
    bool anyName_ = true;
};

} // namespace scorvane
