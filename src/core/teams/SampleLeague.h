#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace scorvane {

// A small league to explore the program with: four teams with rosters, contacts, a season of
// twenty games each and every player's figures. The files are made by code from a fixed seed,
// so every run makes the same bytes.
class SampleLeague
{
public:
    static constexpr int TeamCount = 4;
    static constexpr int GamesPerTeam = 20;

    // The data files of the league by file name ("KVTEAMS.DAT", "KVGS1.DAT", ...).
    static QMap<QString, QByteArray> files();

    // Writes the league's files into `folder` (made when missing), each file whole or not at
    // all. False with `error` naming the file when a file cannot be written.
    static bool write(const QString& folder, QString* error);

    // The folder the sample league lives in: a folder of its own beside the user's data, so the
    // real data folder stays clean.
    static QString defaultFolder();
};

} // namespace scorvane
