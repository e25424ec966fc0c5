#include "core/reports/TeamReportText.h"

#include "core/reports/GameFileReader.h"
#include "core/text/Formatting.h"

#include <cmath>

namespace scorvane {

namespace {

// The whole part as the "#" places write it: nothing for zero.
QString wholePart(qint64 value)
{
    return value == 0 ? QString() : QString::number(value);
}

} // namespace

QString winningPctText(float pct)
{
    const qint64 thousandths = std::llround(static_cast<double>(pct) * 1000.0);
    return wholePart(thousandths / 1000) + u'.'
        + QStringLiteral("%1").arg(thousandths % 1000, 3, 10, QChar(u'0'));
}

QString rawWinningPct(float pct)
{
    const QString text = winningPctText(pct);
    return text.startsWith(u'.') ? u'0' + text : text;
}

QString gamesBehindText(int winsMinusLossesBehind)
{
    return wholePart(winsMinusLossesBehind / 2) + u'.'
        + QString::number(winsMinusLossesBehind % 2 * 5);
}

QString printedResultWord(qint16 goalsFor, qint16 goalsAgainst)
{
    switch (outcomeOf(goalsFor, goalsAgainst)) {
    case GameOutcome::Won:
        return QStringLiteral("WON");
    case GameOutcome::Lost:
        return QStringLiteral("Lost");
    case GameOutcome::Tied:
        break;
    }
    return QStringLiteral("Tie");
}

QString shownResultWord(qint16 goalsFor, qint16 goalsAgainst)
{
    const QString word = printedResultWord(goalsFor, goalsAgainst);
    return word == u"WON" ? QStringLiteral("Won") : word;
}

QString countField(qint64 value, int width)
{
    return padText(numberText(value), width, Align::Right);
}

} // namespace scorvane
