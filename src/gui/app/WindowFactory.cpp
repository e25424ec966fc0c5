#include "gui/app/WindowFactory.h"

namespace scorvane {

void WindowFactory::add(WindowKind kind, Maker maker)
{
    makers_[kind] = std::move(maker);
}

bool WindowFactory::has(WindowKind kind) const
{
    return makers_.contains(kind);
}

ChildWindow* WindowFactory::make(WindowKind kind, WindowHost& host) const
{
    const auto found = makers_.find(kind);
    return found == makers_.end() ? nullptr : found->second(host);
}

QString WindowFactory::windowName(WindowKind kind)
{
    switch (kind) {
    case WindowSelectTeam:
        return QStringLiteral("frmSelectTeam");
    case WindowStats:
        return QStringLiteral("frmStats");
    case WindowScores:
        return QStringLiteral("frmScores");
    case WindowRecord:
        return QStringLiteral("frmRecord");
    case WindowRoster:
        return QStringLiteral("frmRoster");
    case WindowStandings:
        return QStringLiteral("frmStandings");
    case WindowGameMenu:
        return QStringLiteral("frmGameMenu");
    case WindowGameScreen:
        return QStringLiteral("frmGameScreen");
    case WindowPScreen:
        return QStringLiteral("frmPScreen");
    case WindowTeamName:
        return QStringLiteral("frmTeamName");
    case WindowDeleteFiles:
        return QStringLiteral("frmDeleteFiles");
    case WindowPlayerNumber:
        return QStringLiteral("frmPlayerNumber");
    case WindowNameYourOwn:
        return QStringLiteral("frmNameYourOwn");
    case WindowDatapath:
        return QStringLiteral("frmDatapath");
    case WindowBackup:
        return QStringLiteral("frmBackup");
    case WindowBegScreen:
        return QStringLiteral("frmBegScreen");
    }
    return {};
}

} // namespace scorvane
