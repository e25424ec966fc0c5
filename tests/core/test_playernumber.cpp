// Renumbering a player: the refusals in order, and the move of statistics, roster and contacts.
#include "GameBytes.h"

#include "core/roster/PlayerNumberChange.h"
#include "core/roster/RosterTable.h"
#include "core/store/PlayerStatRecord.h"
#include "core/teams/TeamSelection.h"

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

QByteArray statRecord(int game, int player, char status)
{
    return resultBytes(game, player, {}, status);
}

struct NumberFixture
{
    TempState t;
    PlayerContactTable contacts;

    explicit NumberFixture(const QByteArray& stats = {})
    {
        t.writeData("KVPS1.DAT", stats);
        t.state.files.openDataFile(FileRoster);
        t.state.files.openDataFile(FileStats);
        loadRosterTables(t.state);
        applyNameEdit(t.state, 7, QStringLiteral("Sam Ray"));
        applyNameEdit(t.state, 9, QStringLiteral("Ida Fox"));
        rewriteRosterFile(t.state);
        contacts[7].phone = QStringLiteral("555-0107");
    }
    QString check(int from, int to) { return checkNewPlayerNumber(t.state, from, to); }
    QByteArray file(const char* name)
    {
        t.state.files.closeDataFile(AllFiles);
        return readWholeFile(t.state.settings.dataFolder + QString::fromLatin1(name));
    }
};

} // namespace

TEST(PlayerNumberChange, RefusalsInOrder)
{
    NumberFixture f(statRecord(1, 12, 'A') + statRecord(1, 13, 'I') + statRecord(2, 9, 'A'));
    EXPECT_EQ(f.check(7, 0), QStringLiteral("Must be 1 to 99!"));
    EXPECT_EQ(f.check(7, 100), QStringLiteral("Must be 1 to 99!"));
    EXPECT_EQ(f.check(7, 7), QStringLiteral("Same as old player number!"));
    EXPECT_EQ(f.check(7, 12), QStringLiteral("Games already recorded for new number!"));
    // Active statistics are checked before the roster: 9 is both used and recorded.
    EXPECT_EQ(f.check(7, 9), QStringLiteral("Games already recorded for new number!"));
    EXPECT_EQ(f.check(8, 20), QStringLiteral("No player under old number!"));
    applyNameEdit(f.t.state, 20, QStringLiteral("New Kid"));
    EXPECT_EQ(f.check(7, 20), QStringLiteral("New number already on roster!"));
    // Statistics that do not count do not block the number.
    EXPECT_EQ(f.check(7, 13), QString());
}

TEST(PlayerNumberChange, MovesStatisticsRosterAndContacts)
{
    const QByteArray stats = statRecord(1, 7, 'A') + statRecord(1, 12, 'I') + statRecord(2, 9, 'A')
        + statRecord(3, 7, 'D');
    NumberFixture f(stats);
    ASSERT_EQ(f.check(7, 12), QString());
    changePlayerNumber(f.t.state, f.contacts, 7, 12);

    EXPECT_FALSE(f.t.state.roster.free[12]);
    EXPECT_EQ(f.t.state.roster.names[12], QStringLiteral("Sam Ray          "));
    EXPECT_TRUE(f.t.state.roster.free[7]);
    EXPECT_EQ(playerListLine(f.t.state, 7), QStringLiteral("  7 ____________________"));
    EXPECT_EQ(f.contacts[12].phone, QStringLiteral("555-0107"));
    EXPECT_TRUE(f.contacts[7].isBlank());

    // Every record of 7 becomes 12 whatever its status; the others stay.
    EXPECT_EQ(f.file("KVPS1.DAT"),
        statRecord(1, 12, 'A') + statRecord(1, 12, 'I') + statRecord(2, 9, 'A')
            + statRecord(3, 12, 'D'));
    EXPECT_EQ(f.file("KVPN1.DAT"), nameBytes(9, "Ida Fox") + nameBytes(12, "Sam Ray"));
}
