#include "gui/reports/FrozenColumnsTable.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace scorvane {

FrozenColumnsTable::FrozenColumnsTable(QWidget* parent)
    : QTableWidget(parent)
    , frozenView_(new QTableView(this))
{
    frozenView_->setObjectName(QStringLiteral("tblStatsNames"));
    frozenView_->setAccessibleName(QStringLiteral("Names"));
    frozenView_->setModel(model());
    frozenView_->setSelectionModel(selectionModel());
    frozenView_->setFocusPolicy(Qt::NoFocus);
    frozenView_->setFrameShape(QFrame::NoFrame);
    frozenView_->verticalHeader()->hide();
    frozenView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozenView_->horizontalHeader()->setHighlightSections(false);
    frozenView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozenView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozenView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    frozenView_->setWordWrap(false);
    frozenView_->hide();
    viewport()->stackUnder(frozenView_);

    connect(frozenView_->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(),
        &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, frozenView_->verticalScrollBar(),
        &QScrollBar::setValue);
}

void FrozenColumnsTable::setFrozenColumns(int count)
{
    frozenCount_ = count;
    // The cells' model is new after the grid was cleared and refilled; the view follows it.
    if (frozenView_->model() != model()) {
        frozenView_->setModel(model());
        frozenView_->setSelectionModel(selectionModel());
    }
    frozenView_->setSelectionBehavior(selectionBehavior());
    frozenView_->setSelectionMode(selectionMode());
    frozenView_->setTextElideMode(textElideMode());
    frozenView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozenView_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    for (int column = 0; column < columnCount(); ++column) {
        frozenView_->setColumnHidden(column, column >= count);
        frozenView_->setColumnWidth(column, columnWidth(column));
    }
    frozenView_->setVisible(count > 0);
    placeFrozenView();
}

int FrozenColumnsTable::frozenWidth() const
{
    int width = 0;
    for (int column = 0; column < frozenCount_ && column < columnCount(); ++column)
        width += columnWidth(column);
    return width;
}

void FrozenColumnsTable::placeFrozenView()
{
    frozenView_->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), frozenWidth(),
        viewport()->height() + horizontalHeader()->height());
    frozenView_->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

void FrozenColumnsTable::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    placeFrozenView();
}

bool FrozenColumnsTable::viewportEvent(QEvent* event)
{
    // The header's height is known only once the grid is laid out.
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        placeFrozenView();
    return QTableWidget::viewportEvent(event);
}

void FrozenColumnsTable::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    // A cell under the frozen columns is always in view sideways; scroll only up or down then.
    if (index.isValid() && index.column() < frozenCount_) {
        const int firstFree = columnAt(frozenWidth() + 1);
        if (firstFree >= 0) {
            QTableWidget::scrollTo(model()->index(index.row(), firstFree), hint);
            return;
        }
    }
    QTableWidget::scrollTo(index, hint);
}

} // namespace scorvane
