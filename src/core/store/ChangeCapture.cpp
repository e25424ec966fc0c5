#include "core/store/ChangeCapture.h"

#include "core/store/DataFiles.h"

#include <QFileInfo>

namespace scorvane {

ChangeCapture::ChangeCapture(DataFiles& files, QString folder)
    : files_(files)
    , folder_(QFileInfo(folder + u'/').absolutePath())
{
    previous_ = files_.setChangeRecorder(
        [this](const QString& operation, const std::vector<FileSnapshot>& changed) {
            for (const FileSnapshot& file : changed) {
                if (QFileInfo(file.path).absolutePath() == folder_)
                    collected_.push_back(file);
            }
            if (previous_)
                previous_(operation, changed);
        });
}

ChangeCapture::~ChangeCapture()
{
    files_.setChangeRecorder(std::move(previous_));
}

StoredStep ChangeCapture::take(const QString& name) const
{
    StoredStep step(name);
    step.add(collected_);
    return step;
}

} // namespace scorvane
