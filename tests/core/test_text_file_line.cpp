#include "core/output/TextFileOutput.h"
#include "core/text/TextCodec.h"

#include <gtest/gtest.h>

using namespace scorvane;

// A name with control bytes (here a bell and a terminal's clear-screen sequence) reaches a report
// file with each control byte as "?", so the report cannot drive the terminal that shows it;
// Windows-1252 letters and the page break stay as they are.
TEST(TextFileLine, ControlBytesInNamesPrintAsAVisibleStandIn)
{
    const QByteArray stored("Al\x07\x1b[2J Ren\xe9\x81\x7f  ", 15);
    EXPECT_EQ(textFileLine(TextCodec::decode(stored)), QByteArray("Al??[2J Ren\xe9??\r\n"));
    EXPECT_EQ(textFileLine(QStringLiteral("\f")), QByteArray("\f\r\n"));
}
