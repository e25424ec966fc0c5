#pragma once

#include "core/store/RecordCodec.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <tuple>
#include <type_traits>

// A record type lists its fields once, in file order, as `static constexpr auto fields()`; that one
// list both writes and reads the record and names the offset of every field. Field kinds:
//   integerField  a 16-bit little-endian integer
//   codeField     one byte holding a one-letter code
//   textField     blank-padded 8-bit text of a fixed width (read back at full width, blanks kept)
//   rawField      bytes kept as they are, for reserved fields read and written back unchanged
//   integersField, textsField  a run of integers or of texts of one width (std::array or
//                 OneBasedArray)
namespace scorvane {

namespace layout {

template <typename Array> constexpr int countOf()
{
    if constexpr (requires { Array::Size; })
        return Array::Size;
    else
        return static_cast<int>(std::tuple_size_v<Array>);
}

template <typename Record> struct Integer
{
    qint16 Record::*member;
    constexpr int width() const { return 2; }
    void write(FieldWriter& out, const Record& record) const { out.integer(record.*member); }
    void read(FieldReader& in, Record& record) const { record.*member = in.integer(); }
};

template <typename Record> struct Code
{
    char Record::*member;
    constexpr int width() const { return 1; }
    void write(FieldWriter& out, const Record& record) const { out.byte(record.*member); }
    void read(FieldReader& in, Record& record) const { record.*member = in.byte(); }
};

template <typename Record> struct Text
{
    QString Record::*member;
    int size;
    constexpr int width() const { return size; }
    void write(FieldWriter& out, const Record& record) const { out.text(record.*member, size); }
    void read(FieldReader& in, Record& record) const { record.*member = in.text(size); }
};

template <typename Record> struct Raw
{
    QByteArray Record::*member;
    int size;
    constexpr int width() const { return size; }
    void write(FieldWriter& out, const Record& record) const { out.raw(record.*member, size); }
    void read(FieldReader& in, Record& record) const { record.*member = in.raw(size); }
};

template <typename Record, typename Array> struct Integers
{
    Array Record::*member;
    constexpr int width() const { return 2 * countOf<Array>(); }
    void write(FieldWriter& out, const Record& record) const
    {
        for (qint16 value : record.*member)
            out.integer(value);
    }
    void read(FieldReader& in, Record& record) const
    {
        for (auto& value : record.*member)
            value = in.integer();
    }
};

template <typename Record, typename Array> struct Texts
{
    Array Record::*member;
    int size;
    constexpr int width() const { return size * countOf<Array>(); }
    void write(FieldWriter& out, const Record& record) const
    {
        for (const QString& value : record.*member)
            out.text(value, size);
    }
    void read(FieldReader& in, Record& record) const
    {
        for (auto& value : record.*member)
            value = in.text(size);
    }
};

} // namespace layout

template <typename Record> constexpr auto integerField(qint16 Record::*member)
{
    return layout::Integer<Record>{member};
}
template <typename Record> constexpr auto codeField(char Record::*member)
{
    return layout::Code<Record>{member};
}
template <typename Record> constexpr auto textField(QString Record::*member, int width)
{
    return layout::Text<Record>{member, width};
}
template <typename Record> constexpr auto rawField(QByteArray Record::*member, int width)
{
    return layout::Raw<Record>{member, width};
}
template <typename Record, typename Array> constexpr auto integersField(Array Record::*member)
{
    return layout::Integers<Record, Array>{member};
}
template <typename Record, typename Array>
constexpr auto textsField(Array Record::*member, int width)
{
    return layout::Texts<Record, Array>{member, width};
}

// The bytes the field list adds up to; each record checks it against its Length.
template <typename Record> constexpr int layoutLength()
{
    return std::apply(
        [](const auto&... field) { return (0 + ... + field.width()); }, Record::fields());
}

// The byte offset of `member` in the record; -1 when the field list does not hold it.
template <typename Record, typename Member> constexpr int offsetOf(Member Record::*member)
{
    int offset = 0;
    int found = -1;
    const auto visit = [&](const auto& field) {
        if constexpr (std::is_same_v<decltype(field.member), Member Record::*>) {
            if (found < 0 && field.member == member)
                found = offset;
        }
        offset += field.width();
    };
    std::apply([&](const auto&... field) { (visit(field), ...); }, Record::fields());
    return found;
}

template <typename Record> QByteArray encodeRecord(const Record& record)
{
    FieldWriter out(Record::Length);
    std::apply([&](const auto&... field) { (field.write(out, record), ...); }, Record::fields());
    return out.finish();
}

template <typename Record> Record decodeRecord(const QByteArray& bytes)
{
    FieldReader in(bytes);
    Record record;
    std::apply([&](const auto&... field) { (field.read(in, record), ...); }, Record::fields());
    return record;
}

} // namespace scorvane
