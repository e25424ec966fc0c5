#pragma once

#include "core/import/ImportPlan.h"
#include "core/roster/PlayerContacts.h"
#include "core/state/Roster.h"

#include <memory>

namespace scorvane {

// Players read from a spreadsheet into the current team's roster and contact details. A row
// whose number a player already holds conflicts with that player: Replace gives the number the
// imported name and the fields the file has columns for, Add stores the row under the lowest
// number nobody holds, Skip leaves the row out.
class RosterImport : public ImportPlan
{
public:
    RosterImport(const CsvSheet& sheet, const QList<ImportField>& mapping, const Roster& roster,
        const PlayerContactTable& contacts);

    static std::unique_ptr<RosterImport> forTeam(
        AppState& state, const CsvSheet& sheet, const QList<ImportField>& mapping);

    bool write(AppState& state) override;
    QStringList cells(std::size_t row) const override;

    // The roster and contacts as they will be after writing.
    Roster resultingRoster() const;
    PlayerContactTable resultingContacts() const;

protected:
    void refresh() override;

private:
    struct Player
    {
        int number = 0; // 0 when the row has none that can be stored
        QString name;
        PlayerContact contact;
        int storedNumber = 0; // where the row goes: its number, or the number Add gives it
    };

    std::vector<Player> players_; // one per row
    std::array<bool, 7> mappedContacts_{};
    Roster roster_;
    PlayerContactTable contacts_;
};

} // namespace scorvane
