#include "gui/reports/ReportTables.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>

namespace scorvane {

namespace {

Qt::Alignment alignmentOf(const GridColumn& column)
{
    return Qt::AlignVCenter
        | (column.alignment == CellAlignment::Right ? Qt::AlignRight : Qt::AlignLeft);
}

} // namespace

void setUpReportTable(QTableWidget* table)
{
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setHighlightSections(false);
    table->setWordWrap(false);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
}

void showColumnsWidth(QTableWidget* table, int columnsWidth, const QWidget* main, int minimumWidth,
    bool scrolls, QWidget* window)
{
    const int room = main != nullptr ? main->width() - 120 : 0;
    const int scrollBar = scrolls ? table->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4 : 0;
    const int wanted = columnsWidth + 2 * table->frameWidth() + scrollBar;
    table->setMinimumWidth(std::max(minimumWidth, std::min(wanted, room)));
    if (QWidget* frame = window->parentWidget(); frame != nullptr && frame->isVisible())
        frame->resize(frame->size().expandedTo(frame->sizeHint()));
}

int showReportGrid(QTableWidget* table, const ReportGrid& grid)
{
    table->clear();
    const int columns = static_cast<int>(grid.columns.size());
    table->setColumnCount(columns);
    table->setRowCount(static_cast<int>(grid.rows.size()));
    table->horizontalHeader()->setVisible(grid.hasHeadings());
    const QFontMetrics metrics(table->font());
    const int padding = 2 * metrics.horizontalAdvance(u' ') + 8;
    std::vector<int> widths(grid.columns.size(), 0);
    for (int c = 0; c < columns; ++c) {
        const GridColumn& column = grid.columns[static_cast<std::size_t>(c)];
        auto* heading = new QTableWidgetItem(column.heading);
        heading->setTextAlignment(alignmentOf(column));
        table->setHorizontalHeaderItem(c, heading);
        widths[static_cast<std::size_t>(c)] = metrics.horizontalAdvance(column.heading);
    }
    for (std::size_t r = 0; r < grid.rows.size(); ++r) {
        const QStringList& cells = grid.rows[r];
        for (int c = 0; c < columns && c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(alignmentOf(grid.columns[static_cast<std::size_t>(c)]));
            table->setItem(static_cast<int>(r), c, item);
            int& width = widths[static_cast<std::size_t>(c)];
            width = std::max(width, metrics.horizontalAdvance(cells[c]));
        }
    }
    const int widestOther = widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end());
    int widestFigures = 0;
    for (int c = 0; c < columns; ++c) {
        if (grid.columns[static_cast<std::size_t>(c)].alignment == CellAlignment::Right)
            widestFigures = std::max(widestFigures, widths[static_cast<std::size_t>(c)]);
    }
    int total = 0;
    for (int c = 0; c < columns; ++c) {
        const GridColumn& column = grid.columns[static_cast<std::size_t>(c)];
        int width = widths[static_cast<std::size_t>(c)] + padding;
        if (grid.hasHeadings() && column.alignment == CellAlignment::Right)
            width = widestFigures + padding;
        if (column.widest)
            width = std::max(width, widestOther + padding);
        table->setColumnWidth(c, width);
        total += width;
    }
    return total;
}

} // namespace scorvane
