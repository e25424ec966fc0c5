#pragma once

#include <QString>

namespace scorvane {

// The folders every file name is built from at the moment a file is opened. Each ends in "/".
struct DataFolders
{
    QString dataFolder;     // the team, roster, game and statistics files
    QString reportFolder;   // the report-format file
    QString settingsFolder; // this machine's "QMKV.INI"
};

} // namespace scorvane
