#pragma once

#include "core/reports/PlayerStatsComputation.h"
#include "core/seasons/SeasonArchive.h"

#include <QStringList>

#include <vector>

namespace scorvane {

// The player statistics over the current season and archived ones.
struct CareerStatsResult
{
    PlayerStatsTable table;
    QStringList seasonNames;             // in the order read; the current season is last
    std::vector<ArchivedSeason> leftOut; // asked for but not read, each with its problem
    std::optional<FileError> error;      // a file of the current season that could not be read
};

// The name the current season goes by in a career report.
QString currentSeasonName();

// The archives `names` asks for ("all" alone: every archive), each checked before any of it is
// read: the season record, the installation, every file's size, and the checksum of each
// roster and results file the report reads. One with a problem is left out whole, as is a name
// with no archive.
std::vector<ArchivedSeason> careerSeasons(const QString& dataFolder, const QStringList& names,
    const QList<int>& teams, std::vector<ArchivedSeason>* leftOut);

// Computes the statistics of each season as the one-season report does (same games, types and
// players counted) and joins them: a player is the same player across seasons when the name,
// trimmed and in any case, matches within the same team slot; the number may differ. Each row
// counts its seasons. In individual mode the chosen player (by number in the current season) is
// found by name in each season and the games of every season are listed, oldest season first,
// each row naming its season.
CareerStatsResult computeCareerStats(const PlayerStatsInput& input, const QStringList& names);

} // namespace scorvane
