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
        t.state.Files.OpenDataFile(FileRoster);
        LoadRosterTables(t.state);
    }
    QByteArray file(const char* name) const
    {
        return ReadWholeFile(t.state.DataPath + QString::fromLatin1(name));
    }
};

} // namespace

TEST(RosterTable, NameEditsAreTrimmedCutAndComparedTrimmed)
{
    RosterFixture f;
    AppState& s = f.t.state;
    EXPECT_EQ(ApplyNameEdit(s, 5, QStringLiteral("   ")), NameEdit::Unchanged);
    EXPECT_EQ(s.RosterFree[5], QStringLiteral("Y"));

    EXPECT_EQ(ApplyNameEdit(s, 5, QStringLiteral("  Christopher Montgomery ")), NameEdit::Named);
    EXPECT_EQ(s.RosterFree[5], QStringLiteral("N"));
    EXPECT_EQ(s.RosterNames[5], QStringLiteral("Christopher Montg"));

    EXPECT_EQ(ApplyNameEdit(s, 12, QStringLiteral("Kim")), NameEdit::Named);
    EXPECT_EQ(ApplyNameEdit(s, 12, QStringLiteral("  Kim   ")), NameEdit::Unchanged);
    EXPECT_EQ(ApplyNameEdit(s, 12, QStringLiteral("Kimberly")), NameEdit::Named);
    EXPECT_EQ(s.RosterNames[12], QStringLiteral("Kimberly         "));

    // Erasing frees the number under the placeholder name, sign blank included.
    EXPECT_EQ(ApplyNameEdit(s, 12, QString()), NameEdit::Freed);
    EXPECT_EQ(s.RosterFree[12], QStringLiteral("Y"));
    EXPECT_EQ(s.RosterNames[12], QStringLiteral("player 12        "));
}

TEST(RosterFiles, RewriteWritesUsedNumbersAndNonBlankContactsInOrder)
{
    RosterFixture f;
    AppState& s = f.t.state;
    ApplyNameEdit(s, 30, QStringLiteral(" Zoe Park"));
    ApplyNameEdit(s, 4, QStringLiteral("Al Diaz"));
    ApplyNameEdit(s, 12, QStringLiteral("Gone"));
    ApplyNameEdit(s, 12, QString());

    PlayerContactTable contacts;
    contacts[4] = {QStringLiteral("  555-0101"), QStringLiteral("1 Elm St"), QString(),
        QStringLiteral("  Springfield"), QStringLiteral("IL"), QStringLiteral("62701"), QString()};
    contacts[12].City = QStringLiteral("Dover"); // a freed number keeps its address
    contacts[20].OtherInfo = QStringLiteral("   goalie") + QString(80, u'x'); // cut to 70
    contacts[25].Phone = QStringLiteral("     ");                             // blank: no record

    RewriteRosterFile(s);
    RewritePlayerContacts(s.Files, contacts);
    s.Files.CloseDataFile(AllFiles);

    EXPECT_EQ(f.file("KVPN1.DAT"), NameBytes(4, "Al Diaz") + NameBytes(30, "Zoe Park"));
    const QByteArray other = QByteArray("goalie") + QByteArray(64, 'x');
    const QByteArray expected
        = InfoBytes{4, "555-0101", "1 Elm St", "", "Springfield", "IL", "62701"}.bytes()
        + InfoBytes{.number = 12, .city = "Dover"}.bytes()
        + InfoBytes{.number = 20, .other = other.constData()}.bytes();
    EXPECT_EQ(f.file("KVPI1.DAT"), expected);
    EXPECT_EQ(contacts[4].City, QStringLiteral("Springfield")); // kept left-aligned
}

TEST(RosterFiles, AnEmptyRosterGivesEmptyFiles)
{
    RosterFixture f;
    WriteWholeFile(f.t.state.DataPath + QStringLiteral("KVPI1.DAT"),
        InfoBytes{.number = 3, .phone = "1"}.bytes());
    PlayerContactTable contacts;
    RewriteRosterFile(f.t.state);
    RewritePlayerContacts(f.t.state.Files, contacts);
    f.t.state.Files.CloseDataFile(AllFiles);
    EXPECT_TRUE(QFile::exists(f.t.state.DataPath + QStringLiteral("KVPN1.DAT")));
    EXPECT_EQ(f.file("KVPN1.DAT"), QByteArray());
    EXPECT_EQ(f.file("KVPI1.DAT"), QByteArray());
}

TEST(RosterFiles, ReadingPlacesContactsByTheirOwnNumberAndSkipsStrayNumbers)
{
    TempState t;
    WriteWholeFile(t.state.DataPath + QStringLiteral("KVPI1.DAT"),
        InfoBytes{.number = 9, .phone = "nine"}.bytes() + InfoBytes{0, "zero"}.bytes()
            + InfoBytes{100, "hundred"}.bytes() + InfoBytes{.number = 2, .other = "note"}.bytes());
    const PlayerContactTable contacts = ReadPlayerContacts(t.state.Files);
    EXPECT_EQ(contacts[9].Phone.trimmed(), QStringLiteral("nine"));
    EXPECT_EQ(contacts[2].OtherInfo.trimmed(), QStringLiteral("note"));
    EXPECT_TRUE(contacts[1].isBlank());
    EXPECT_FALSE(t.state.Files.IsOpen(FilePlayerInfo));
}

TEST(RosterFiles, RewriteKeepsTheLetterCaseOfFilesCopiedFromWindows)
{
    TempState t;
    const QString dir = t.state.DataPath;
    WriteWholeFile(
        dir + QStringLiteral("kvpn1.dat"), NameBytes(7, "Keeper") + NameBytes(8, "Leaving"));
    WriteWholeFile(dir + QStringLiteral("kvpi1.dat"),
        InfoBytes{.number = 7, .phone = "555"}.bytes() + InfoBytes{8, "556"}.bytes());
    t.state.Files.OpenDataFile(FileRoster);
    LoadRosterTables(t.state);
    ApplyNameEdit(t.state, 8, QString());
    PlayerContactTable contacts = ReadPlayerContacts(t.state.Files);
    contacts[8] = {};

    RewriteRosterFile(t.state);
    RewritePlayerContacts(t.state.Files, contacts);
    t.state.Files.CloseDataFile(AllFiles);

    // Same two names, and the shorter contents leave no tail of the old records behind.
    EXPECT_EQ(QDir(dir).entryList(QDir::Files),
        (QStringList{QStringLiteral("kvpi1.dat"), QStringLiteral("kvpn1.dat")}));
    EXPECT_EQ(ReadWholeFile(dir + QStringLiteral("kvpn1.dat")), NameBytes(7, "Keeper"));
    EXPECT_EQ(ReadWholeFile(dir + QStringLiteral("kvpi1.dat")),
        (InfoBytes{.number = 7, .phone = "555"}.bytes()));
}
