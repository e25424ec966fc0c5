#include "gui/reports/ChartWindow.h"

#include "gui/app/Prompter.h"
#include "gui/output/DesktopOutput.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace scorvane {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QChart* buildChart(const GameChartData& data, ChartWindow::Style style)
{
    auto* chart = new QChart;
    chart->setTitle(data.title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    // A bottom axis label is one line: the game number, its date and, for the team, the record
    // after it, turned upright so a season of them fits side by side.
    QStringList labels = data.gameLabels;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        labels[i].replace(u'\n', QStringLiteral("  "));
        if (i < data.notes.size())
            labels[i] += QStringLiteral("  (") + data.notes[i] + u')';
    }

    auto* gamesAxis = new QBarCategoryAxis;
    gamesAxis->append(labels);
    gamesAxis->setTitleText(data.notes.isEmpty() ? QStringLiteral("Game and date")
                                                 : QStringLiteral("Game, date and record"));
    gamesAxis->setLabelsAngle(-90);
    auto* valueAxis = new QValueAxis;
    valueAxis->setTitleText(data.valueAxisTitle);
    valueAxis->setLabelFormat(QStringLiteral("%d"));
    double highest = 1;
    for (const auto& line : data.lines)
        for (double v : line.values)
            highest = std::max(highest, v);
    // One step of room above the highest value keeps its bar or point label inside the chart.
    const double top = std::ceil(highest) + 1;
    valueAxis->setRange(0, top);
    valueAxis->setTickCount(top <= 10 ? static_cast<int>(top) + 1 : 11);
    chart->addAxis(gamesAxis, Qt::AlignBottom);
    chart->addAxis(valueAxis, Qt::AlignLeft);

    if (style == ChartWindow::Style::Bars) {
        auto* series = new QBarSeries;
        for (const auto& line : data.lines) {
            auto* set = new QBarSet(line.name);
            for (double v : line.values)
                *set << v;
            series->append(set);
        }
        chart->addSeries(series);
        series->attachAxis(gamesAxis);
        series->attachAxis(valueAxis);
    } else {
        for (const auto& line : data.lines) {
            auto* series = new QLineSeries;
            series->setName(line.name);
            series->setPointsVisible(true);
            series->setPointLabelsVisible(true);
            series->setPointLabelsFormat(QStringLiteral("@yPoint"));
            for (qsizetype i = 0; i < line.values.size(); ++i)
                series->append(static_cast<double>(i), line.values[i]);
            chart->addSeries(series);
            series->attachAxis(gamesAxis);
            series->attachAxis(valueAxis);
        }
    }
    return chart;
}

} // namespace

ChartWindow::ChartWindow(
    Prompter& prompter, const GameChartData& chartData, Style style, QWidget* parent)
    : QDialog(parent)
    , prompter_(prompter)
{
    setObjectName(QStringLiteral("frmChart"));
    setWindowTitle(chartData.title);
    chartView_ = new QChartView(buildChart(chartData, style), this);
    chartView_->setObjectName(QStringLiteral("chartView"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(760, 440);
    chartView_->setAccessibleName(chartData.title);

    auto* saveButton = button(this, "cmdSave", QStringLiteral("&Save Picture..."));
    auto* printButton = button(this, "cmdPrint", QStringLiteral("&Print..."));
    auto* closeButton = button(this, "cmdClose", QStringLiteral("&Close"));
    connect(saveButton, &QPushButton::clicked, this, &ChartWindow::saveClicked);
    connect(printButton, &QPushButton::clicked, this, &ChartWindow::printClicked);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(printButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chartView_);
    layout->addLayout(buttons);
}

bool ChartWindow::saveTo(const QString& path) const
{
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        QPdfWriter writer(path);
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setTitle(windowTitle());
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        chartView_->render(&painter);
        return painter.end();
    }
    return chartView_->grab().save(path, "PNG");
}

void ChartWindow::saveClicked()
{
    FileQuestion question;
    question.title = QStringLiteral("Save Chart");
    question.filter = QStringLiteral("PNG picture (*.png);;PDF document (*.pdf)");
    question.defaultSuffix = QStringLiteral("png");
    const QString path = prompter_.saveFileName(this, question);
    if (path.isEmpty())
        return;
    if (!saveTo(path))
        prompter_.tell(this, QStringLiteral("Save Chart"),
            QStringLiteral("The chart could not be written to %1.").arg(path),
            Message::Icon::Warning);
}

void ChartWindow::printClicked()
{
    QPrinter& printer = programPrinter();
    if (!prompter_.printerSetup(this, printer))
        return;
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer)) {
        prompter_.tell(this, QStringLiteral("Print Chart"), QStringLiteral("Printer not ready"),
            Message::Icon::Warning);
        return;
    }
    chartView_->render(&painter);
    painter.end();
}

} // namespace scorvane
