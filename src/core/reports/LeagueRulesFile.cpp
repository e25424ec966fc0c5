#include "core/reports/LeagueRulesFile.h"

#include "core/store/ChangeSet.h"
#include "core/text/TextCodec.h"

#include <QFile>
#include <QStringList>

#include <cerrno>
#include <cstring>

namespace scorvane {

namespace {

constexpr int Version = 1;
const QString Signature = QStringLiteral("scorvane league rules");

// A whole number of the file (digits with an optional minus); empty for anything else.
std::optional<int> fileNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// Reads the lines after the signature into `rules`; the problem of the first bad line, if any.
QString readLines(const QStringList& lines, LeagueRules& rules)
{
    rules.tieBreakers.clear();
    rules.deductions.clear();
    bool ended = false;
    for (qsizetype i = 1; i < lines.size() && !ended; ++i) {
        const QString& line = lines[i];
        const QString where = QStringLiteral("line %1: ").arg(i + 1);
        const qsizetype blank = line.indexOf(u' ');
        const QString key = blank < 0 ? line : line.left(blank);
        const QString value = blank < 0 ? QString() : line.mid(blank + 1);
        if (key == u"end") {
            ended = true;
        } else if (key == u"name") {
            rules.name = value;
        } else if (key == u"win" || key == u"tie" || key == u"loss" || key == u"cap") {
            const auto n = fileNumber(value);
            if (!n)
                return where + QStringLiteral("\"%1\" needs a number, not \"%2\"").arg(key, value);
            int& target = key == u"win" ? rules.pointsForWin
                : key == u"tie"         ? rules.pointsForTie
                : key == u"loss"        ? rules.pointsForLoss
                                        : rules.goalDifferenceCap;
            target = *n;
        } else if (key == u"rule") {
            const auto rule = tieBreakerFromKey(value);
            if (!rule)
                return where + QStringLiteral("unknown rule \"%1\"").arg(value);
            rules.tieBreakers.push_back(*rule);
        } else if (key == u"deduction") {
            const QStringList parts = value.split(u' ');
            const auto slot = parts.size() >= 3 ? fileNumber(parts[0]) : std::nullopt;
            const auto points = parts.size() >= 3 ? fileNumber(parts[1]) : std::nullopt;
            if (!slot || !points)
                return where + QStringLiteral("a deduction needs a slot, points and a reason");
            rules.deductions.push_back(PointsDeduction{*slot, *points, parts.mid(2).join(u' ')});
        } else if (!line.isEmpty()) {
            return where + QStringLiteral("unknown entry \"%1\"").arg(key);
        }
    }
    return ended ? QString() : QStringLiteral("the file ends early");
}

} // namespace

QString leagueRulesFileName()
{
    return QStringLiteral("KVLEAGUE.INI");
}

QString leagueRulesPath(const QString& settingsFolder)
{
    return settingsFolder + leagueRulesFileName();
}

QByteArray encodeLeagueRules(const LeagueRules& rules)
{
    QString text = Signature + u' ' + QString::number(Version) + QStringLiteral("\n");
    text += QStringLiteral("name ") + rules.name + u'\n';
    text += QStringLiteral("win %1\ntie %2\nloss %3\ncap %4\n")
                .arg(rules.pointsForWin)
                .arg(rules.pointsForTie)
                .arg(rules.pointsForLoss)
                .arg(rules.goalDifferenceCap);
    for (TieBreaker rule : rules.tieBreakers)
        text += QStringLiteral("rule ") + tieBreakerKey(rule) + u'\n';
    for (const PointsDeduction& d : rules.deductions) {
        // A reason is one line of the file.
        QString reason = d.reason;
        reason.replace(u'\n', u' ').replace(u'\r', u' ');
        text += QStringLiteral("deduction %1 %2 %3\n").arg(d.slot).arg(d.points).arg(reason);
    }
    text += QStringLiteral("end\n");
    return TextCodec::encode(text);
}

LeagueRulesRead decodeLeagueRules(const QByteArray& bytes)
{
    QString text = TextCodec::decode(bytes);
    // Control bytes read as their pictures; the file's own line ends are plain.
    text.replace(QChar(0x240D), QString()).replace(QChar(0x240A), QStringLiteral("\n"));
    const QStringList lines = text.split(u'\n');
    const QString first = lines.first();
    if (!first.startsWith(Signature + u' '))
        return {std::nullopt, QStringLiteral("it is not a league rules file")};
    const auto version = fileNumber(first.mid(Signature.size() + 1));
    if (!version || *version < 1)
        return {std::nullopt, QStringLiteral("it is damaged: line 1: no version")};
    if (*version > Version)
        return {std::nullopt,
            QStringLiteral("it was written by a newer version of the program (rules version %1; "
                           "this version reads %2)")
                .arg(*version)
                .arg(Version)};
    LeagueRules rules;
    const QString damage = readLines(lines, rules);
    if (!damage.isEmpty())
        return {std::nullopt, QStringLiteral("it is damaged: ") + damage};
    if (const auto problem = rulesProblem(rules))
        return {std::nullopt, problem->text};
    return {rules, {}};
}

LeagueRulesRead readLeagueRules(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return {LeagueRules{}, {}};
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    return decodeLeagueRules(file.readAll());
}

QString writeLeagueRules(const QString& path, const LeagueRules& rules)
{
    const QByteArray bytes = encodeLeagueRules(rules);
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == bytes)
        return {};
    old.close();
    ChangeSet change(QStringLiteral("Saving the league rules"));
    change.replace(path, bytes);
    if (change.commit() == ChangeSet::Outcome::Failed)
        return QString::fromLocal8Bit(std::strerror(change.failedErrno()));
    return {};
}

} // namespace scorvane
