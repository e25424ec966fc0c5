// The roster tables as the roster window edits them, and the rewrite of the roster and
// player-information files checked against hand-built records.
#include "TestSupport.h"

#include "core/roster/PlayerContacts.h"
#include "core/roster/RosterTable.h"
#include "core/teams/TeamSelection.h"

#include <gtest/gtest.h>

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

TEST(RosterFiles, AnEmptyRosterGivesEmptyFiles)
{
    RosterFixture f;
    f.t.writeData("KVPI1.DAT", InfoBytes{.number = 3, .phone = "1"}.bytes());
    PlayerContactTable contacts;
    rewriteRosterFile(f.t.state);
    rewritePlayerContacts(f.t.state.files, contacts);
    f.t.state.files.closeDataFile(AllFiles);
    EXPECT_TRUE(QFile::exists(f.t.state.settings.dataFolder + QStringLiteral("KVPN1.DAT")));
    EXPECT_EQ(f.file("KVPN1.DAT"), QByteArray());
    EXPECT_EQ(f.file("KVPI1.DAT"), QByteArray());
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
    EXPECT_EQ(QDir(dir).entryList(QDir::Files),
        (QStringList{QStringLiteral("kvpi1.dat"), QStringLiteral("kvpn1.dat")}));
    EXPECT_EQ(readWholeFile(dir + QStringLiteral("kvpn1.dat")), nameBytes(7, "Keeper"));
    EXPECT_EQ(readWholeFile(dir + QStringLiteral("kvpi1.dat")),
        (InfoBytes{.number = 7, .phone = "555"}.bytes()));
}
