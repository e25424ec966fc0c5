#include "core/store/IntegrityCheck.h"

#include "core/store/DataFiles.h"
#include "core/store/GameRecord.h"
#include "core/store/PlayerInfoRecord.h"
#include "core/store/PlayerNameRecord.h"
#include "core/store/PlayerStatRecord.h"
#include "core/store/TeamRecord.h"
#include "core/text/Paths.h"

#include <QFile>
#include <QFileInfo>

#include <map>
#include <optional>
#include <set>

namespace scorvane {
namespace {

class Checker
{
public:
    explicit Checker(QString folder)
        : folder_(std::move(folder))
    { }

    std::vector<IntegrityProblem> problems;

    // The whole records of a file, or nothing when it is missing or unreadable. A partial
    // record at the end is reported.
    std::optional<std::vector<QByteArray>> records(const QString& wanted, int length)
    {
        const QString path = resolveInFolder(folder_, wanted);
        const QFileInfo info(path);
        if (!info.exists())
            return std::nullopt;
        const QString name = info.fileName();
        if (!info.isFile()) {
            add(name, 0, QStringLiteral("not a regular file (a pipe, device or folder)"));
            return std::nullopt;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            add(name, 0, QStringLiteral("cannot be read: ") + file.errorString());
            return std::nullopt;
        }
        const QByteArray bytes = file.readAll();
        const qint64 whole = bytes.size() / length;
        if (bytes.size() % length != 0)
            add(name, static_cast<qint32>(whole + 1),
                QStringLiteral("a partial record of %1 bytes at the end (records are %2 bytes)")
                    .arg(bytes.size() % length)
                    .arg(length));
        std::vector<QByteArray> all;
        all.reserve(static_cast<std::size_t>(whole));
        for (qint64 r = 0; r < whole; ++r)
            all.push_back(bytes.mid(r * length, length));
        return all;
    }

    void add(const QString& file, qint32 record, const QString& text)
    {
        problems.push_back({file, record, text});
    }

    void checkTeamList()
    {
        const auto list = records(QStringLiteral("KVTEAMS.DAT"), TeamRecord::Length);
        if (!list)
            return;
        if (list->size() != 100)
            add(QStringLiteral("KVTEAMS.DAT"), 0,
                QStringLiteral("holds %1 team records; it must hold 100").arg(list->size()));
    }

