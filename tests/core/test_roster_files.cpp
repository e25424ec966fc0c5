// The roster and player-information files: their rewrite checked against hand-built records,
// renumbering a player (the refusals in order, the move of statistics, roster and contacts), and
// choosing a team, whose roster may come from another installation or be damaged on the way.
#include "GameBytes.h"

#include "core/roster/PlayerContacts.h"
#include "core/roster/PlayerNumberChange.h"
#include "core/roster/RosterTable.h"
#include "core/store/PlayerNameRecord.h"
#include "core/store/PlayerStatRecord.h"
#include "core/teams/TeamSelection.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

struct RosterFixture
{
    TempState t;
    RosterFixture()
    {
        t.state.files.openDataFile(FileRoster);
        loadRosterTables(t.state);
    }
    QByteArray file(const char* name) const
    {
        return readWholeFile(t.state.settings.dataFolder + QString::fromLatin1(name));
    }
};

} // namespace

TEST(RosterFiles, RewriteWritesUsedNumbersAndNonBlankContactsInOrder)
{
    RosterFixture f;
    AppState& s = f.t.state;
    applyNameEdit(s, 30, QStringLiteral(" Zoe Park"));
    applyNameEdit(s, 4, QStringLiteral("Al Diaz"));
    applyNameEdit(s, 12, QStringLiteral("Gone"));
    applyNameEdit(s, 12, QString());

    PlayerContactTable contacts;
    contacts[4] = {QStringLiteral("  555-0101"), QStringLiteral("1 Elm St"), QString(),
        QStringLiteral("  Springfield"), QStringLiteral("IL"), QStringLiteral("62701"), QString()};
    contacts[12].city = QStringLiteral("Dover"); // a freed number keeps its address
    contacts[20].otherInfo = QStringLiteral("   goalie") + QString(80, u'x'); // cut to 70
    contacts[25].phone = QStringLiteral("     ");                             // blank: no record

    rewriteRosterFile(s);
    rewritePlayerContacts(s.files, contacts);
    s.files.closeDataFile(AllFiles);

    EXPECT_EQ(f.file("KVPN1.DAT"), nameBytes(4, "Al Diaz") + nameBytes(30, "Zoe Park"));
    const QByteArray other = QByteArray("goalie") + QByteArray(64, 'x');
    const QByteArray expected
        = InfoBytes{4, "555-0101", "1 Elm St", "", "Springfield", "IL", "62701"}.bytes()
        + InfoBytes{.number = 12, .city = "Dover"}.bytes()
        + InfoBytes{.number = 20, .other = other.constData()}.bytes();
    EXPECT_EQ(f.file("KVPI1.DAT"), expected);
    EXPECT_EQ(contacts[4].city, QStringLiteral("Springfield")); // kept left-aligned
}

TEST(RosterFiles, ReadingPlacesContactsByTheirOwnNumberAndSkipsStrayNumbers)
{
    TempState t;
    t.writeData("KVPI1.DAT",
        InfoBytes{.number = 9, .phone = "nine"}.bytes() + InfoBytes{0, "zero"}.bytes()
            + InfoBytes{100, "hundred"}.bytes() + InfoBytes{.number = 2, .other = "note"}.bytes());
    const PlayerContactTable contacts = readPlayerContacts(t.state.files);
    EXPECT_EQ(contacts[9].phone.trimmed(), QStringLiteral("nine"));
    EXPECT_EQ(contacts[2].otherInfo.trimmed(), QStringLiteral("note"));
    EXPECT_TRUE(contacts[1].isBlank());
    EXPECT_FALSE(t.state.files.isOpen(FilePlayerInfo));
}

TEST(RosterFiles, RewriteKeepsTheLetterCaseOfFilesCopiedFromWindows)
{
    TempState t;
    const QString dir = t.state.settings.dataFolder;
    writeWholeFile(
        dir + QStringLiteral("kvpn1.dat"), nameBytes(7, "Keeper") + nameBytes(8, "Leaving"));
    writeWholeFile(dir + QStringLiteral("kvpi1.dat"),
        InfoBytes{.number = 7, .phone = "555"}.bytes() + InfoBytes{8, "556"}.bytes());
    t.state.files.openDataFile(FileRoster);
    loadRosterTables(t.state);
    applyNameEdit(t.state, 8, QString());
    PlayerContactTable contacts = readPlayerContacts(t.state.files);
    contacts[8] = {};

    rewriteRosterFile(t.state);
    rewritePlayerContacts(t.state.files, contacts);
    t.state.files.closeDataFile(AllFiles);

    // Same two names, and the shorter contents leave no tail of the old records behind.
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), texts({"kvpi1.dat", "kvpn1.dat"}));
    EXPECT_EQ(readWholeFile(dir + QStringLiteral("kvpn1.dat")), nameBytes(7, "Keeper"));
    EXPECT_EQ(readWholeFile(dir + QStringLiteral("kvpi1.dat")),
        (InfoBytes{.number = 7, .phone = "555"}.bytes()));

    // An empty roster gives empty files, still there.
    applyNameEdit(t.state, 7, QString());
    rewriteRosterFile(t.state);
    contacts[7] = {};
    rewritePlayerContacts(t.state.files, contacts);
    t.state.files.closeDataFile(AllFiles);
    EXPECT_EQ(readWholeFile(dir + QStringLiteral("kvpn1.dat")), QByteArray());
    EXPECT_EQ(readWholeFile(dir + QStringLiteral("kvpi1.dat")), QByteArray());
    EXPECT_EQ(QDir(dir).entryList(QDir::Files).size(), 2);
}

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

TEST(BadInput, RosterRecordsOutsideOneToNinetyNineAreSkipped)
{
    TempState t;
    QByteArray bytes;
    for (int number : {5, 150, -3, 99, 0, 7}) {
        PlayerNameRecord p;
        p.playerNumber = static_cast<qint16>(number);
        p.playerName = QStringLiteral("Name %1").arg(number);
        bytes += p.encode();
    }
    t.writeData("KVPN1.DAT", bytes + QByteArray(50, 'x'));
    chooseTeam(t.state);
    // The record numbered 0 ends the reading: 7 stays free.
    EXPECT_EQ(std::tuple(t.state.roster.free[5], t.state.roster.free[99], t.state.roster.free[7]),
        std::tuple(false, false, true));
    EXPECT_EQ(t.state.roster.names[7], QStringLiteral("Player 7         "));
}

TEST(TeamSelection, AnotherTeamForgetsTheGameLastWorkedOn)
{
    TempState t;
    chooseTeam(t.state);
    t.state.currentGame.number = 5;
    t.state.currentGame.reselect = 5;
    chooseTeam(t.state); // the same team keeps it
    EXPECT_EQ(t.state.currentGame.number, 5);
    chooseTeam(t.state, 4);
    EXPECT_EQ(t.state.teamChoice.currentSlot, 4);
    EXPECT_EQ(t.state.currentGame.number, 0);
    EXPECT_EQ(t.state.currentGame.reselect, 0);
}
