#include "core/seasons/SeasonArchive.h"

#include "core/store/ChangeSet.h"
#include "core/store/ContentChecksum.h"
#include "core/text/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUuid>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <sys/stat.h>

namespace scorvane {
namespace {

const char* const RecordHeader = "scorvane season 1";

QString idFileName()
{
    return QStringLiteral("INSTALLATION.ID");
}

QByteArray readAll(const QString& path, bool* ok = nullptr)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    QByteArray bytes = opened ? file.readAll() : QByteArray();
    if (ok)
        *ok = opened && file.error() == QFileDevice::NoError;
    return bytes;
}

// Files whose checksum was found right in this run, by path, with what identified them then.
// An archive is never written after it is made, so a file with the same inode, size and change
// time holds the same bytes: a report computed again (sort, format, one player) does not read
// every archived file twice more.
using FileStamp = SeasonFileCheck::Stamp;

std::mutex verifiedLock;
std::map<QString, FileStamp>& verifiedFiles()
{
    static std::map<QString, FileStamp> files;
    return files;
}

std::optional<FileStamp> stampOf(const QString& path, quint64 checksum)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileStamp{static_cast<qint64>(info.st_size), static_cast<quint64>(info.st_ino),
        static_cast<qint64>(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec, checksum};
}

bool knownRight(const QString& path, const FileStamp& stamp)
{
    const std::lock_guard lock(verifiedLock);
    const auto known = verifiedFiles().find(path);
    return known != verifiedFiles().end() && known->second == stamp;
}

void rememberRight(const QString& path, const FileStamp& stamp)
{
    const std::lock_guard lock(verifiedLock);
    verifiedFiles()[path] = stamp;
}

// Whether the file's bytes have `checksum`, read and summed unless this run already did so for
// the same file unchanged.
bool hasChecksum(const QString& path, quint64 checksum)
{
    const std::optional<FileStamp> stamp = stampOf(path, checksum);
    if (stamp && knownRight(path, *stamp))
        return true;
    const QByteArray bytes = readAll(path);
    if (seasonChecksum(bytes.constData(), bytes.size()) != checksum)
        return false;
    if (stamp)
        rememberRight(path, *stamp);
    return true;
}

QStringList dataFileNames(const QString& folder)
{
    return QDir(folder).entryList(
        {QStringLiteral("KV*.DAT")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

SeasonFileCheck::SeasonFileCheck(QString path, quint64 checksum)
    : path_(std::move(path))
    , stamp_(stampOf(path_, checksum))
{ }

bool SeasonFileCheck::knownRight() const
{
    return stamp_ && scorvane::knownRight(path_, *stamp_);
}

void SeasonFileCheck::foundRight() const
{
    if (stamp_ && stampOf(path_, stamp_->checksum) == stamp_)
        rememberRight(path_, *stamp_);
}

void forgetCheckedSeasonFiles()
{
    const std::lock_guard lock(verifiedLock);
    verifiedFiles().clear();
}

QString seasonsFolder(const QString& dataFolder)
{
    return withSlash(dataFolder) + QStringLiteral("Seasons/");
}

QString seasonRecordName()
{
    return QStringLiteral("SEASON.INF");
}

QString installationId(const QString& dataFolder)
{
    return QString::fromLatin1(readAll(seasonsFolder(dataFolder) + idFileName()).trimmed());
}

QString ensureInstallationId(const QString& dataFolder)
{
    const QString known = installationId(dataFolder);
    if (!known.isEmpty())
        return known;
    const QString folder = seasonsFolder(dataFolder);
    if (!QDir().mkpath(folder))
        return {};
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (!replaceWholeFile(folder + idFileName(), id.toLatin1() + '\n'))
        return {};
    return id;
}

QString seasonNameProblem(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("Type a name for the season that ended.");
    if (trimmed.size() > 40)
        return QStringLiteral("A season name has at most 40 characters.");
    if (trimmed.contains(u'/') || trimmed.contains(u'\\') || trimmed.startsWith(u'.'))
        return QStringLiteral("A season name may not contain \"/\" or \"\\\" or start with \".\".");
    for (const QChar c : trimmed) {
        if (c.unicode() < 0x20)
            return QStringLiteral("A season name may not contain control characters.");
    }
    return {};
}

quint64 seasonChecksum(const char* data, qint64 size)
{
    return ContentChecksum::of(data, size);
}

QByteArray SeasonRecord::encode() const
{
    QByteArray text = QByteArray(RecordHeader) + '\n';
    text += "name " + name.toUtf8() + '\n';
    text += "installation " + installation.toLatin1() + '\n';
    for (const SeasonFileEntry& file : files)
        text += "file " + file.name.toLatin1() + ' ' + QByteArray::number(file.size) + ' '
            + QByteArray::number(file.checksum, 16) + '\n';
    text += "end\n";
    return text;
}

SeasonRecord SeasonRecord::decode(const QByteArray& text)
{
    SeasonRecord record;
    const QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines.front() != RecordHeader)
        return record;
    bool ended = false;
    for (const QByteArray& line : lines.mid(1)) {
        if (ended || line.isEmpty())
            continue;
        if (line.startsWith("name "))
            record.name = QString::fromUtf8(line.mid(5));
        else if (line.startsWith("installation "))
            record.installation = QString::fromLatin1(line.mid(13));
        else if (line.startsWith("file ")) {
            const QList<QByteArray> parts = line.mid(5).split(' ');
            bool sizeOk = false;
            bool sumOk = false;
            SeasonFileEntry entry;
            if (parts.size() == 3) {
                entry.name = QString::fromLatin1(parts[0]);
                entry.size = parts[1].toLongLong(&sizeOk);
                entry.checksum = parts[2].toULongLong(&sumOk, 16);
            }
            if (!sizeOk || !sumOk || entry.name.contains(u'/'))
                return {};
            record.files.push_back(entry);
        } else if (line == "end")
            ended = true;
        else
            return {};
    }
    record.valid = ended && !record.name.isEmpty() && !record.installation.isEmpty();
    return record;
}

SeasonRecord describeFolder(const QString& folder, const QString& name, const QString& installation)
{
    SeasonRecord record;
    record.name = name;
    record.installation = installation;
    record.valid = true;
    for (const QString& file : dataFileNames(folder)) {
        const QByteArray bytes = readAll(withSlash(folder) + file);
        record.files.push_back(
            {file, bytes.size(), seasonChecksum(bytes.constData(), bytes.size())});
    }
    return record;
}

QString checkSeasonFolder(const QString& folder, const QString& installation, SeasonCheck check,
    SeasonRecord* out, const QStringList& contentsOf)
{
    bool readable = false;
    const QByteArray text = readAll(withSlash(folder) + seasonRecordName(), &readable);
    if (!readable)
        return QStringLiteral("no season record (%1): not a season this program closed")
            .arg(seasonRecordName());
    const SeasonRecord record = SeasonRecord::decode(text);
    if (!record.valid)
        return QStringLiteral("its season record (%1) is damaged").arg(seasonRecordName());
    if (out)
        *out = record;
    if (record.installation != installation)
        return QStringLiteral("it was made by another installation of the program");
    QSet<QString> summed;
    for (const QString& name : contentsOf)
        summed.insert(name.toUpper());
    bool hasTeamList = false;
    for (const SeasonFileEntry& entry : record.files) {
        hasTeamList = hasTeamList || entry.name.compare(u"KVTEAMS.DAT", Qt::CaseInsensitive) == 0;
        const QFileInfo info(withSlash(folder) + entry.name);
        if (!info.isFile())
            return QStringLiteral("%1 is missing").arg(entry.name);
        if (info.size() != entry.size)
            return QStringLiteral("%1 is damaged (its size changed)").arg(entry.name);
        if ((check == SeasonCheck::Contents || summed.contains(entry.name.toUpper()))
            && !hasChecksum(info.filePath(), entry.checksum))
            return QStringLiteral("%1 is damaged (its contents changed)").arg(entry.name);
    }
    if (!hasTeamList)
        return QStringLiteral("KVTEAMS.DAT is missing");
    return {};
}

std::vector<ArchivedSeason> listSeasons(
    const QString& dataFolder, SeasonCheck check, const QStringList& contentsOf)
{
    std::vector<ArchivedSeason> list;
    const QString root = seasonsFolder(dataFolder);
    const QString installation = installationId(dataFolder);
    // Hidden folders are archives still being made, or left by a crash while being made.
    const QStringList folders = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& folder : folders) {
        ArchivedSeason season;
        season.folder = root + folder + u'/';
        SeasonRecord record;
        season.problem = checkSeasonFolder(season.folder, installation, check, &record, contentsOf);
        season.name = record.valid ? record.name : folder;
        for (const SeasonFileEntry& entry : record.files)
            season.checksums.insert(entry.name.toUpper(), entry.checksum);
        list.push_back(season);
    }
    std::sort(list.begin(), list.end(),
        [](const ArchivedSeason& a, const ArchivedSeason& b) { return a.name < b.name; });
    return list;
}

} // namespace scorvane
