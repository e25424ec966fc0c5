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
        auto game = files.get<GameRecord>(FileGames, r);
        if (game.gameStatus == 'A' && game.gameNumber == gameNumber)
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
    h.gameNumberText = QStringLiteral("Game") + numberText(game.gameNumber);
    h.dateText = game.gameDate == u"000000" ? QStringLiteral(" ") : dateInWords(game.gameDate);
    h.locationText = game.gameLocation;
    const QString team = sideName(teamName);
    const QString opponent = sideName(game.opponent);
    if (game.homeGame == '1') {
        h.homeName = team;
        h.homeScore = numberText(game.goalsFor);
        h.visitorName = opponent;
        h.visitorScore = numberText(game.goalsAgainst);
    } else {
        h.homeName = opponent;
        h.homeScore = numberText(game.goalsAgainst);
        h.visitorName = team;
        h.visitorScore = numberText(game.goalsFor);
    }
    return h;
}

PlayerEntry::PlayerEntry(DataFiles& files, const GameRecord& game)
    : files_(files)
    , game_(game)
    , index_(buildStatIndex(files, game.gameNumber))
{
    // Loading brings the copied game fields of the results into line; should that write be
    // cancelled the index is still right, and saving writes those fields anyway.
    files_.change(QStringLiteral("Loading the game's results"),
        [&] { updateCopiedGameFields(files, index_, game); });
    for (int n = 1; n <= 99; ++n) {
        const qint32 record = index_.recordOf[n];
        if (record < 1)
            continue;
        slots_[n].played = true;
        slots_[n].values = files_.get<PlayerStatRecord>(FileStats, record).statValues;
    }
}

QList<int> PlayerEntry::tablePlayers(const OneBasedArray<bool, 99>& rosterFree) const
{
    QList<int> players;
    for (int n = 1; n <= 99; ++n) {
        if (!rosterFree[n] || slots_[n].played)
            players.append(n);
    }
    if (players.isEmpty())
        players.append(1);
    return players;
}

void PlayerEntry::setPlayed(int playerNumber, bool played)
{
    PlayerSlot& slot = slots_[playerNumber];
    if (slot.played == played)
        return;
    slot.played = played;
    if (played) {
        ++index_.playersRecorded;
    } else {
        --index_.playersRecorded;
        slot.values.fill(0);
    }
}

void PlayerEntry::storeValues(int playerNumber, const StatValueArray& values)
{
    slots_[playerNumber].values = values;
}

TeamTotals PlayerEntry::totals() const
{
    TeamTotals totals;
    for (const PlayerSlot& slot : slots_) {
        if (!slot.played)
            continue;
        ++totals.playersCounted;
        for (std::size_t k = 0; k < slot.values.size(); ++k)
            totals.sums[k] += slot.values[k];
    }
    return totals;
}

PlayerStatRecord PlayerEntry::buildResult(int playerNumber) const
{
    PlayerStatRecord result;
    result.gameNumber = game_.gameNumber;
    result.playerNumber = static_cast<qint16>(playerNumber);
    result.statKind = 'P';
    result.statStatus = 'A';
    result.statGameType = game_.gameType;
    result.statSpecialSelect = game_.specialSelect;
    result.statValues = slots_[playerNumber].values;
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
        if (index_.recordOf[n] < 1 && slots_[n].played) {
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
        if (slots_[n].played) {
            files_.put(FileStats, record, buildResult(n));
        } else {
            auto result = files_.get<PlayerStatRecord>(FileStats, record);
            result.statStatus = 'I';
            files_.put(FileStats, record, result);
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
