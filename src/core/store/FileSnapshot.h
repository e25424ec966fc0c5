#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace scorvane {

// The whole bytes of one file that a change replaced or removed, as they were before it and as it
// left them. An empty array stands for no file: the program creates an empty data file wherever
// it opens a missing one, so the two read alike.
struct FileSnapshot
{
    QString path;
    QByteArray before;
    QByteArray after;
};

// Told of every change that completed: its operation and each file it replaced or removed.
using ChangeRecorder
    = std::function<void(const QString& operation, const std::vector<FileSnapshot>& files)>;

} // namespace scorvane
