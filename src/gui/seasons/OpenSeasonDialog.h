#pragma once

#include "core/seasons/SeasonArchive.h"

#include <QDialog>

#include <optional>
#include <vector>

class QListWidget;
class QPushButton;

namespace scorvane {

// What File > Open Season chose: the current season, or one archive of the list.
struct SeasonChoice
{
    bool current = true;
    ArchivedSeason season;
};

// Lists the current season and every archive; an archive with a problem is shown with it and
// cannot be chosen.
class OpenSeasonDialog : public QDialog
{
    Q_OBJECT

public:
    OpenSeasonDialog(
        const std::vector<ArchivedSeason>& seasons, const QString& viewed, QWidget* parent);

    // Empty when cancelled.
    static std::optional<SeasonChoice> choose(
        QWidget* parent, const std::vector<ArchivedSeason>& seasons, const QString& viewed);

    SeasonChoice choice() const;

private:
    void rowChanged(int row);

    std::vector<ArchivedSeason> seasons_;
    QListWidget* seasonList_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

} // namespace scorvane
