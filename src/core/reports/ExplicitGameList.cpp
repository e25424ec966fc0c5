#include "core/reports/ExplicitGameList.h"

#include "core/store/DataFiles.h"
#include "core/store/GameRecord.h"
#include "core/store/PlayerStatRecord.h"
#include "core/text/Formatting.h"

#include <QFile>

#include <algorithm>

namespace scorvane {

namespace {

bool isSelected(const std::vector<bool>& selected, int gameNumber)
{
    const int entry = gameNumber - 1;
    return entry >= 0 && entry < static_cast<int>(selected.size())
        && selected[static_cast<std::size_t>(entry)];
}

// Rewrites the mark of each active record of the file whose mark differs from the list's.
template <typename Record>
void storeMarks(DataFiles& files, int fileNumber, char Record::*status, char Record::*mark,
    const std::vector<bool>& selected)
{
    constexpr int numberAt = offsetOf(&Record::gameNumber);
    const int statusAt = offsetOf(status);
    const int markAt = offsetOf(mark);
    const QByteArray bytes = files.readBytes(fileNumber, 0, files.fileLength(fileNumber));
    const qsizetype count = bytes.size() / Record::Length;
    for (qsizetype r = 0; r < count; ++r) {
        const char* record = bytes.constData() + r * Record::Length;
        if (record[statusAt] != 'A')
            continue;
        const char wanted = isSelected(selected, integerAt(record, numberAt)) ? '2' : '1';
        if (record[markAt] == wanted)
            continue;
        QByteArray changed(record, Record::Length); // every other byte exactly as it was
        changed[markAt] = wanted;
        files.writeRecord(fileNumber, static_cast<qint32>(r + 1), changed);
    }
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

bool storeExplicitList(DataFiles& files, int teamCount, const std::vector<bool>& selected)
{
    if (teamCount != 1)
        return true;
    return files.change(QStringLiteral("Storing the selected games"), [&] {
        storeMarks(files, FileGames, &GameRecord::gameStatus, &GameRecord::specialSelect, selected);
        storeMarks(files, FileStats, &PlayerStatRecord::statStatus,
            &PlayerStatRecord::statSpecialSelect, selected);
    });
}

} // namespace scorvane
