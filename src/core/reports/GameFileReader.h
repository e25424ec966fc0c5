#pragma once

#include "core/state/ReportSelection.h"
#include "core/store/FileError.h"
#include "core/store/GameRecord.h"
#include "core/store/RecordCodec.h"
#include "core/store/WholeFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace scorvane {

// The figures of a counted game that the won-lost reports sum.
struct GameResult
{
    qint16 gameNumber = 0;
    char gameType = '1';
    qint16 goalsFor = 0;
    qint16 goalsAgainst = 0;
};

// Which way a game went for the team whose file holds it.
enum class GameOutcome { Won, Lost, Tied };

inline GameOutcome outcomeOf(qint16 goalsFor, qint16 goalsAgainst)
{
    if (goalsFor > goalsAgainst)
        return GameOutcome::Won;
    return goalsFor < goalsAgainst ? GameOutcome::Lost : GameOutcome::Tied;
}

// The fields of a counted game the league table reads, the texts as the file's bytes.
struct LeagueGame
{
    qint16 goalsFor = 0;
    qint16 goalsAgainst = 0;
    char homeGame = '1';
    std::array<char, 6> date{};      // "MMDDYY"
    std::array<char, 25> opponent{}; // padded with blanks
};

// A game's record where it lies in the reader's buffer, its fields read in place: nothing of it
// is copied but what is used.
class GameRecordView
{
public:
    explicit GameRecordView(const char* record)
        : record_(record)
    { }

    qint16 goalsFor() const { return integerAt(record_, GoalsForAt); }
    qint16 goalsAgainst() const { return integerAt(record_, GoalsAgainstAt); }
    bool away() const { return record_[HomeAt] == '2'; }
    const char* date() const { return record_ + DateAt; }         // "MMDDYY"
    const char* opponent() const { return record_ + OpponentAt; } // 25 bytes, blank-padded

    // The bytes of a record that holds `game` where this class reads it, blanks elsewhere.
    static QByteArray bytesOf(const LeagueGame& game);

private:
    static constexpr int GoalsForAt = offsetOf(&GameRecord::goalsFor);
    static constexpr int GoalsAgainstAt = offsetOf(&GameRecord::goalsAgainst);
    static constexpr int HomeAt = offsetOf(&GameRecord::homeGame);
    static constexpr int DateAt = offsetOf(&GameRecord::gameDate);
    static constexpr int OpponentAt = offsetOf(&GameRecord::opponent);

    const char* record_;
};

struct CountedResults
{
    std::vector<GameResult> games;
    std::optional<FileError> fault; // the file that could not be read
};

struct CountedGames
{
    std::vector<GameRecord> games;
    std::optional<FileError> fault;
};

// Reads the counted games of a team's game file ("KVGS" and the slot, any letter case) in the
// data folder. Each file is read whole in one go into a buffer the reader keeps for the next
// file; the walk starts at the record numbered like the from game (a game never stands before
// its own number) and ends at the first record numbered beyond the to game. A file that does
// not exist holds no games, as the program creates it empty on opening.
class GameFileReader
{
public:
    explicit GameFileReader(QString dataFolder)
        : dataFolder_(std::move(dataFolder))
    { }

    // The scores and types of the counted games, in record order.
    CountedResults results(int slot, const ReportSelection& selection);
    // The whole records of the counted games, in record order.
    CountedGames games(int slot, const ReportSelection& selection);
    // The counted games' records, in record order, where they lie in the reader's buffer (valid
    // until the next read), into `games` (emptied first; its room is kept for the next team).
    std::optional<FileError> countedRecords(
        int slot, const ReportSelection& selection, std::vector<GameRecordView>& games);

private:
    // Reads the slot's file; empty when there is none.
    std::optional<FileError> load(int slot);
    std::optional<FileError> loadByQFile(const QString& name);
    // The bytes last read.
    QByteArrayView bytes() const;

    QString dataFolder_;
    WholeFile file_;           // open, size, one read, close
    QByteArray buffer_;        // after a file could not be read so
    bool readByQFile_ = false; // which of the two holds the last file
};

} // namespace scorvane
