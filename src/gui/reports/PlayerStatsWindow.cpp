#include "gui/reports/PlayerStatsWindow.h"

#include "core/reports/PlayerStatsExport.h"
#include "core/reports/PlayerStatsGrid.h"
#include "core/reports/ReportSettings.h"
#include "core/reports/TeamReportViews.h"
#include "core/state/AppState.h"
#include "core/state/Settings.h"
#include "core/text/Blanks.h"
#include "gui/app/WindowHelpers.h"
#include "gui/app/WindowHost.h"
#include "gui/output/DesktopOutput.h"
#include "gui/reports/ChartWindow.h"
#include "gui/reports/FormatListDialog.h"
#include "gui/reports/FrozenColumnsTable.h"
#include "gui/reports/GameSelection.h"
#include "gui/reports/MinimumDialog.h"
#include "gui/reports/ReportTables.h"
#include "gui/reports/SelectPlayerDialog.h"
#include "gui/reports/SortDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace scorvane {

namespace {

// The grid's widths are given for the program's first screens, whose digits were 6 pixels of
// 15 units each; they grow with the digits of the font in use, so that no column is narrower
// than its figures.
int pixelsFor(int units, const QFontMetrics& metrics)
{
    return units * metrics.horizontalAdvance(u'0') / 90;
}

} // namespace

PlayerStatsWindow::PlayerStatsWindow(WindowHost& host)
    : ChildWindow(host, WindowStats)
{
    setObjectName(QStringLiteral("frmStats"));
    setWindowTitle(QStringLiteral("Team and Player Statistics"));
    buildUi();
    load();
}

void PlayerStatsWindow::buildUi()
{
    teamLabel_ = makeLabel(this, "lblTeam");
    QFont teamFont = teamLabel_->font();
    teamFont.setBold(true);
    teamLabel_->setFont(teamFont);
    teamsCombo_ = named(new QComboBox(this), "cboTeams");
    teamsCombo_->setAccessibleName(QStringLiteral("Teams"));
    statsTable_ = named(new FrozenColumnsTable(this), "tblStats");
    statsTable_->setAccessibleName(QStringLiteral("Team and Player Statistics"));
    setUpReportTable(statsTable_);
    statsTable_->setTextElideMode(Qt::ElideNone); // the marker's dashes end at the column's edge
    statsTable_->setMinimumSize(760, 420);

    computeButton_ = makeButton(this, "cmdCompute", QStringLiteral("&Compute"));
    formatButton_ = makeButton(this, "cmdFormat", QStringLiteral("&Format"));
    sortButton_ = makeButton(this, "cmdSort", QStringLiteral("&Sort"));
    minimumButton_ = makeButton(this, "cmdMin", QStringLiteral("&Minimum"));
    playerButton_ = makeButton(this, "cmdPlayer", QStringLiteral("P&layer"));
    teamButton_ = makeButton(this, "cmdTeam", QStringLiteral("&Team"));
    printButton_ = makeButton(this, "cmdPrint", QStringLiteral("&Print"));
    chartLabel_ = makeLabel(this, "lblChartCategory", QStringLiteral("Stat&istic:"));
    chartCombo_ = named(new QComboBox(this), "cboChartCategory");
    chartCombo_->setAccessibleName(QStringLiteral("Statistic to chart"));
    chartLabel_->setBuddy(chartCombo_);
    // "&C" is Compute's, as in the team report windows.
    chartButton_ = makeButton(this, "cmdChart", QStringLiteral("C&hart"));
    closeButton_ = makeButton(this, "cmdExit", QStringLiteral("Close"));

    auto* top = new QHBoxLayout;
    top->addWidget(teamLabel_);
    top->addWidget(teamsCombo_);
    top->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button :
        {computeButton_, formatButton_, sortButton_, minimumButton_, playerButton_, teamButton_})
        buttons->addWidget(button);
    buttons->addWidget(chartLabel_);
    buttons->addWidget(chartCombo_);
    buttons->addWidget(chartButton_);
    buttons->addWidget(printButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(statsTable_, 1);
    layout->addLayout(buttons);
    setDialogKeys(nullptr, closeButton_);

    connect(computeButton_, &QPushButton::clicked, this, &PlayerStatsWindow::computeClicked);
    connect(formatButton_, &QPushButton::clicked, this, &PlayerStatsWindow::formatClicked);
    connect(sortButton_, &QPushButton::clicked, this, &PlayerStatsWindow::sortClicked);
    connect(minimumButton_, &QPushButton::clicked, this, &PlayerStatsWindow::minimumClicked);
    connect(playerButton_, &QPushButton::clicked, this, &PlayerStatsWindow::playerClicked);
    connect(teamButton_, &QPushButton::clicked, this, &PlayerStatsWindow::teamClicked);
    connect(printButton_, &QPushButton::clicked, this, &PlayerStatsWindow::printClicked);
    connect(chartButton_, &QPushButton::clicked, this, &PlayerStatsWindow::chartClicked);
    connect(closeButton_, &QPushButton::clicked, this, &PlayerStatsWindow::closeClicked);
    connect(teamsCombo_, &QComboBox::currentIndexChanged, this, &PlayerStatsWindow::teamsChanged);
}

