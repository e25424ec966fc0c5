#pragma once

#include "core/seasons/SeasonArchive.h"

#include <QString>

namespace scorvane {

struct AppState;

// Opens an archived season for viewing: it becomes the data folder the windows and reports
// read, its team list is loaded, no team is chosen, and nothing in it can be written (see
// DataFiles::setSeasonView). The current season's folder is kept to go back to, to save in the
// settings, and to tidy at the end. False, changing nothing, when the archive is not usable.
bool openArchivedSeason(AppState& state, const ArchivedSeason& season);

// Back to the current season's data folder.
void returnToCurrentSeason(AppState& state);

// The name of the season viewed; empty for the current season.
QString viewedSeasonName(const AppState& state);

// A report heading naming the season viewed ("Player Statistics - Season 2025"); unchanged for
// the current season.
QString withSeasonName(const AppState& state, const QString& heading);

} // namespace scorvane
