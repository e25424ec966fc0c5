#include "core/reports/PlayerStatsComputation.h"

#include "core/reports/GameTest.h"
#include "core/store/PlayerNameRecord.h"
#include "core/store/PlayerStatRecord.h"
#include "core/store/WholeFile.h"
#include "core/text/Blanks.h"
#include "core/text/Formatting.h"
#include "core/text/TextCodec.h"

#include <array>
#include <bit>
#include <cstring>
#include <vector>

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

// "Player n" for every number, made once: every team's table starts as a copy of it.
const RosterNameTable& defaultRosterNames()
{
    static const RosterNameTable names = [] {
        RosterNameTable all;
        for (int n = 1; n <= 99; ++n)
            all[n] = fitWidth(QStringLiteral("Player") + numberText(n), 17);
        return all;
    }();
    return names;
}

class Computation
{
public:
    explicit Computation(const PlayerStatsInput& input)
        : in_(input)
        , sel_(input.selection)
    {
        // The name filter compares two 17-character texts exactly.
        nameFilter_ = fitWidth(sel_.playerName, 17);
        anyName_ = trimBlanks(nameFilter_).isEmpty();
        for (int type = 1; type <= 7; ++type)
            typeRefused_[static_cast<std::size_t>('0' + type)]
                = !sel_.allTypesCounted && !sel_.typeIsCounted(type);
        table_.rows.reserve(100);
    }

    PlayerStatsResult run()
    {
        PlayerStatsResult result;
        if (in_.teams.isEmpty()) {
            result.table = std::move(table_);
            return result;
        }
        if (sel_.individual) {
            result.error = readTeam(in_.teams.front());
        } else {
            for (int slot : in_.teams) {
                playerRow_.fill(0);
                result.error = readTeam(slot);
                if (result.error)
                    break;
            }
        }
        finish();
        result.table = std::move(table_);
        return result;
    }

private:
    std::optional<FileError> readTeam(int slot)
    {
        std::optional<FileError> error;
        if (in_.teams.size() >= 2 || !in_.currentTeamNames)
            names_ = readRosterNames(teamFile(in_.dataFolder, "KVPN", slot), &error);
        else
            names_ = *in_.currentTeamNames;
        if (error)
            return error;
        if (!anyName_) {
            for (int n = 1; n <= 99; ++n)
                lowerNames_[n] = fitWidth(names_[n], 17).toLower();
        }
        error = file_.read(teamFile(in_.dataFolder, "KVPS", slot));
        if (error)
            return error;
        const uchar* data = file_.data();
        const qint64 count = file_.size() / PlayerStatRecord::Length;
        for (qint64 r = 0; r < count; ++r) {
            const uchar* record = data + r * PlayerStatRecord::Length;
            const int game = integerAt(record, PlayerStatAt::GameNumber);
            if (game > sel_.toGame)
                break; // the records run in game order: nothing later can count
            if (counts(record, game))
                add(record, game, slot);
        }
        return {};
    }

    bool counts(const uchar* record, int game) const
    {
        const int player = integerAt(record, PlayerStatAt::PlayerNumber);
        if (sel_.individual && player != sel_.individualPlayer)
            return false;
        if (record[PlayerStatAt::Status] != 'A' || game < sel_.fromGame)
            return false;
        if (sel_.playerNumber != 0 && sel_.playerNumber != player)
            return false;
        if (!anyName_ && (player < 1 || player > 99 || lowerNames_[player] != nameFilter_))
            return false;
        if (typeRefused_[record[PlayerStatAt::GameType]])
            return false;
        return !sel_.onlySelectedGames || record[PlayerStatAt::SpecialSelect] == '2';
    }