// ---- The program state -------------------------------------------------------------------------

PlayerReportRequest PlayerStatsWindow::request()
{
    return playerReportRequest(state());
}

ReportSelection& PlayerStatsWindow::selection()
{
    return state().reportSelection;
}

ProgramSettings& PlayerStatsWindow::settings()
{
    return state().settings;
}

void PlayerStatsWindow::load()
{
    const TeamChoice& chosen = state().teamChoice;
    const QList<int> teams = chosenTeams(chosen);
    severalTeams_ = teams.size() >= 2;
    teamLabel_->setVisible(!severalTeams_);
    teamsCombo_->setVisible(severalTeams_);
    if (severalTeams_) {
        const QSignalBlocker quiet(teamsCombo_);
        teamsCombo_->addItem(QStringLiteral("Multiple Teams:"));
        for (int slot : teams)
            teamsCombo_->addItem(rightTrimBlanks(chosen.names[slot]));
        teamsCombo_->setCurrentIndex(0);
    } else {
        teamLabel_->setText(rightTrimBlanks(chosen.names[teams.front()]));
    }
    selection().individualPlayer = 0;

    BusyPointer busy;
    session_.compute(request(), state().reporter);
    draw();
}

// ---- Drawing -----------------------------------------------------------------------------------

void PlayerStatsWindow::draw()
{
    const PlayerStatsGrid grid = playerStatsGrid(session_.table(), session_.layout());
    showGrid(grid);
    fitColumns(grid);
    const PlayerReportButtons shown = playerReportButtons(
        session_.table().hasPlayerRows(), session_.layout().individual, severalTeams_);
    printButton_->setVisible(shown.print);
    formatButton_->setVisible(shown.format);
    sortButton_->setVisible(shown.sort);
    minimumButton_->setVisible(shown.minimum);
    playerButton_->setVisible(shown.player);
    teamButton_->setVisible(shown.team);
    showChartChoice(shown.print && session_.layout().individual);
}

void PlayerStatsWindow::showChartChoice(bool shown)
{
    const int chosen = chartCombo_->currentData().toInt();
    chartCombo_->clear();
    if (shown) {
        for (const ChartCategory& category :
            chartCategories(request().columns, settings().userStatCodes))
            chartCombo_->addItem(category.name, category.code);
        // The statistic chosen before stays chosen while the format still shows it.
        chartCombo_->setCurrentIndex(std::max(0, chartCombo_->findData(chosen)));
    }
    // A format of only computed columns leaves nothing to chart.
    const bool offered = chartCombo_->count() > 0;
    chartLabel_->setVisible(offered);
    chartCombo_->setVisible(offered);
    chartButton_->setVisible(offered);
}

