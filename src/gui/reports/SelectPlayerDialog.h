#pragma once

#include "core/reports/PlayerStatsComputation.h"

#include <QDialog>

#include <optional>

class QListWidget;
class QPushButton;

namespace scorvane {

// Chooses the player whose games the report lists one by one: every number 1 to 99 of the
// current team's roster, with its name.
class SelectPlayerDialog : public QDialog
{
    Q_OBJECT

public:
    SelectPlayerDialog(const RosterNameTable& names, int current, QWidget* parent);

    // The chosen player number; empty when cancelled.
    static std::optional<int> choose(QWidget* parent, const RosterNameTable& names, int current);

    int player() const;

private:
    QListWidget* playerList_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace scorvane
