#pragma once

#include <QByteArray>
#include <QString>

namespace scorvane {

// Text fields on disk hold Windows-1252 bytes. The table is our own and total: every byte maps
// to one character and back, including the five bytes Windows-1252 leaves undefined (they map to
// the C1 control characters of the same value), so reading and writing a record never alters it.
// Control bytes 0x00-0x1F and 0x7F read as their Unicode control pictures (U+2400 on); the
// plain control characters still write as those bytes.
class TextCodec
{
public:
    static QChar decodeByte(unsigned char byte);
    static QString decode(const QByteArray& bytes);
    static QString decode(const char* bytes, int length);

    // A character with no byte in the table becomes "?".
    static char encodeChar(QChar ch);
    static QByteArray encode(const QString& text);
    // The first `width` characters written as bytes at `out`, the rest of the width blanks.
    static void encodeInto(QStringView text, int width, char* out);

    // Whether the character has a byte of its own, so that it reads back as typed.
    static bool canStore(QChar ch);
    // The text without the characters that would be saved as "?".
    static QString storableOnly(const QString& text);
};

} // namespace scorvane
