#pragma once

#include <QTableWidget>

class QTableView;

namespace scorvane {

// A grid whose first columns stay in place while the others scroll sideways, as a spreadsheet
// keeps its name column in view: a second view of the same cells lies over the left edge and
// shows only those columns, scrolling up and down with the grid.
class FrozenColumnsTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit FrozenColumnsTable(QWidget* parent);

    // Call after the columns and their widths are set: the first `count` columns stay in view.
    void setFrozenColumns(int count);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    bool viewportEvent(QEvent* event) override;

private:
    void placeFrozenView();
    int frozenWidth() const;

    QTableView* frozenView_ = nullptr;
    int frozenCount_ = 0;
};

} // namespace scorvane
