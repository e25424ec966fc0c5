// The roster tables as the roster window edits them, and the rewrite of the roster and
// player-information files checked against hand-built records.
#include "TestSupport.h"

#include "roster/PlayerContacts.h"
#include "roster/RosterTable.h"
#include "shell/TeamSelection.h"

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

QByteArray NameRecord(int number, const char* name)
{
    return le16(number) + pad(name, 17) + QByteArray(182, ' ');
}

QByteArray InfoRecord(int number, const char* phone, const char* address1, const char* address2,
    const char* city, const char* state, const char* zip, const char* other)
{
    const QByteArray spare(20, ' ');
    return le16(number) + pad(phone, 20) + pad(address1, 40) + pad(address2, 40) + pad(city, 20)
        + spare + pad(state, 5) + spare + pad(zip, 10) + spare + pad(other, 70)
        + QByteArray(233, ' ');
}

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

    EXPECT_EQ(f.file("KVPN1.DAT"), NameRecord(4, "Al Diaz") + NameRecord(30, "Zoe Park"));
    const QByteArray other = QByteArray("goalie") + QByteArray(64, 'x');
    EXPECT_EQ(f.file("KVPI1.DAT"),
        InfoRecord(4, "555-0101", "1 Elm St", "", "Springfield", "IL", "62701", "")
            + InfoRecord(12, "", "", "", "Dover", "", "", "")
            + InfoRecord(20, "", "", "", "", "", "", other.constData()));
    EXPECT_EQ(contacts[4].City, QStringLiteral("Springfield")); // kept left-aligned
}

TEST(RosterFiles, AnEmptyRosterGivesEmptyFiles)
{
    RosterFixture f;
    WriteWholeFile(f.t.state.DataPath + QStringLiteral("KVPI1.DAT"),
        InfoRecord(3, "1", "", "", "", "", "", ""));
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
        InfoRecord(9, "nine", "", "", "", "", "", "")
            + InfoRecord(0, "zero", "", "", "", "", "", "")
            + InfoRecord(100, "hundred", "", "", "", "", "", "")
            + InfoRecord(2, "two", "", "", "", "", "", "note"));
    const PlayerContactTable contacts = ReadPlayerContacts(t.state.Files);
    EXPECT_EQ(contacts[9].Phone.trimmed(), QStringLiteral("nine"));
    EXPECT_EQ(contacts[2].OtherInfo.trimmed(), QStringLiteral("note"));
    EXPECT_TRUE(contacts[1].isBlank());
    EXPECT_FALSE(t.state.Files.IsOpen(FilePlayerInfo));
}
