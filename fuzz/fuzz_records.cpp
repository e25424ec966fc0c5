// Every record decoder on arbitrary bytes: decoding never fails, and what it decodes encodes back
// to a record of the right length that decodes to the same thing again.
#include "core/store/GameRecord.h"
#include "core/store/PlayerInfoRecord.h"
#include "core/store/PlayerNameRecord.h"
#include "core/store/PlayerStatRecord.h"
#include "core/store/ReportFormatRecord.h"
#include "core/store/SettingsRecord.h"
#include "core/store/TeamRecord.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

template <typename Record> void roundTrip(const QByteArray& input)
{
    // Short input is padded as a partial record reads: zero bytes for the missing part.
    QByteArray bytes = input.left(Record::Length);
    bytes.resize(Record::Length, '\0');
    const QByteArray once = Record::decode(bytes).encode();
    if (once.size() != Record::Length)
        std::abort();
    if (Record::decode(once).encode() != once)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray input(
        reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    switch (data[0] % 7) {
    case 0:
        roundTrip<scorvane::SettingsRecord>(input);
        break;
    case 1:
        roundTrip<scorvane::TeamRecord>(input);
        break;
    case 2:
        roundTrip<scorvane::PlayerNameRecord>(input);
        break;
    case 3:
        roundTrip<scorvane::GameRecord>(input);
        break;
    case 4:
        roundTrip<scorvane::PlayerStatRecord>(input);
        break;
    case 5:
        roundTrip<scorvane::ReportFormatRecord>(input);
        break;
    default:
        roundTrip<scorvane::PlayerInfoRecord>(input);
        break;
    }
    return 0;
}
