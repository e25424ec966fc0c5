// The roster printout as it reaches a text file: heading, player blocks, place lines, page breaks
// and copies.
#include "TestSupport.h"

#include "core/output/OutputEngine.h"
#include "core/roster/RosterPrintout.h"
#include "core/roster/RosterTable.h"

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

struct PrintFixture
{
    TempState t;
    PlayerContactTable contacts;
    int questions = 0;
    OutputEngine engine{t.state.printJob, t.state.settings, [this](const QString&) {
                            ++questions;
                            return false;
                        }};

    PrintFixture()
    {
        t.state.teamChoice.currentSlot = 1;
        t.state.teamChoice.names[1] = QStringLiteral("Rovers U12") + QString(15, u' ');
        t.state.printJob.title = QStringLiteral("Roster");
        t.state.printJob.outputFile = t.state.settings.dataFolder + QStringLiteral("ROSTER.TXT");
        t.state.printJob.copies = 1;
        t.state.settings.linesPerPage = 60;
    }
    QString print()
    {
        printRoster(t.state, contacts, engine);
        return QString::fromLatin1(readWholeFile(t.state.printJob.outputFile));
    }
};

const QString Heading = QStringLiteral("\r\nRoster\r\n\r\nRovers U12\r\n\r\n");

} // namespace

TEST(RosterPrintout, BlocksShowOnlyTheFieldsGiven)
{
    PrintFixture f;
    applyNameEdit(f.t.state, 10, QStringLiteral("Lee Wu"));
    applyNameEdit(f.t.state, 3, QStringLiteral("Ana Cruz"));
    f.contacts[3]
        = {QStringLiteral("555-0100"), QStringLiteral("1 Oak Rd"), QStringLiteral("Apt 2"),
            QString(), QStringLiteral("NY"), QStringLiteral("10001"), QStringLiteral("Captain")};
    f.contacts[10].zip = QStringLiteral("99999"); // a zip alone gives no place line
    applyNameEdit(f.t.state, 20, QStringLiteral("Bo Li"));
    f.contacts[20] = {QString(), QString(), QString(), QStringLiteral("Dover   "),
        QStringLiteral("  DE"), QStringLiteral("19901"), QString()};
    f.contacts[50].phone = QStringLiteral("555"); // contacts of a free number are not printed
    EXPECT_EQ(f.print(),
        Heading
            + QStringLiteral("3 - Ana Cruz\r\n555-0100\r\n1 Oak Rd\r\nApt 2\r\nNY 10001\r\n"
                             "Captain\r\n\r\n10 - Lee Wu\r\n\r\n20 - Bo Li\r\nDover, DE "
                             "19901\r\n\r\n\r\n\f\r\n"));
}

TEST(RosterPrintout, StartsANewPageWhenThePageIsFullAndRepeatsPerCopy)
{
    PrintFixture f;
    f.t.state.settings.linesPerPage = 10; // heading 5 lines + two-line blocks
    f.t.state.printJob.copies = 2;
    for (int n = 1; n <= 7; ++n)
        applyNameEdit(f.t.state, n, QStringLiteral("P%1").arg(n));
    const QString block = QStringLiteral("%1 - P%1\r\n\r\n");
    const QString feed = QStringLiteral("\f\r\n");
    // Page 1: 5 + 2 + 2 + 2 = 11 lines, the check before block 3 seeing 9 of 10. Page 2
    // starts with the form feed as its line 1: 1 + 5 + 2 + 2 = 10, so block 6 opens page 3
    // (counting only the heading, block 6 would still fit on page 2).
    const QString copy = Heading + block.arg(1) + block.arg(2) + block.arg(3) + feed + Heading
        + block.arg(4) + block.arg(5) + feed + Heading + block.arg(6) + block.arg(7)
        + QStringLiteral("\r\n") + feed;
    EXPECT_EQ(f.print(), copy + copy);
    EXPECT_EQ(f.t.state.printJob.copies, 0);
}
