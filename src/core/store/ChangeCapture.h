#pragma once

#include "core/store/StoredStep.h"

#include <QString>

namespace scorvane {

class DataFiles;

// Collects, while it lives, every change the data files complete in one folder into one stored
// step: a window opens one around a command (a game deleted, a roster closed) and takes the step
// afterwards. Changes of files in other folders (the settings) are not collected. Captures nest:
// an inner one also hands its changes to the outer one.
class ChangeCapture
{
public:
    ChangeCapture(DataFiles& files, QString folder);
    ~ChangeCapture();
    ChangeCapture(const ChangeCapture&) = delete;
    ChangeCapture& operator=(const ChangeCapture&) = delete;

    // The changes collected so far as a step named `name` (empty when nothing changed).
    StoredStep take(const QString& name) const;

private:
    DataFiles& files_;
    QString folder_;
    std::vector<FileSnapshot> collected_;
    ChangeRecorder previous_;
};

} // namespace scorvane