    void add(const uchar* record, int game, int slot)
    {
        const int player = integerAt(record, PlayerStatAt::PlayerNumber);
        const bool known = !sel_.individual && player >= 1 && player <= 99;
        int rowNumber = known ? playerRow_[static_cast<std::size_t>(player)] : 0;
        if (rowNumber == 0) {
            table_.rows.emplace_back();
            rowNumber = table_.rowCount();
            if (known)
                playerRow_[static_cast<std::size_t>(player)] = rowNumber;
            const QString name
                = player >= 1 && player <= 99 ? rightTrimBlanks(names_[player]) : QString();
            table_.rows.back().name = name;
            table_.maxNameLength = std::max(table_.maxNameLength, static_cast<int>(name.size()));
        }
        PlayerStatsRow& totals = table_.rows.front();
        if (game != previousGame_) {
            previousGame_ = game;
            ++totals.games;
        }
        PlayerStatsRow& row = table_.rows[static_cast<std::size_t>(rowNumber - 1)];
        row.team = slot;
        ++row.games;
        if (sel_.individual) {
            row.gameType = typeValue(record[PlayerStatAt::GameType]);
            row.game = game;
        }
        // Row 1's sums are the sums of the rows, taken once at the end.
        const uchar* values = record + PlayerStatAt::Values;
        for (std::size_t k = 0; k < row.totals.size(); ++k)
            row.totals[k] += valueAt(values, k);
    }

    static qint16 valueAt(const uchar* values, std::size_t k)
    {
        if constexpr (std::endian::native == std::endian::little) {
            qint16 value = 0;
            std::memcpy(&value, values + 2 * k, sizeof value);
            return value;
        } else {
            return integerAt(values, 2 * static_cast<int>(k));
        }
    }

    static void percentage(float& target, qint32 numerator, qint32 denominator)
    {
        if (denominator > 0)
            target = static_cast<float>(
                static_cast<double>(qint64{numerator} * 100) / static_cast<double>(denominator));
    }

    void finish()
    {
        const int rows = table_.rowCount();
        auto& sums = table_.rows.front().totals;
        for (int r = 2; r <= rows; ++r) {
            const auto& t = table_.row(r).totals;
            for (std::size_t k = 0; k < sums.size(); ++k)
                sums[k] += t[k];
        }
        table_.displayOrder.assign(static_cast<std::size_t>(rows), 0);
        table_.displayOrder[0] = 1;
        for (int r = rows; r >= 1; --r) {
            PlayerStatsRow& row = table_.row(r);
            if (row.games <= 0)
                continue;
            table_.displayOrder[static_cast<std::size_t>(r - 1)] = r;
            const auto& t = row.totals;
            row.totalShots = t[3] + t[4];
            percentage(row.percentages[PctQS], t[2], t[3]);
            percentage(row.percentages[PctTS], t[2], row.totalShots);
            percentage(row.percentages[PctPK], t[5], t[6]);
            percentage(row.percentages[PctCK], t[7], t[8]);
            percentage(row.percentages[PctSv], t[20], t[21]);
            percentage(row.percentages[PctPS], t[22], t[23]);
        }
        table_.sortedOrder = table_.displayOrder;
    }

    const PlayerStatsInput& in_;
    const ReportSelection& sel_;
    PlayerStatsTable table_;
    WholeFile file_;
    std::array<int, 100> playerRow_{};
    std::array<bool, 256> typeRefused_{};
    RosterNameTable names_;
    RosterNameTable lowerNames_;
    QString nameFilter_;
    bool anyName_ = true;
    int previousGame_ = 0; // kept across teams: row 1 counts changes of game number
};

} // namespace

PlayerStatsResult computePlayerStats(const PlayerStatsInput& input)
{
    return Computation(input).run();
}

RosterNameTable readRosterNames(const QString& rosterPath, std::optional<FileError>* error)
{
    RosterNameTable names = defaultRosterNames();
    WholeFile file;
    const std::optional<FileError> problem = file.read(rosterPath);
    if (error != nullptr)
        *error = problem;
    const qint64 count = file.size() / PlayerNameRecord::Length;
    for (qint64 r = 0; r < count; ++r) {
        const uchar* record = file.data() + r * PlayerNameRecord::Length;
        const int number = integerAt(record, offsetOf(&PlayerNameRecord::playerNumber));
        if (number >= 1 && number <= 99)
            names[number] = TextCodec::decode(reinterpret_cast<const char*>(record) + 2, 17);
    }
    return names;
}

} // namespace scorvane
