#pragma once

#include <QString>

namespace scorvane {

// The shared state every file name is built from at the moment a file is opened.
struct FileState
{
    QString DataPath;       // the data folder, always with a trailing "/"
    QString ReportPath;     // the folder of the report-format file, with a trailing "/"
    QString TeamNo;         // the current team's slot as text: "7", never "07"
    QString SettingsFolder; // per-machine folder of "QMKV.INI", with a trailing "/"
};

} // namespace scorvane
