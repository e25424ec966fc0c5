#include "core/seasons/NewSeason.h"

#include "core/seasons/SeasonArchive.h"
#include "core/state/AppState.h"
#include "core/store/Backup.h"
#include "core/store/ChangeSet.h"
#include "core/store/FileFaults.h"
#include "core/store/GameRecord.h"
#include "core/store/IntegrityCheck.h"
#include "core/store/TeamList.h"
#include "core/text/Paths.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace scorvane {
namespace {

const QString Operation = QStringLiteral("Starting a new season");

QStringList dataFiles(const QString& folder, const QString& pattern = QStringLiteral("KV*.DAT"))
{
    return QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList problemLines(const QString& folder)
{
    QStringList lines;
    for (const IntegrityProblem& problem : checkDataFolder(folder))
        lines << problem.line();
    return lines;
}

// The copy is the data folder's non-empty data files, byte for byte, and the integrity check
// finds in it exactly what it finds in the data folder. Empty when it is.
QString copyProblem(const QString& data, const QString& copy)
{
    for (const QString& name : dataFiles(data)) {
        const QByteArray original = bytesOf(data + name);
        if (!original.isEmpty() && bytesOf(copy + name) != original)
            return QStringLiteral("%1 was not copied exactly").arg(name);
    }
    if (problemLines(copy) != problemLines(data))
        return QStringLiteral("the copy's integrity check differs from the data folder's");
    return {};
}

// An archive of this name made from exactly these files: a New Season stopped after the archive
// was made and before the data folder was emptied.
bool archiveHoldsDataFolder(const QString& archive, const QString& data, const QString& name)
{
    SeasonRecord record;
    if (!checkSeasonFolder(archive, installationId(data), SeasonCheck::Contents, &record).isEmpty()
        || record.name != name)
        return false;
    const SeasonRecord now = describeFolder(data, name, record.installation);
    std::size_t nonEmpty = 0;
    for (const SeasonFileEntry& file : now.files) {
        if (file.size == 0)
            continue;
        ++nonEmpty;
        const auto same = std::find_if(record.files.begin(), record.files.end(),
            [&](const SeasonFileEntry& kept) { return kept.name == file.name; });
        if (same == record.files.end() || same->checksum != file.checksum)
            return false;
    }
    return nonEmpty == record.files.size();
}

bool reportStep(AppState& state, const QString& path)
{
    FileError error = FileError::fromErrno(errno, path);
    error.operation = Operation;
    state.reporter.reportWriteError(error);
    return false;
}

// Makes the archive complete under its name, or leaves no trace but a hidden working folder.
bool makeArchive(AppState& state, const QString& data, const QString& archive, const QString& name,
    NewSeasonResult& result)
{
    const QString root = seasonsFolder(data);
    const QString working = root + u'.' + QFileInfo(archive.chopped(1)).fileName() + u'/';
    QDir(working).removeRecursively(); // left by a stop while it was being made
    const QString installation = ensureInstallationId(data);
    if (installation.isEmpty())
        return reportStep(state, root);
    if (!FileFaults::allowStep() || !QDir().mkpath(working))
        return reportStep(state, working);
    const auto giveUp = [&] {
        QDir(working).removeRecursively();
        return false;
    };
    if (copyDataFiles(state, data, working) < 0)
        return giveUp();
    result.problem = copyProblem(data, working);
    if (!result.problem.isEmpty()) {
        result.outcome = NewSeasonOutcome::NotVerified;
        return giveUp();
    }
    const QByteArray record = describeFolder(working, name, installation).encode();
    if (!replaceWholeFile(working + seasonRecordName(), record)) {
        reportStep(state, working + seasonRecordName());
        return giveUp();
    }
    if (!FileFaults::allowStep()
        || std::rename(QFile::encodeName(working.chopped(1)).constData(),
               QFile::encodeName(archive.chopped(1)).constData())
            != 0) {
        reportStep(state, archive);
        return giveUp();
    }
    return true;
}

// Removes every team's games and results in one change of the data folder.
bool emptyGamesAndResults(AppState& state, const QString& data)
{
    ChangeSet removals(Operation);
    for (const QString& pattern : {QStringLiteral("KVGS*.DAT"), QStringLiteral("KVPS*.DAT")}) {
        for (const QString& name : dataFiles(data, pattern))
            removals.remove(data + name);
    }
    if (commitWithRetry(state.reporter, removals, data))
        return true;
    // Once its journal is in place the new season is decided: finished now if the disk allows,
    // else by the next start-up.
    return QFileInfo::exists(data + changeJournalName())
        && recoverPendingChange(data).kind == PendingChange::Kind::Finished;
}

// The team window starts again from the team list: no team chosen, as after a restore.
void reopenTeamList(AppState& state)
{
    state.files.closeDataFile(AllFiles);
    state.teamChoice.selected.fill(false);
    state.teamChoice.count = 0;
    state.currentGame = CurrentGame{};
    checkAndLoadTeamList(state.files, state.teamChoice.names, state.teamChoice.shortNames);
}

} // namespace

QString defaultSeasonName(const QString& dataFolder)
{
    int first = 0;
    int last = 0;
    for (const QString& name : dataFiles(withSlash(dataFolder), QStringLiteral("KVGS*.DAT"))) {
        const QByteArray bytes = bytesOf(withSlash(dataFolder) + name);
        for (qsizetype at = 0; at + GameRecord::Length <= bytes.size(); at += GameRecord::Length) {
            const GameRecord game = GameRecord::decode(bytes.mid(at, GameRecord::Length));
            bool ok = false;
            const int year = game.gameDate.mid(4, 2).toInt(&ok);
            if (game.gameStatus != 'A' || !ok || game.gameDate.trimmed().size() != 6)
                continue;
            const int full = (year < 30 ? 2000 : 1900) + year; // as dates are shown in words
            first = first == 0 ? full : std::min(first, full);
            last = std::max(last, full);
        }
    }
    if (first == 0)
        return QString::number(QDate::currentDate().year());
    if (first == last)
        return QString::number(first);
    return QStringLiteral("%1-%2").arg(first).arg(last);
}

NewSeasonResult startNewSeason(AppState& state, const QString& typedName)
{
    NewSeasonResult result;
    if (state.files.seasonView()) {
        result.outcome = NewSeasonOutcome::ViewingOld;
        result.problem = QStringLiteral("Only the current season can be ended. Choose File > Open "
                                        "Season and pick the current season first.");
        return result;
    }
    const QString name = typedName.trimmed();
    result.problem = seasonNameProblem(name);
    if (!result.problem.isEmpty()) {
        result.outcome = NewSeasonOutcome::BadName;
        return result;
    }
    const QString data = withSlash(state.settings.dataFolder);
    state.files.closeDataFile(AllFiles);
    recoverPendingChange(data); // a change a stop cut short is settled before it is copied
    const QString archive = seasonsFolder(data) + name + u'/';
    result.archiveFolder = archive;

    if (QFileInfo::exists(archive)) {
        if (!archiveHoldsDataFolder(archive, data, name)) {
            result.outcome = NewSeasonOutcome::NameTaken;
            result.problem
                = QStringLiteral("A season named \"%1\" is already archived. Choose another name.")
                      .arg(name);
            return result;
        }
    } else if (!makeArchive(state, data, archive, name, result)) {
        reopenTeamList(state);
        return result;
    }
    if (!emptyGamesAndResults(state, data)) {
        reopenTeamList(state);
        return result; // the archive stays complete; the old season is whole in the data folder
    }
    reopenTeamList(state);
    result.outcome = NewSeasonOutcome::Started;
    return result;
}

} // namespace scorvane
