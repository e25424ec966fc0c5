#pragma once

#include "core/state/ReportSelection.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace scorvane {

// What the minimum dialog leaves: the kind takes effect as soon as an option is set, so it is
// kept after Cancel too; the value only with OK.
struct MinimumChoice
{
    MinimumKind kind = MinimumKind::GamesPlayed;
    bool accepted = false;
    int value = 0;
};

// Chooses the minimum of games played or shots on goal below which players go behind a marker.
class MinimumDialog : public QDialog
{
    Q_OBJECT

public:
    MinimumDialog(MinimumKind kind, int value, QWidget* parent);

    static MinimumChoice choose(QWidget* parent, MinimumKind kind, int value);

    MinimumChoice choice() const;

private:
    void kindChanged();

    QRadioButton* gamesOption_ = nullptr;
    QRadioButton* otherOption_ = nullptr;
    QLabel* minimumLabel_ = nullptr;
    QLineEdit* minimumEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace scorvane
