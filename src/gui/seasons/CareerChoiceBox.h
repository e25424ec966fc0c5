#pragma once

#include "core/seasons/SeasonArchive.h"

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QCheckBox;
class QListWidget;

namespace scorvane {

// The Compute window's Career choice: the player statistics over the current season plus the
// archived seasons ticked in the list. An archive with a problem is listed with it and cannot be
// ticked.
class CareerChoiceBox : public QGroupBox
{
    Q_OBJECT

public:
    CareerChoiceBox(const std::vector<ArchivedSeason>& seasons, QWidget* parent);

    // Offered only for the player statistics of the current season, when seasons are archived.
    static bool offered(bool playerStatistics, const QString& dataFolder);

    void load(bool career, const QStringList& ticked);
    bool career() const;
    QStringList tickedSeasons() const;

private:
    void careerToggled(bool on);

    QCheckBox* careerCheck_ = nullptr;
    QListWidget* seasonList_ = nullptr;
};

} // namespace scorvane
