#include "workbook/SheetNames.h"

namespace scorvane {

namespace {

QString tidied(const QString& wanted)
{
    QString name;
    for (const QChar c : wanted) {
        const bool refused
            = QStringLiteral("[]:*?/\\").contains(c) || c.category() == QChar::Other_Control;
        name += refused ? QChar(u' ') : c;
    }
    name = name.simplified();
    while (name.startsWith(u'\'') || name.endsWith(u'\'')) {
        name = name.startsWith(u'\'') ? name.mid(1) : name.chopped(1);
        name = name.trimmed();
    }
    return name.isEmpty() ? QStringLiteral("Sheet") : name;
}

// The first `length` characters, not cutting a character that takes two code units in half.
QString leftPart(const QString& text, qsizetype length)
{
    QString part = text.left(length);
    if (!part.isEmpty() && part.back().isHighSurrogate())
        part.chop(1);
    return part.trimmed();
}

bool isTaken(const QString& name, const QStringList& taken)
{
    return taken.contains(name, Qt::CaseInsensitive);
}

} // namespace

QString uniqueSheetName(const QString& wanted, const QStringList& taken)
{
    const QString base = tidied(wanted);
    QString name = leftPart(base, SheetNameLength);
    for (int n = 2; isTaken(name, taken); ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        name = leftPart(base, SheetNameLength - suffix.size()) + suffix;
    }
    return name;
}

} // namespace scorvane
