#include "core/store/StoredStep.h"

#include "core/store/DataFiles.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <set>

namespace scorvane {
namespace {

QByteArray presentBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString undoWord(StepDirection direction)
{
    return direction == StepDirection::Undo ? QStringLiteral("Undo") : QStringLiteral("Redo");
}

} // namespace

StoredStep::StoredStep(QString name)
    : name_(std::move(name))
{ }

void StoredStep::add(const std::vector<FileSnapshot>& files)
{
    for (const FileSnapshot& file : files) {
        const auto held = std::find_if(files_.begin(), files_.end(),
            [&](const FileSnapshot& mine) { return mine.path == file.path; });
        if (held == files_.end())
            files_.push_back(file);
        else
            held->after = file.after;
    }
}

bool StoredStep::isEmpty() const
{
    return std::all_of(files_.begin(), files_.end(),
        [](const FileSnapshot& file) { return file.before == file.after; });
}

qint64 StoredStep::byteSize() const
{
    qint64 size = 0;
    for (const FileSnapshot& file : files_) {
        size += file.before.size();
        if (!file.after.isSharedWith(file.before))
            size += file.after.size();
    }
    return size;
}

QString StoredStep::refusal(StepDirection direction) const
{
    for (const FileSnapshot& file : files_) {
        const QByteArray& expected = direction == StepDirection::Undo ? file.after : file.before;
        const QByteArray present = presentBytes(file.path);
        if (present == expected)
            continue;
        const QString name = QFileInfo(file.path).fileName();
        const QString what = present.isEmpty() ? QStringLiteral("has been removed")
            : expected.isEmpty()               ? QStringLiteral("has been created")
                                               : QStringLiteral("has been changed");
        return QStringLiteral("%1 cannot be done: the file %2 %3 since \"%4\" (by a later "
                              "command, a restore, an import or another program).\n\nPutting "
                              "it back would lose that change, so nothing was changed.")
            .arg(undoWord(direction) + u' ' + name_, name, what, name_);
    }
    return {};
}

StoredStep::Result StoredStep::apply(DataFiles& files, StepDirection direction) const
{
    if (QString refused = refusal(direction); !refused.isEmpty())
        return {Outcome::Refused, refused};
    std::vector<std::pair<QString, QByteArray>> target;
    for (const FileSnapshot& file : files_)
        target.emplace_back(file.path, direction == StepDirection::Undo ? file.before : file.after);
    if (!files.putWholeFiles(undoWord(direction) + u' ' + name_, target))
        return {Outcome::Cancelled, {}};
    return {};
}

void StoredStep::shareBytesWith(const StoredStep& earlier)
{
    for (FileSnapshot& file : files_) {
        for (const FileSnapshot& old : earlier.files_) {
            if (old.path == file.path && old.after == file.before)
                file.before = old.after;
        }
    }
}

} // namespace scorvane
