#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace scorvane {

// Writes the fields of one fixed-length record back to back: little-endian 16-bit integers and
// blank-padded 8-bit text, with no alignment padding.
class FieldWriter
{
public:
    explicit FieldWriter(int recordLength);

    void integer(qint16 value);
    void text(const QString& value, int width);   // cut to width or padded with blanks
    void raw(const QByteArray& bytes, int width); // bytes kept as they are, cut or blank-padded
    void byte(char value);

    int offset() const { return offset_; }
    QByteArray finish() const; // asserts that every byte was written

private:
    char* at(int width);

    QByteArray bytes_;
    int offset_ = 0;
};

// Reads the fields of one record in the order they were written. Reading never runs past the
// record, whatever the bytes hold.
class FieldReader
{
public:
    explicit FieldReader(const QByteArray& bytes);

    qint16 integer();
    QString text(int width); // the full width, blanks kept
    QByteArray raw(int width);
    char byte();

    int offset() const { return offset_; }

private:
    const char* at(int width);

    const QByteArray& bytes_;
    int offset_ = 0;
};

// The little-endian 16-bit integer at `offset` of raw record bytes, for the readers that walk a
// whole file without decoding every record.
inline qint16 integerAt(const void* record, int offset)
{
    const auto* bytes = static_cast<const unsigned char*>(record) + offset;
    return static_cast<qint16>(bytes[0] | (bytes[1] << 8));
}

// Writes a little-endian 16-bit integer at `offset` of raw record bytes.
inline void putInteger(void* record, int offset, qint16 value)
{
    auto* bytes = static_cast<unsigned char*>(record) + offset;
    const auto bits = static_cast<quint16>(value);
    bytes[0] = static_cast<unsigned char>(bits & 0xFF);
    bytes[1] = static_cast<unsigned char>(bits >> 8);
}

} // namespace scorvane
