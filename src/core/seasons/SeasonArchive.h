#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace scorvane {

// Where ended seasons are kept: "Seasons/<name>/" inside the data folder. Each archive holds the
// season's "KV*.DAT" files as they were when it ended and "SEASON.INF", which names the season,
// the installation that made it, and each file's size and checksum. An archive is only ever
// made whole under a hidden working name and then renamed into place, so a folder without a
// readable record is damaged, never half-made.
QString seasonsFolder(const QString& dataFolder);
QString seasonRecordName(); // "SEASON.INF"

// The installation's identity, kept in the seasons folder ("INSTALLATION.ID") and made the first
// time a season is archived. An archive naming another identity came from another installation.
QString installationId(const QString& dataFolder);
QString ensureInstallationId(const QString& dataFolder); // empty when it cannot be written

// A season name as the user types it: trimmed, not empty, at most 40 characters, usable as a
// folder name (no "/", not starting with "."). The text of the problem, or empty when fine.
QString seasonNameProblem(const QString& name);

// A checksum of a file's bytes for the season record: 64-bit, over whole words, fast enough to
// check every file a report reads. It finds damage, not tampering.
quint64 seasonChecksum(const char* data, qint64 size);

struct SeasonFileEntry
{
    QString name;
    qint64 size = 0;
    quint64 checksum = 0;
};

// The season record's text and what reading it gives; `valid` false when it is not one.
struct SeasonRecord
{
    QString name;
    QString installation;
    std::vector<SeasonFileEntry> files;
    bool valid = false;

    QByteArray encode() const;
    static SeasonRecord decode(const QByteArray& text);
};

// The record of the "KV*.DAT" files of `folder` as they are now.
SeasonRecord describeFolder(
    const QString& folder, const QString& name, const QString& installation);

// One archive found in the seasons folder, with what is wrong with it. An archive with a problem
// is listed so that the user sees it, but never read.
struct ArchivedSeason
{
    QString name;   // from its record (the folder name when there is none)
    QString folder; // ends with "/"
    QString problem;
    QHash<QString, quint64> checksums; // from its record: each file's, by name in capitals

    bool usable() const { return problem.isEmpty(); }
};

// One archived file a report is about to read, with the checksum its season record gives. A
// file found right once in a run is not checked again while it keeps its inode, size and
// change time (an archive is never written after it is made; any write moves the change time).
class SeasonFileCheck
{
public:
    SeasonFileCheck(QString path, quint64 checksum); // notes the file as it is now

    // Found right earlier in this run and unchanged since.
    bool knownRight() const;
    // Read and found right: remembered, unless it changed since it was noted.
    void foundRight() const;

    struct Stamp
    {
        qint64 size = 0;
        quint64 inode = 0;
        qint64 changedNs = 0;
        quint64 checksum = 0;

        bool operator==(const Stamp&) const = default;
    };

private:
    QString path_;
    std::optional<Stamp> stamp_;
};

enum class SeasonCheck {
    Sizes,    // the record, the installation and every file's presence and size: no file read
    Contents, // and every file's checksum
};

// A file's checksum, once found right, is not read again in the same run while the file keeps
// its inode, size and change time. This forgets every such file (a benchmark's first run).
void forgetCheckedSeasonFiles();

// The archives of the data folder's seasons folder, by name.
// `contentsOf` as for checkSeasonFolder.
std::vector<ArchivedSeason> listSeasons(const QString& dataFolder,
    SeasonCheck check = SeasonCheck::Sizes, const QStringList& contentsOf = {});

// What is wrong with one archive folder; empty when it is sound. With Sizes, the checksums of the
// files named in `contentsOf` (any letter case) are checked all the same: those a report reads.
QString checkSeasonFolder(const QString& folder, const QString& installation, SeasonCheck check,
    SeasonRecord* record = nullptr, const QStringList& contentsOf = {});

} // namespace scorvane
