#include "core/text/Blanks.h"

namespace scorvane {

QStringView leftTrimmedView(QStringView text)
{
    qsizetype first = 0;
    while (first < text.size() && text[first] == u' ')
        ++first;
    return text.mid(first);
}

QStringView rightTrimmedView(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.left(end);
}

QString leftTrimBlanks(const QString& text)
{
    return text.mid(text.size() - leftTrimmedView(text).size());
}

QString rightTrimBlanks(const QString& text)
{
    return text.left(rightTrimmedView(text).size());
}

QString trimBlanks(const QString& text)
{
    return rightTrimBlanks(leftTrimBlanks(text));
}

QString fitWidth(const QString& text, int width)
{
    if (text.size() >= width)
        return text.left(width);
    return text + QString(width - text.size(), QChar(u' '));
}

qint64 numericValue(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (value < 1'000'000'000'000LL)
            value = value * 10 + (text[i].unicode() - u'0');
    }
    return negative ? -value : value;
}

} // namespace scorvane
