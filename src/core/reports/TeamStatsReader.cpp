#include "core/reports/TeamStatsReader.h"

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

void TeamStatsReader::PlayerSums::add(const uchar* bytes)
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
    if (input_.teams.size() >= 2 || !input_.currentTeamNames)
        names_ = readRosterNames(teamFile(input_.dataFolder, "KVPN", slot), &part_.error);
    else
        names_ = *input_.currentTeamNames;
    if (part_.error)
        return std::move(part_);
    if (!anyName_) {
        for (int n = 1; n <= 99; ++n)
            lowerNames_[n] = fitWidth(names_[n], 17).toLower();
    }
    part_.error = file_.readInBlocks(teamFile(input_.dataFolder, "KVPS", slot), BlockBytes,
        [this, slot](const uchar* data, qint64 size) {
            const qint64 whole = size / PlayerStatRecord::Length * PlayerStatRecord::Length;
            for (const uchar* record = data; record != data + whole;
                 record += PlayerStatRecord::Length) {
                const int game = integerAt(record, PlayerStatAt::GameNumber);
                if (game > selection_.toGame)
                    return false; // the records run in game order: nothing later can count
                if (counts(record, game))
                    add(record, game, slot);
            }
            return true;
        });
    moveSumsToRows();
    return std::move(part_);
}

bool TeamStatsReader::counts(const uchar* record, int game) const
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

void TeamStatsReader::add(const uchar* record, int game, int slot)
{
    const int player = integerAt(record, PlayerStatAt::PlayerNumber);
    // A number outside 1 to 99 (and every record in individual mode) makes a row of its own.
    const bool known = !selection_.individual && player >= 1 && player <= 99;
    int rowNumber = known ? playerRow_[static_cast<std::size_t>(player)] : 0;
    if (rowNumber == 0) {
        rowNumber = addRow(player, slot);
        if (known)
            playerRow_[static_cast<std::size_t>(player)] = rowNumber;
    }
    if (game != part_.lastGame) {
        if (part_.firstGame == 0)
            part_.firstGame = game;
        part_.lastGame = game;
        ++part_.gameChanges;
    }
    const uchar* values = record + PlayerStatAt::Values;
    if (known) {
        sums_[static_cast<std::size_t>(player)].add(values);
        return;
    }
    PlayerStatsRow& row = part_.rows[static_cast<std::size_t>(rowNumber - 1)];
    ++row.games;
    if (selection_.individual) {
        row.gameType = typeValue(record[PlayerStatAt::GameType]);
        row.game = game;
    }
    for (std::size_t k = 0; k < row.totals.size(); ++k)
        row.totals[k] += valueAt(values, k);
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
