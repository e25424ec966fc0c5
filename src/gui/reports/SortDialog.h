#pragma once

#include "core/entry/Categories.h"
#include "core/reports/StatsSort.h"

#include <QDialog>

#include <optional>

class QListWidget;
class QPushButton;
class QRadioButton;

namespace scorvane {

// The category (1 to 37) and direction the player rows are sorted by.
struct SortChoice
{
    int column = 0;
    SortOrder order = SortOrder::Descending;
};

// Chooses the sort of the player statistics from the report categories' codes.
class SortDialog : public QDialog
{
    Q_OBJECT

public:
    SortDialog(const CategoryCodeTable& codes, const SortChoice& current, QWidget* parent);

    // Empty when cancelled.
    static std::optional<SortChoice> choose(
        QWidget* parent, const CategoryCodeTable& codes, const SortChoice& current);

    SortChoice choice() const;

private:
    QListWidget* categoryList_ = nullptr;
    QRadioButton* ascendingOption_ = nullptr;
    QRadioButton* descendingOption_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace scorvane
