#include "core/reports/TeamStatsReader.h"

#include "core/store/ContentChecksum.h"
#include "core/text/Blanks.h"
#include "core/text/Formatting.h"

#include <bit>
#include <cstring>

namespace scorvane {

namespace {

// The numeric value of a type byte as a typed number reads: a digit gives its value, anything
// else (a blank) gives 0.
int typeValue(uchar byte)
{
    return byte >= '0' && byte <= '9' ? byte - '0' : 0;
}

// The exact name; WholeFile finds a name in another letter case only when this one is missing.
QString teamFile(const QString& folder, const char* prefix, int slot)
{
    return folder + QString::fromLatin1(prefix) + QString::number(slot) + QStringLiteral(".DAT");
}

qint16 valueAt(const uchar* values, std::size_t k)
{
    if constexpr (std::endian::native == std::endian::little) {
        qint16 value = 0;
        std::memcpy(&value, values + 2 * k, sizeof value);
        return value;
    } else {
        return integerAt(values, 2 * static_cast<int>(k));
    }
}

} // namespace

inline void TeamStatsReader::PlayerSums::add(const uchar* bytes)
{
    std::array<qint16, Lanes> record;
    std::memcpy(record.data(), bytes, sizeof record);
    if constexpr (std::endian::native == std::endian::big) {
        for (qint16& value : record)
            value = integerAt(&value, 0);
    }
    for (std::size_t k = 0; k < Lanes; ++k)
        values[k] += record[k];
    ++games;
}

TeamStatsReader::TeamStatsReader(const PlayerStatsInput& input)
    : input_(input)
    , selection_(input.selection)
{
    // The name filter compares two 17-character texts exactly.
    nameFilter_ = fitWidth(selection_.playerName, 17);
    anyName_ = trimBlanks(nameFilter_).isEmpty();
    for (int type = 1; type <= 7; ++type)
        typeRefused_[static_cast<std::size_t>('0' + type)]
            = !selection_.allTypesCounted && !selection_.typeIsCounted(type);
}

TeamStatsPart TeamStatsReader::read(int slot)
{
    part_ = {};
    playerRow_.fill(0);
    sums_.fill(PlayerSums{});
    const QString rosterName = QStringLiteral("KVPN%1.DAT").arg(slot);
    const QString resultsName = QStringLiteral("KVPS%1.DAT").arg(slot);
    const auto rosterSum = input_.checksums.constFind(rosterName);
    const auto resultsSum = input_.checksums.constFind(resultsName);
    if (input_.teams.size() >= 2 || !input_.currentTeamNames) {
        quint64 checksum = 0;
        names_ = readRosterNames(teamFile(input_.dataFolder, "KVPN", slot), &part_.error,
            rosterSum != input_.checksums.cend() ? &checksum : nullptr);
        if (!part_.error && rosterSum != input_.checksums.cend() && checksum != *rosterSum) {
            part_.damagedFile = rosterName;
            return std::move(part_);
        }
    } else {
        names_ = *input_.currentTeamNames;
    }
    if (part_.error)
        return std::move(part_);
    if (!anyName_) {
        for (int n = 1; n <= 99; ++n)
            lowerNames_[n] = fitWidth(names_[n], 17).toLower();
    }
    // An archived file is checked as it is read: then the whole file is summed for its
    // checksum, though the figures may end before it does.
    const bool checked = resultsSum != input_.checksums.cend();
    ContentChecksum checksum;
    bool summing = true;
    part_.error = file_.readInBlocks(
        teamFile(input_.dataFolder, "KVPS", slot), BlockBytes, [&](const uchar* data, qint64 size) {
            if (checked)
                checksum.add(reinterpret_cast<const char*>(data), size);
            summing = summing && sumBlock(data, size, slot);
            return summing || checked;
        });
    if (checked && !part_.error && checksum.value() != *resultsSum)
        part_.damagedFile = resultsName;
    moveSumsToRows();
    return std::move(part_);
}

inline bool TeamStatsReader::counts(const uchar* record, int game) const
{
    const int player = integerAt(record, PlayerStatAt::PlayerNumber);
    if (selection_.individual && player != selection_.individualPlayer)
        return false;
    if (record[PlayerStatAt::Status] != 'A' || game < selection_.fromGame)
        return false;
    if (selection_.playerNumber != 0 && selection_.playerNumber != player)
        return false;
    if (!anyName_ && (player < 1 || player > 99 || lowerNames_[player] != nameFilter_))
        return false;
    if (typeRefused_[record[PlayerStatAt::GameType]])
        return false;
    return !selection_.onlySelectedGames || record[PlayerStatAt::SpecialSelect] == '2';
}

inline void TeamStatsReader::noteGameChange(int game)
{
    if (part_.firstGame == 0)
        part_.firstGame = game;
    part_.lastGame = game;
    ++part_.gameChanges;
}

bool TeamStatsReader::sumBlock(const uchar* data, qint64 size, int slot)
{
    const qint64 whole = size / PlayerStatRecord::Length * PlayerStatRecord::Length;
    for (const uchar* record = data; record != data + whole; record += PlayerStatRecord::Length) {
        const int game = integerAt(record, PlayerStatAt::GameNumber);
        if (game > selection_.toGame)
            return false; // the records run in game order: nothing later can count
        if (!counts(record, game))
            continue;
        if (game != part_.lastGame)
            noteGameChange(game);
        const int player = integerAt(record, PlayerStatAt::PlayerNumber);
        // A number outside 1 to 99 (and every record in individual mode) makes a row of its own.
        if (selection_.individual || player < 1 || player > 99) {
            addRecordRow(record, game, player, slot);
            continue;
        }
        const auto number = static_cast<std::size_t>(player);
        if (playerRow_[number] == 0)
            playerRow_[number] = addRow(player, slot);
        sums_[number].add(record + PlayerStatAt::Values);
    }
    return true;
}

void TeamStatsReader::addRecordRow(const uchar* record, int game, int player, int slot)
{
    PlayerStatsRow& row = part_.rows[static_cast<std::size_t>(addRow(player, slot) - 1)];
    row.games = 1;
    if (selection_.individual) {
        row.gameType = typeValue(record[PlayerStatAt::GameType]);
        row.game = game;
    }
    const uchar* values = record + PlayerStatAt::Values;
    for (std::size_t k = 0; k < row.totals.size(); ++k)
        row.totals[k] = valueAt(values, k);
}

int TeamStatsReader::addRow(int player, int slot)
{
    PlayerStatsRow& row = part_.rows.emplace_back();
    row.team = slot;
    row.name = player >= 1 && player <= 99 ? rightTrimBlanks(names_[player]) : QString();
    part_.maxNameLength = std::max(part_.maxNameLength, static_cast<int>(row.name.size()));
    return static_cast<int>(part_.rows.size());
}

void TeamStatsReader::moveSumsToRows()
{
    for (std::size_t player = 1; player <= 99; ++player) {
        const int rowNumber = playerRow_[player];
        if (rowNumber == 0)
            continue;
        PlayerStatsRow& row = part_.rows[static_cast<std::size_t>(rowNumber - 1)];
        const PlayerSums& sums = sums_[player];
        row.games += sums.games;
        for (std::size_t k = 0; k < row.totals.size(); ++k)
            row.totals[k] += sums.values[k];
    }
}

} // namespace scorvane
