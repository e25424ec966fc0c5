#include "core/reports/ReportSettings.h"

#include "core/state/ProgramSettings.h"
#include "core/state/TeamChoice.h"

namespace scorvane {

ChosenFormat currentFormat(const ProgramSettings& settings)
{
    ChosenFormat format;
    for (int slot = 1; slot <= 50; ++slot)
        format.columns[static_cast<std::size_t>(slot - 1)] = settings.reportColumns[slot];
    format.sortColumn = settings.sortColumn;
    format.sortOrder = settings.sortOrder;
    return format;
}

void applyFormat(ProgramSettings& settings, const ChosenFormat& format)
{
    for (int slot = 1; slot <= 50; ++slot)
        settings.reportColumns[slot]
            = static_cast<qint16>(format.columns[static_cast<std::size_t>(slot - 1)]);
    settings.sortColumn = format.sortColumn;
    settings.sortOrder = format.sortOrder;
}

QList<int> chosenTeams(const TeamChoice& teams)
{
    QList<int> slots;
    for (int slot = 1; slot <= 100; ++slot) {
        if (teams.selected[slot])
            slots << slot;
    }
    if (slots.isEmpty())
        slots << teams.currentSlot;
    return slots;
}

} // namespace scorvane
