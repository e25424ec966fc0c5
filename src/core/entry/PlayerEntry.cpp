#include "core/entry/PlayerEntry.h"

#include "core/store/DataFiles.h"
#include "core/store/PlayerStatRecord.h"
#include "core/text/Blanks.h"
#include "core/text/Formatting.h"

#include <algorithm>

namespace scorvane {

std::optional<GameRecord> findEntryGame(DataFiles& files, qint16 gameNumber)
{
    const qint32 count = files.recordCount(FileGames);
    for (qint32 r = std::max<qint32>(gameNumber, 1); r <= count; ++r) {
        auto game = files.Get<GameRecord>(FileGames, r);
        if (game.GameStatus == 'A' && game.GameNumber == gameNumber)
            return game;
    }
    return std::nullopt;
}

GameHeading makeGameHeading(const GameRecord& game, const QString& teamName)
{
    const auto sideName = [](const QString& name) {
        return trimBlanks(name).isEmpty() ? QStringLiteral("Opponents") : name;
    };
    GameHeading h;
    h.GameNumberText = QStringLiteral("Game") + numberText(game.GameNumber);
    h.DateText = game.GameDate == u"000000" ? QStringLiteral(" ") : dateInWords(game.GameDate);
    h.LocationText = game.GameLocation;
    const QString team = sideName(teamName);
    const QString opponent = sideName(game.Opponent);
    if (game.HomeGame == '1') {
        h.HomeName = team;
        h.HomeScore = numberText(game.GoalsFor);
        h.VisitorName = opponent;
        h.VisitorScore = numberText(game.GoalsAgainst);
    } else {
        h.HomeName = opponent;
        h.HomeScore = numberText(game.GoalsAgainst);
        h.VisitorName = team;
        h.VisitorScore = numberText(game.GoalsFor);
    }
    return h;
}

PlayerEntry::PlayerEntry(DataFiles& files, const GameRecord& game)
    : files_(files)
    , game_(game)
    , index_(buildStatIndex(files, game.GameNumber))
{
    // Loading brings the copied game fields of the results into line; should that write be
    // cancelled the index is still right, and saving writes those fields anyway.
    files_.change(QStringLiteral("Loading the game's results"),
        [&] { updateCopiedGameFields(files, index_, game); });
    for (int n = 1; n <= 99; ++n) {
        const qint32 record = index_.recordOf[n];
        if (record < 1)
            continue;
        slots_[n].Played = true;
        slots_[n].Values = files_.Get<PlayerStatRecord>(FileStats, record).StatValues;
    }
}

QList<int> PlayerEntry::tablePlayers(const OneBasedArray<bool, 99>& rosterFree) const
{
    QList<int> players;
    for (int n = 1; n <= 99; ++n) {
        if (!rosterFree[n] || slots_[n].Played)
            players.append(n);
    }
    if (players.isEmpty())
        players.append(1);
    return players;
}

void PlayerEntry::setPlayed(int playerNumber, bool played)
{
    PlayerSlot& slot = slots_[playerNumber];
    if (slot.Played == played)
        return;
    slot.Played = played;
    if (played) {
        ++index_.playersRecorded;
    } else {
        --index_.playersRecorded;
        slot.Values.fill(0);
    }
}

void PlayerEntry::storeValues(int playerNumber, const StatValueArray& values)
{
    slots_[playerNumber].Values = values;
}

TeamTotals PlayerEntry::totals() const
{
    TeamTotals totals;
    for (const PlayerSlot& slot : slots_) {
        if (!slot.Played)
            continue;
        ++totals.PlayersCounted;
        for (std::size_t k = 0; k < slot.Values.size(); ++k)
            totals.Sums[k] += slot.Values[k];
    }
    return totals;
}

PlayerStatRecord PlayerEntry::buildResult(int playerNumber) const
{
    PlayerStatRecord result;
    result.GameNumber = game_.GameNumber;
    result.PlayerNumber = static_cast<qint16>(playerNumber);
    result.StatKind = 'P';
    result.StatStatus = 'A';
    result.StatGameType = game_.GameType;
    result.StatSpecialSelect = game_.SpecialSelect;
    result.StatValues = slots_[playerNumber].Values;
    return result;
}

bool PlayerEntry::saveAll()
{
    const StatIndex before = index_;
    const bool saved
        = files_.change(QStringLiteral("Saving the player results"), [&] { writeResults(); });
    if (!saved)
        index_ = before; // nothing reached the file: the next save inserts the same results again
    return saved;
}

void PlayerEntry::writeResults()
{
    constexpr qint64 length = PlayerStatRecord::Length;
    const qint32 recordCount = files_.recordCount(FileStats);
    // A file cut short since the index was built must not leave a gap before the new results.
    index_.insertPosition = std::min(index_.insertPosition, recordCount + 1);

    QByteArray inserted;
    QList<int> newPlayers;
    for (int n = 1; n <= 99; ++n) {
        if (index_.recordOf[n] < 1 && slots_[n].Played) {
            inserted += buildResult(n).encode();
            newPlayers.append(n);
        }
    }
    if (!newPlayers.isEmpty()) {
        const auto places = static_cast<qint32>(newPlayers.size());
        // One block move for the records that follow, then the new results as one block.
        files_.shiftRecordsUp(FileStats, index_.insertPosition, places);
        files_.writeBytes(FileStats, (index_.insertPosition - 1) * length, inserted);
        for (int i = 0; i < newPlayers.size(); ++i)
            index_.recordOf[newPlayers[i]] = index_.insertPosition + i;
        if (index_.firstRecord == 0)
            index_.firstRecord = index_.insertPosition;
        index_.insertPosition += places;
        index_.recordCount = recordCount + places;
    }

    for (int n = 1; n <= 99; ++n) {
        const qint32 record = index_.recordOf[n];
        if (record < 1 || newPlayers.contains(n))
            continue;
        if (slots_[n].Played) {
            files_.Put(FileStats, record, buildResult(n));
        } else {
            auto result = files_.Get<PlayerStatRecord>(FileStats, record);
            result.StatStatus = 'I';
            files_.Put(FileStats, record, result);
        }
    }
}

QString valueText(qint64 value)
{
    return QString::number(value);
}

qint16 valueOfText(const QString& text)
{
    return static_cast<qint16>(std::clamp<qint64>(numericValue(text), 0, 32767));
}

} // namespace scorvane
