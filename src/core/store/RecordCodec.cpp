#include "core/store/RecordCodec.h"

#include "core/text/TextCodec.h"

#include <stdexcept>

namespace scorvane {

FieldWriter::FieldWriter(int recordLength)
    : bytes_(recordLength, ' ')
{ }

void FieldWriter::integer(qint16 value)
{
    const auto bits = static_cast<quint16>(value);
    bytes_[offset_] = static_cast<char>(bits & 0xFF);
    bytes_[offset_ + 1] = static_cast<char>(bits >> 8);
    offset_ += 2;
}

void FieldWriter::text(const QString& value, int width)
{
    raw(TextCodec::encode(value.left(width)), width);
}

void FieldWriter::raw(const QByteArray& bytes, int width)
{
    if (offset_ + width > bytes_.size())
        throw std::logic_error("record field beyond record length");
    const int n = std::min<int>(width, static_cast<int>(bytes.size()));
    for (int i = 0; i < width; ++i)
        bytes_[offset_ + i] = i < n ? bytes[i] : ' ';
    offset_ += width;
}

void FieldWriter::byte(char value)
{
    bytes_[offset_++] = value;
}

QByteArray FieldWriter::finish() const
{
    if (offset_ != bytes_.size())
        throw std::logic_error("record fields do not fill the record");
    return bytes_;
}

FieldReader::FieldReader(const QByteArray& bytes)
    : bytes_(bytes)
{ }

const char* FieldReader::at(int width)
{
    if (offset_ + width > bytes_.size())
        throw std::logic_error("record field beyond record length");
    const char* p = bytes_.constData() + offset_;
    offset_ += width;
    return p;
}

qint16 FieldReader::integer()
{
    const auto* p = reinterpret_cast<const unsigned char*>(at(2));
    return static_cast<qint16>(static_cast<quint16>(p[0] | (p[1] << 8)));
}

QString FieldReader::text(int width)
{
    return TextCodec::decode(at(width), width);
}

QByteArray FieldReader::raw(int width)
{
    return QByteArray(at(width), width);
}

char FieldReader::byte()
{
    return *at(1);
}

} // namespace scorvane
