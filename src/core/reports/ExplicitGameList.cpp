#include "core/reports/ExplicitGameList.h"

#include "core/store/GameRecord.h"
#include "core/store/PlayerStatRecord.h"
#include "core/text/Formatting.h"
#include "core/text/Paths.h"

#include <QFile>

#include <algorithm>

namespace scorvane {

namespace {

// Where a record keeps its number, status and mark.
struct MarkedLayout
{
    int length;
    int statusAt;
    int markAt;
};
constexpr MarkedLayout GameLayout{GameRecord::Length, 2, 120};
constexpr MarkedLayout StatLayout{PlayerStatRecord::Length, 5, 7};

bool isSelected(const std::vector<bool>& selected, int gameNumber)
{
    const int entry = gameNumber - 1;
    return entry >= 0 && entry < static_cast<int>(selected.size())
        && selected[static_cast<std::size_t>(entry)];
}

QString storeMarks(
    const QString& path, const MarkedLayout& layout, const std::vector<bool>& selected)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadWrite))
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    const QByteArray bytes = file.readAll();
    const qsizetype count = bytes.size() / layout.length;
    for (qsizetype r = 0; r < count; ++r) {
        QByteArray record = bytes.mid(r * layout.length, layout.length);
        if (record.at(layout.statusAt) != 'A')
            continue;
        const int game = static_cast<qint16>(
            static_cast<uchar>(record.at(0)) | (static_cast<uchar>(record.at(1)) << 8));
        const char mark = isSelected(selected, game) ? '2' : '1';
        if (record.at(layout.markAt) == mark)
            continue;
        record[layout.markAt] = mark;
        if (!file.seek(r * layout.length) || file.write(record) != record.size())
            return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    }
    if (!file.flush())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return {};
}

} // namespace

int ExplicitGameList::selectedCount() const
{
    return static_cast<int>(std::count(selected.begin(), selected.end(), true));
}

ExplicitGameList readExplicitList(const QString& gamesPath, QString* error)
{
    ExplicitGameList list;
    QFile file(gamesPath);
    if (file.exists() && !file.open(QIODevice::ReadOnly)) {
        if (error != nullptr)
            *error = QStringLiteral("cannot read %1: %2").arg(gamesPath, file.errorString());
        return list;
    }
    const QByteArray bytes = file.isOpen() ? file.readAll() : QByteArray();
    const qsizetype count = bytes.size() / GameRecord::Length;
    for (qsizetype r = 0; r < count; ++r) {
        const GameRecord game
            = GameRecord::decode(bytes.mid(r * GameRecord::Length, GameRecord::Length));
        if (game.gameStatus != 'A')
            continue;
        list.lines << numberText(game.gameNumber) + QString(3, u' ')
                + dateWithSlashes(game.gameDate) + QString(2, u' ') + game.opponent + u' '
                + padText(numberText(game.goalsFor), 3, Align::Right) + QStringLiteral(" - ")
                + padText(numberText(game.goalsAgainst), 3, Align::Left);
        if (game.specialSelect == '2' && game.gameNumber >= 1) {
            const auto entry = static_cast<std::size_t>(game.gameNumber - 1);
            if (list.selected.size() <= entry)
                list.selected.resize(entry + 1, false);
            list.selected[entry] = true;
        }
    }
    list.selected.resize(
        std::max(list.selected.size(), static_cast<std::size_t>(list.lines.size())), false);
    return list;
}

QString storeExplicitList(
    const QString& dataFolder, const QList<int>& teams, const std::vector<bool>& selected)
{
    if (teams.size() != 1)
        return {};
    const QString team = QString::number(teams.front()) + QStringLiteral(".DAT");
    QString error = storeMarks(
        resolveInFolder(dataFolder, QStringLiteral("KVGS") + team), GameLayout, selected);
    if (error.isEmpty())
        error = storeMarks(
            resolveInFolder(dataFolder, QStringLiteral("KVPS") + team), StatLayout, selected);
    return error;
}

} // namespace scorvane