    void checkTeam(int slot)
    {
        const QString team = QString::number(slot) + QStringLiteral(".DAT");
        checkPlayerNumbers(QStringLiteral("KVPN") + team, PlayerNameRecord::Length);
        checkPlayerNumbers(QStringLiteral("KVPI") + team, PlayerInfoRecord::Length);

        const auto games = records(QStringLiteral("KVGS") + team, GameRecord::Length);
        std::map<qint16, GameRecord> active;
        if (games) {
            const QString name = QStringLiteral("KVGS") + team;
            qint16 expected = 1;
            for (std::size_t i = 0; i < games->size(); ++i) {
                const GameRecord game = GameRecord::decode((*games)[i]);
                const auto record = static_cast<qint32>(i + 1);
                if (game.gameStatus != 'A' && game.gameStatus != 'D') {
                    add(name, record, QStringLiteral("unknown game status"));
                    continue;
                }
                if (game.gameStatus != 'A')
                    continue;
                if (game.gameNumber != expected)
                    add(name, record,
                        QStringLiteral("active game numbered %1; in record order it is game %2")
                            .arg(game.gameNumber)
                            .arg(expected));
                active.emplace(game.gameNumber, game);
                ++expected;
            }
        }

        const QString name = QStringLiteral("KVPS") + team;
        const auto results = records(name, PlayerStatRecord::Length);
        if (!results)
            return;
        qint16 previousGame = 0;
        std::set<std::pair<qint16, qint16>> seen; // (game, player) of active results
        for (std::size_t i = 0; i < results->size(); ++i) {
            const PlayerStatRecord result = PlayerStatRecord::decode((*results)[i]);
            const auto record = static_cast<qint32>(i + 1);
            if (result.gameNumber < previousGame)
                add(name, record,
                    QStringLiteral("result of game %1 after a result of game %2")
                        .arg(result.gameNumber)
                        .arg(previousGame));
            previousGame = std::max(previousGame, result.gameNumber);
            if (result.playerNumber < 1 || result.playerNumber > 99)
                add(name, record,
                    QStringLiteral("player number %1 outside 1-99").arg(result.playerNumber));
            if (result.statStatus != 'A')
                continue;
            const auto game = active.find(result.gameNumber);
            if (games && game == active.end()) {
                add(name, record,
                    QStringLiteral("active result of game %1, which does not exist")
                        .arg(result.gameNumber));
            } else if (game != active.end()
                && (result.statGameType != game->second.gameType
                    || result.statSpecialSelect != game->second.specialSelect)) {
                add(name, record,
                    QStringLiteral("game type or special mark differs from game %1's")
                        .arg(result.gameNumber));
            }
            if (!seen.insert({result.gameNumber, result.playerNumber}).second)
                add(name, record,
                    QStringLiteral("second active result of player %1 in game %2")
                        .arg(result.playerNumber)
                        .arg(result.gameNumber));
        }
    }

private:
    void checkPlayerNumbers(const QString& wanted, int length)
    {
        const auto all = records(wanted, length);
        if (!all)
            return;
        std::set<qint16> seen;
        for (std::size_t i = 0; i < all->size(); ++i) {
            const QByteArray& bytes = (*all)[i];
            const auto number = static_cast<qint16>(
                static_cast<quint8>(bytes[0]) | (static_cast<quint8>(bytes[1]) << 8));
            const auto record = static_cast<qint32>(i + 1);
            if (number < 1 || number > 99)
                add(wanted, record, QStringLiteral("player number %1 outside 1-99").arg(number));
            else if (!seen.insert(number).second)
                add(wanted, record, QStringLiteral("player number %1 used twice").arg(number));
        }
    }

    QString folder_;
};

} // namespace

QString IntegrityProblem::line() const
{
    if (record > 0)
        return QStringLiteral("%1 record %2: %3").arg(file).arg(record).arg(text);
    return QStringLiteral("%1: %2").arg(file, text);
}

int runCheckCommand(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    const auto print = [](std::FILE* stream, const QString& text) {
        const QByteArray bytes = (text + u'\n').toLocal8Bit();
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    };
    const QString usage = QStringLiteral("usage: scorvane-report check --data DIR");
    QString folder;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == u"--help") {
            print(out, usage);
            return 0;
        }
        if (arguments[i] == u"--data" && i + 1 < arguments.size()) {
            folder = arguments[++i];
        } else if (arguments[i].startsWith(QStringLiteral("--data="))) {
            folder = arguments[i].mid(7);
        } else {
            print(err,
                QStringLiteral("scorvane-report check: unexpected %1\n").arg(arguments[i]) + usage);
            return 2;
        }
    }
    if (folder.isEmpty()) {
        print(err, usage);
        return 2;
    }
    if (!QFileInfo(folder).isDir()) {
        print(err, QStringLiteral("scorvane-report check: cannot read data folder %1").arg(folder));
        return 1;
    }
    const std::vector<IntegrityProblem> problems = checkDataFolder(folder);
    for (const IntegrityProblem& problem : problems)
        print(out, problem.line());
    std::fflush(out);
    return problems.empty() ? 0 : 1;
}

std::vector<IntegrityProblem> checkDataFolder(const QString& folder)
{
    Checker checker(folder.endsWith(u'/') ? folder : folder + u'/');
    checker.checkTeamList();
    for (int slot = 1; slot <= 100; ++slot)
        checker.checkTeam(slot);
    return checker.problems;
}

} // namespace scorvane
