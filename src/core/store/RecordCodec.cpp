#include "core/store/RecordCodec.h"

#include "core/text/TextCodec.h"

#include <algorithm>
#include <stdexcept>

namespace scorvane {

FieldWriter::FieldWriter(int recordLength)
    : bytes_(recordLength, ' ')
{ }

char* FieldWriter::at(int width)
{
    if (offset_ + width > bytes_.size())
        throw std::logic_error("record field beyond record length");
    char* p = bytes_.data() + offset_;
    offset_ += width;
    return p;
}

void FieldWriter::integer(qint16 value)
{
    putInteger(at(2), 0, value);
}

void FieldWriter::text(const QString& value, int width)
{
    TextCodec::encodeInto(value, width, at(width));
}

void FieldWriter::raw(const QByteArray& bytes, int width)
{
    char* out = at(width);
    const int n = std::min<int>(width, static_cast<int>(bytes.size()));
    std::copy_n(bytes.constData(), n, out);
    std::fill(out + n, out + width, ' ');
}

void FieldWriter::byte(char value)
{
    *at(1) = value;
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
