#pragma once

#include "core/store/DataFolders.h"
#include "core/store/ErrorReporter.h"
#include "core/store/FileSnapshot.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace scorvane {

// An archived season opened for viewing: its folder is the data folder meanwhile, and the
// current season's folder waits in `homeFolder`.
struct SeasonView
{
    QString name;
    QString folder; // ends with "/"
    QString homeFolder;
};

// File numbers by which every part of the program names its files.
enum FileNumber : int {
    FileSettings = 1,
    FileTeamList = 2,
    FileRoster = 3,
    FileGames = 4,
    FileStats = 5,
    FileReportFormats = 6,
    FileOtherGames = 8, // another team's games, opened while the team slot names that team
    FilePlayerInfo = 9,
    AllFiles = 99,
};

// Random access to the program's fixed-length record files. Record numbers count from 1 and are
// 32-bit.
//
// Writes happen inside a change (see change()): the files it touches are held in memory and
// written whole at its end through ChangeSet, so each file is either as it was or as it must be
// after. A fault while reading goes to the error reporter; Retry repeats the read and anything
// else ends the program. A fault while writing a change offers Retry or Cancel; Cancel leaves
// every file as it was and change() returns false.
class DataFiles
{
public:
    // `folders` and `teamSlot` are read each time a file name is built: team files carry the
    // slot's number ("KVGS7.DAT").
    DataFiles(const DataFolders& folders, const int& teamSlot, ErrorReporter& reporter);
    ~DataFiles();
    DataFiles(const DataFiles&) = delete;
    DataFiles& operator=(const DataFiles&) = delete;

    static int recordLength(int fileNumber);

    // The file's name as built now. An existing file whose name differs only in letter case (a
    // folder copied from a case-insensitive system) is found and used under its own name.
    QString fileName(int fileNumber) const;

    void openDataFile(int fileNumber); // creates an empty file when none exists
    // Opens like openDataFile but reports nothing: false when the file cannot be opened (the
    // start-up test of the team list).
    bool tryOpenDataFile(int fileNumber);
    void closeDataFile(int fileNumber); // AllFiles closes every open file
    void killDataFile(int fileNumber);  // the file must be closed; a missing file is not an error
    bool isOpen(int fileNumber) const;

    qint64 fileLength(int fileNumber);
    qint32 recordCount(int fileNumber); // length / record length, truncated

    // Record n decoded, and a record written as record n.
    template <typename Record> Record get(int fileNumber, qint32 recordNumber)
    {
        return Record::decode(readRecord(fileNumber, recordNumber));
    }
    template <typename Record> void put(int fileNumber, qint32 recordNumber, const Record& buffer)
    {
        writeRecord(fileNumber, recordNumber, buffer.encode());
    }

    // Raw record bytes. Reading past the end (or a partial trailing record) gives zero bytes
    // for the missing part.
    QByteArray readRecord(int fileNumber, qint32 recordNumber);
    void writeRecord(int fileNumber, qint32 recordNumber, const QByteArray& bytes);

    // Raw byte ranges for block moves of many records at once (insertion into large files).
    QByteArray readBytes(int fileNumber, qint64 offset, qint64 length);
    void writeBytes(int fileNumber, qint64 offset, const QByteArray& bytes);

    // Moves records first..count up by `places` records, as one block read and one block write.
    void shiftRecordsUp(int fileNumber, qint32 first, qint32 places);

    // Removes the file's contents (truncate to zero), keeping it open.
    void truncate(int fileNumber);

    // Runs `work` as one change named `operation` (the error message names it). Writes, truncates
    // and deletions of data files inside it are held in memory; at the end every file that
    // differs is replaced whole, all together, and open files are reopened on the new contents.
    // False when a write error was cancelled: then no file changed. A change inside a change
    // joins the outer one. A write outside any change is a change of its own.
    bool change(const QString& operation, const std::function<void()>& work);
    bool inChange() const { return changeDepth_ > 0; }

    // From now on every change that completes is handed to `recorder` with the whole bytes of
    // each file it replaced or removed (an empty function stops it). Returns the recorder it
    // replaces, so that recorders can be nested.
    ChangeRecorder setChangeRecorder(ChangeRecorder recorder);

    // Puts whole files in place as one change named `operation`: each path gets its bytes, and
    // an empty array removes the file. Files that already hold their bytes are not written. The
    // same Retry and Cancel as any change; false when cancelled, and then no file changed.
    bool putWholeFiles(
        const QString& operation, const std::vector<std::pair<QString, QByteArray>>& files);

    // True when the folder of the file refused writing when it was opened (a read-only folder
    // opens for viewing).
    bool isReadOnly(int fileNumber) const;

    // While a season is viewed, nothing in its folder is ever written: its files open read-only,
    // and a change that would write, truncate or delete a file there is refused whole, the error
    // reporter told once with the season's name. Every save of every window meets this here.
    void setSeasonView(std::optional<SeasonView> view) { seasonView_ = std::move(view); }
    const std::optional<SeasonView>& seasonView() const { return seasonView_; }
    // The current season's data folder, also while an archived one is viewed.
    QString homeDataFolder() const
    {
        return seasonView_ ? seasonView_->homeFolder : folders_.dataFolder;
    }
    // True, after telling the error reporter, when `path` lies in the viewed season's folder.
    bool refusesWrite(const QString& path, const QString& operation);

private:
    // A file's contents while a change holds it.
    // A small file keeps its old contents to compare with at the end; a large one (a season's
    // results) is not copied but marked as soon as a write alters a byte.
    struct Staged
    {
        QByteArray bytes;
        QByteArray original;
        bool keepsOriginal = true;
        bool originalKept = false; // `original` holds the bytes read, also for a large file
        bool altered = false;
        bool existed = false;
        bool removed = false;

        bool changed() const { return keepsOriginal ? bytes != original : altered; }
    };

    int descriptor(int fileNumber) const;
    bool inViewedSeason(const QString& path) const;
    void guard(const QString& path, const std::function<bool()>& operation);
    QString stagedKey(int fileNumber);
    Staged* staged(int fileNumber);
    Staged& stage(int fileNumber);
    bool commitChange(const QString& operation);
    std::vector<FileSnapshot> snapshotsOfChange() const;
    void writeOutsideChange(int fileNumber, const std::function<void()>& work);

    const DataFolders& folders_;
    const int& teamSlot_;
    ErrorReporter& reporter_;
    std::map<int, int> open_; // file number -> descriptor; -1 for a missing file seen read-only
    std::map<int, bool> readOnly_;
    std::map<QString, Staged> staged_;   // by full file name, while a change runs
    std::map<int, QString> changeNames_; // file names built during the running change
    int changeDepth_ = 0;
    std::optional<SeasonView> seasonView_;
    ChangeRecorder recorder_;
};

} // namespace scorvane
