#include "core/text/Formatting.h"

#include "core/text/Blanks.h"

#include <array>

namespace scorvane {

QString numberText(qint64 value)
{
    return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value);
}

void appendPadded(QString& line, QStringView text, int width, Align align)
{
    const QStringView trimmed = rightTrimmedView(leftTrimmedView(text));
    if (trimmed.size() > width)
        return;
    const qsizetype blanks = width - trimmed.size();
    const qsizetype before = align == Align::Right ? blanks : align == Align::Left ? 0 : blanks / 2;
    line.reserve(line.size() + width);
    line.resize(line.size() + before, u' ');
    line.append(trimmed);
    line.resize(line.size() + blanks - before, u' ');
}

QString padText(const QString& text, int width, Align align)
{
    QString padded;
    appendPadded(padded, text, width, align);
    return padded;
}

int digitKeyFilter(int keyCode)
{
    if ((keyCode >= '0' && keyCode <= '9') || keyCode == 8 || keyCode == 127)
        return keyCode;
    return 0;
}

QString dateWithSlashes(const QString& date)
{
    return date.mid(0, 2) + u'/' + date.mid(2, 2) + u'/' + date.mid(4, 2);
}

QString dateInWords(const QString& date)
{
    static constexpr std::array<const char16_t*, 12> Months = {u"Jan", u"Feb", u"Mar", u"Apr",
        u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
    const qint64 month = numericValue(date.mid(0, 2));
    const qint64 day = numericValue(date.mid(2, 2));
    const qint64 year = numericValue(date.mid(4, 2));
    const bool shortMonth = month == 4 || month == 6 || month == 9 || month == 11;
    if (month < 1 || month > 12 || day < 1 || day > 31 || (month == 2 && day > 29)
        || (day == 31 && shortMonth))
        return QStringLiteral("ERROR");
    const int century = year < 30 ? 20 : 19;
    return QString::fromUtf16(Months[static_cast<std::size_t>(month - 1)]) + u' ' + numberText(day)
        + QStringLiteral(", ") + numberText(century) + date.mid(4, 2);
}

} // namespace scorvane
