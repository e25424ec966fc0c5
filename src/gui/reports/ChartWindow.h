#pragma once

#include "core/reports/GameChartData.h"

#include <QDialog>

class QChartView;

namespace scorvane {

class Prompter;

// A chart of figures game by game, with the game numbers and dates along the bottom. The chart
// saves as a PNG picture or a PDF page and prints.
class ChartWindow : public QDialog
{
    Q_OBJECT

public:
    enum class Style { Bars, Line };

    ChartWindow(Prompter& prompter, const GameChartData& chartData, Style style, QWidget* parent);

    // Writes the chart to `path`: a PDF page when the name ends in ".pdf", else a PNG picture.
    bool saveTo(const QString& path) const;

private:
    void saveClicked();
    void printClicked();

    Prompter& prompter_;
    QChartView* chartView_ = nullptr;
};

} // namespace scorvane
