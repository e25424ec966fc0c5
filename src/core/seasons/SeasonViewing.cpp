#include "core/seasons/SeasonViewing.h"

#include "core/state/AppState.h"
#include "core/store/TeamList.h"
#include "core/text/Paths.h"

namespace scorvane {
namespace {

void loadFolder(AppState& state, const QString& folder)
{
    state.files.closeDataFile(AllFiles);
    state.settings.dataFolder = withSlash(folder);
    state.teamChoice.selected.fill(false);
    state.teamChoice.count = 0;
    state.currentGame = CurrentGame{};
    checkAndLoadTeamList(state.files, state.teamChoice.names, state.teamChoice.shortNames);
}

} // namespace

bool openArchivedSeason(AppState& state, const ArchivedSeason& season)
{
    const QString home = state.files.homeDataFolder();
    if (!season.usable()
        || !checkSeasonFolder(season.folder, installationId(home), SeasonCheck::Contents).isEmpty())
        return false;
    state.files.closeDataFile(AllFiles);
    state.files.setSeasonView(SeasonView{season.name, withSlash(season.folder), home});
    loadFolder(state, season.folder);
    return true;
}

void returnToCurrentSeason(AppState& state)
{
    if (!state.files.seasonView())
        return;
    const QString home = state.files.homeDataFolder();
    state.files.closeDataFile(AllFiles);
    state.files.setSeasonView(std::nullopt);
    loadFolder(state, home);
}

QString viewedSeasonName(const AppState& state)
{
    return state.files.seasonView() ? state.files.seasonView()->name : QString();
}

QString withSeasonName(const AppState& state, const QString& heading)
{
    const QString name = viewedSeasonName(state);
    if (name.isEmpty())
        return heading;
    return heading + QStringLiteral(" - Season ") + name;
}

} // namespace scorvane