void PlayerStatsWindow::showGrid(const PlayerStatsGrid& grid)
{
    statsTable_->clear();
    statsTable_->setColumnCount(static_cast<int>(grid.columns.size()));
    statsTable_->setRowCount(static_cast<int>(grid.rows.size()));
    QFont bold = statsTable_->font();
    bold.setBold(true);
    for (std::size_t c = 0; c < grid.columns.size(); ++c) {
        const StatsGridColumn& column = grid.columns[c];
        auto* heading = new QTableWidgetItem(column.heading);
        heading->setTextAlignment(
            Qt::AlignVCenter | (column.figures ? Qt::AlignRight : Qt::AlignLeft));
        statsTable_->setHorizontalHeaderItem(static_cast<int>(c), heading);
    }
    for (std::size_t r = 0; r < grid.rows.size(); ++r) {
        const QStringList& cells = grid.rows[r];
        const bool emphasised
            = static_cast<int>(r) == grid.totalsRow || static_cast<int>(r) == grid.markerRow;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            const bool figures = grid.columns[static_cast<std::size_t>(c)].figures
                && static_cast<int>(r) != grid.markerRow;
            item->setTextAlignment(Qt::AlignVCenter | (figures ? Qt::AlignRight : Qt::AlignLeft));
            if (emphasised)
                item->setFont(bold);
            if (static_cast<int>(r) == grid.totalsRow)
                item->setBackground(statsTable_->palette().alternateBase());
            statsTable_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
}

void PlayerStatsWindow::fitColumns(const PlayerStatsGrid& grid)
{
    QFont bold = statsTable_->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int padding = 2 * metrics.horizontalAdvance(u' ') + 8;
    int total = 0;
    for (std::size_t c = 0; c < grid.columns.size(); ++c) {
        int widest = metrics.horizontalAdvance(grid.columns[c].heading);
        for (std::size_t r = 0; r < grid.rows.size(); ++r) {
            const QStringList& row = grid.rows[r];
            // The marker's dashes are a rule across the row, not a figure to make room for.
            if (static_cast<int>(r) != grid.markerRow && static_cast<qsizetype>(c) < row.size())
                widest = std::max(widest, metrics.horizontalAdvance(row[static_cast<int>(c)]));
        }
        const int width = std::max(pixelsFor(grid.columns[c].width, metrics), widest + padding);
        statsTable_->setColumnWidth(static_cast<int>(c), width);
        total += width;
    }
    statsTable_->setFrozenColumns(grid.fixedColumns);
    // The window grows to show every column when the main window has room for them.
    showColumnsWidth(statsTable_, total, host().mainWidget(), 760, true, this);
}

// ---- Buttons -----------------------------------------------------------------------------------

void PlayerStatsWindow::computeClicked()
{
    if (!chooseGamesToCount(this, state(), prompter()))
        return;
    BusyPointer busy;
    session_.compute(request(), state().reporter);
    draw();
}

void PlayerStatsWindow::formatClicked()
{
    const FormatListContext context{
        settings().reportFolder, selection().kind, settings().categoryCodes};
    const std::optional<ChosenFormat> chosen
        = FormatListDialog::choose(this, context, prompter(), state().reporter);
    if (!chosen)
        return;
    applyFormat(settings(), *chosen);
    Settings::save(state()); // kept at once, so a crash does not lose the choice
    BusyPointer busy;
    session_.changeFormat(request());
    draw();
}

void PlayerStatsWindow::sortClicked()
{
    const ChosenFormat current = currentFormat(settings());
    const std::optional<SortChoice> chosen = SortDialog::choose(
        this, settings().categoryCodes, SortChoice{current.sortColumn, current.sortOrder});
    if (!chosen)
        return;
    ChosenFormat format = current;
    format.sortColumn = chosen->column;
    format.sortOrder = chosen->order;
    applyFormat(settings(), format);
    Settings::save(state());
    BusyPointer busy;
    session_.sort(request());
    draw();
}

void PlayerStatsWindow::minimumClicked()
{
    ReportSelection& chosen = selection();
    const MinimumChoice minimum
        = MinimumDialog::choose(this, chosen.minimumKind, chosen.minimumValue);
    chosen.minimumKind = minimum.kind; // the kind holds even after Cancel
    if (minimum.accepted)
        chosen.minimumValue = minimum.value;
    if (!minimum.accepted || chosen.minimumValue < 1)
        return;
    BusyPointer busy;
    session_.splitByMinimum(request());
    draw();
}

void PlayerStatsWindow::playerClicked()
{
    ReportSelection& chosen = selection();
    const std::optional<int> player
        = SelectPlayerDialog::choose(this, state().roster.names, chosen.individualPlayer);
    if (!player)
        return;
    chosen.individual = true;
    chosen.individualPlayer = *player;
    BusyPointer busy;
    session_.compute(request(), state().reporter);
    draw();
}

void PlayerStatsWindow::teamClicked()
{
    selection().individual = false;
    BusyPointer busy;
    session_.compute(request(), state().reporter);
    draw();
}

void PlayerStatsWindow::printClicked()
{
    if (!showPrintDialog(this, ReportKind::PlayerStatistics, state(), prompter()))
        return;
    BusyPointer busy;
    DesktopOutput output(this, state(), prompter());
    const PrintChoices choices = request().print;
    output.deliver([&](OutputEngine& engine) { session_.print(choices, engine); },
        [&] { return playerStatsExportTable(session_.table(), session_.layout(), choices); });
    output.tellWhereWritten(host());
}

void PlayerStatsWindow::chartClicked()
{
    const ChartCategory category{chartCombo_->currentData().toInt(), chartCombo_->currentText()};
    if (category.code == 0)
        return;
    GameChartData chartData;
    {
        BusyPointer busy;
        chartData = playerChartOf(state(), session_.table(), category);
    }
    ChartWindow chart(prompter(), chartData, ChartWindow::Style::Line, this);
    chart.exec();
}

void PlayerStatsWindow::closeClicked()
{
    returnToTeamWindow();
}

void PlayerStatsWindow::teamsChanged(int index)
{
    // The box only names the teams of the report; it always shows its heading.
    if (index != 0)
        teamsCombo_->setCurrentIndex(0);
}

} // namespace scorvane
