#pragma once

#include "core/entry/Categories.h"
#include "core/entry/StatIndex.h"
#include "core/store/GameRecord.h"
#include "core/text/OneBasedArray.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace scorvane {

class DataFiles;
struct PlayerStatRecord;

using StatValueArray = std::array<qint16, EnteredStatisticCount>;
using TeamTotalArray = std::array<qint32, EnteredStatisticCount>; // 32-bit: sums never overflow

// One player's place on the player screen: whether they played in the game, and their figures.
struct PlayerSlot
{
    bool played = false;
    StatValueArray values{};
};
using PlayerSlotTable = OneBasedArray<PlayerSlot, 99>;

// The home and visiting sides and the other heading texts of one game, ready to show.
struct GameHeading
{
    QString gameNumberText; // "Game" and the number with its sign blank
    QString dateText;       // the date in words, or a single blank for "000000"
    QString locationText;
    QString homeName;
    QString homeScore;
    QString visitorName;
    QString visitorScore;
};

// The team's totals over every played slot.
struct TeamTotals
{
    TeamTotalArray sums{};
    int playersCounted = 0;
};

// Finds the active record of game `gameNumber`, starting at the record numbered like the game
// (games are numbered in record order, so it never stands before that). Files 4 must be open.
std::optional<GameRecord> findEntryGame(DataFiles& files, qint16 gameNumber);

GameHeading makeGameHeading(const GameRecord& game, const QString& teamName);

// The figures of one game's players, from loading through editing to saving them back into the
// statistics file (file 5, open).
class PlayerEntry
{
public:
    // Builds the index of the game's results and loads one slot per player number.
    PlayerEntry(DataFiles& files, const GameRecord& game);

    const GameRecord& game() const { return game_; }
    const StatIndex& index() const { return index_; }
    const PlayerSlot& slot(int playerNumber) const { return slots_[playerNumber]; }
    int playersRecorded() const { return index_.playersRecorded; }

    // Player numbers listed in the table, ascending: every player on the roster and every played
    // slot; player 1 alone when that leaves none. `rosterFree` is true for a free number.
    QList<int> tablePlayers(const OneBasedArray<bool, 99>& rosterFree) const;

    // Ticking counts the player; unticking uncounts them and clears all their figures. Setting
    // the mark a slot already has changes nothing.
    void setPlayed(int playerNumber, bool played);
    void storeValues(int playerNumber, const StatValueArray& values);

    TeamTotals totals() const;

    // Writes every changed result: new ones inserted as one block after the game's existing
    // results (and before any later game's), existing ones rewritten in place, a player no longer
    // played marked "I". The index follows, so saving again rewrites rather than inserts.
    // The file changes whole or not at all; false when a write error was cancelled, with the
    // slots and the index as they were.
    bool saveAll();

private:
    void writeResults();
    PlayerStatRecord buildResult(int playerNumber) const;

    DataFiles& files_;
    GameRecord game_;
    StatIndex index_;
    PlayerSlotTable slots_;
};

// Statistic values as the boxes show them (plain decimal, no sign blank) and back (the numeric
// value of the typed text, empty = 0).
QString valueText(qint64 value);
qint16 valueOfText(const QString& text);

} // namespace scorvane
