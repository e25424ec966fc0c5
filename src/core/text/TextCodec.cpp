#include "core/text/TextCodec.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace scorvane {
namespace {

// Bytes 0x80-0x9F; the rest of the table is the identity (Latin-1).
constexpr std::array<char16_t, 32> HighControls
    = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char16_t ControlPictures = 0x2400; // U+2400 to U+241F picture bytes 0x00 to 0x1F
constexpr char16_t DeletePicture = 0x2421;

const std::unordered_map<char16_t, unsigned char>& reverseTable()
{
    static const std::unordered_map<char16_t, unsigned char> table = [] {
        std::unordered_map<char16_t, unsigned char> map;
        for (int b = 0; b < 256; ++b)
            map.emplace(TextCodec::decodeByte(static_cast<unsigned char>(b)).unicode(),
                static_cast<unsigned char>(b));
        return map;
    }();
    return table;
}

} // namespace

QChar TextCodec::decodeByte(unsigned char byte)
{
    // Control bytes (found in files from damaged disks or other programs) are read as their
    // visible pictures: a raw line feed would split a list line in two and a raw NUL shows as
    // nothing. Both forms are written back as the same byte.
    if (byte < 0x20)
        return QChar(static_cast<char16_t>(ControlPictures + byte));
    if (byte == 0x7F)
        return QChar(DeletePicture);
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(HighControls[byte - 0x80]);
    return QChar(static_cast<char16_t>(byte));
}

QString TextCodec::decode(const char* bytes, int length)
{
    QString text(length, QChar(u' '));
    for (int i = 0; i < length; ++i)
        text[i] = decodeByte(static_cast<unsigned char>(bytes[i]));
    return text;
}

QString TextCodec::decode(const QByteArray& bytes)
{
    return decode(bytes.constData(), static_cast<int>(bytes.size()));
}

char TextCodec::encodeChar(QChar ch)
{
    const char16_t code = ch.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    const auto& table = reverseTable();
    const auto found = table.find(code);
    return found == table.end() ? '?' : static_cast<char>(found->second);
}

bool TextCodec::canStore(QChar ch)
{
    return ch == QLatin1Char('?') || encodeChar(ch) != '?';
}

QString TextCodec::storableOnly(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar ch : text) {
        if (canStore(ch))
            kept.append(ch);
    }
    return kept;
}

QByteArray TextCodec::encode(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    encodeInto(text, static_cast<int>(text.size()), bytes.data());
    return bytes;
}

void TextCodec::encodeInto(QStringView text, int width, char* out)
{
    const qsizetype n = std::min<qsizetype>(width, text.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t code = text[i].unicode();
        out[i] = code < 0x80 ? static_cast<char>(code) : encodeChar(text[i]);
    }
    std::fill(out + n, out + width, ' ');
}

} // namespace scorvane
