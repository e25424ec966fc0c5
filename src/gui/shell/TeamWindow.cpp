#include "gui/shell/TeamWindow.h"

#include "core/text/Blanks.h"
#include "gui/app/WindowHost.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace scorvane {

TeamWindow::TeamWindow(WindowHost& host)
    : ChildWindow(host, WindowSelectTeam)
{
    setObjectName(QStringLiteral("frmSelectTeam"));
    setWindowTitle(QStringLiteral("Teams"));

    auto* layout = new QVBoxLayout(this);
    const QString gap(13, u' ');
    auto* panel = new QLabel(
        gap + QStringLiteral("Select Team(s)") + gap + QStringLiteral("Choose Menu Option"), this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    QFont bold = panel->font();
    bold.setBold(true);
    panel->setFont(bold);
    panel->setMinimumHeight(28);
    layout->addWidget(panel);

    selectTeamList_ = new QListWidget(this);
    selectTeamList_->setObjectName(QStringLiteral("lstSelectTeam"));
    selectTeamList_->setAccessibleName(QStringLiteral("Teams"));
    selectTeamList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    selectTeamList_->setMinimumSize(380, 360);
    layout->addWidget(selectTeamList_);

    auto* countRow = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Teams Selected:"), this);
    caption->setObjectName(QStringLiteral("lblTeamsSelected"));
    numberOfTeamsLabel_ = new QLabel(QStringLiteral("0"), this);
    numberOfTeamsLabel_->setObjectName(QStringLiteral("lblNumberOfTeams"));
    caption->setBuddy(selectTeamList_);
    countRow->addWidget(caption);
    countRow->addWidget(numberOfTeamsLabel_);
    countRow->addStretch(1);
    layout->addLayout(countRow);

    connect(
        selectTeamList_, &QListWidget::itemSelectionChanged, this, &TeamWindow::selectionChanged);
    connect(selectTeamList_, &QListWidget::itemDoubleClicked, this,
        [this] { this->host().runMenuCommand(QStringLiteral("mnuUpdateGames")); });
    // Enter on a line opens that team, as a double-click does.
    selectTeamList_->installEventFilter(this);
    setFocusProxy(selectTeamList_); // arrow keys choose a team at once
    load();
}

void TeamWindow::load()
{
    AppState& s = state();
    loading_ = true;
    for (int slot = 1; slot <= 100; ++slot)
        selectTeamList_->addItem(rightTrimBlanks(s.teamChoice.names[slot]));
    const int current = s.teamChoice.currentSlot >= 1 && s.teamChoice.currentSlot <= 100
        ? s.teamChoice.currentSlot
        : 1;
    selectTeamList_->setCurrentRow(current - 1, QItemSelectionModel::NoUpdate);
    if (host().takeFirstTeamWindowShowing()) {
        // First showing in a run: slot 1 alone, whatever an earlier run had chosen.
        s.teamChoice.selected.fill(false);
        selectTeamList_->item(0)->setSelected(true);
    } else {
        for (int slot = 1; slot <= 100; ++slot)
            selectTeamList_->item(slot - 1)->setSelected(s.teamChoice.selected[slot]);
    }
    loading_ = false;
    selectionChanged();
}

bool TeamWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == selectTeamList_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            host().runMenuCommand(QStringLiteral("mnuUpdateGames"));
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

int TeamWindow::countSelected() const
{
    if (loading_)
        return 0;
    return static_cast<int>(selectTeamList_->selectedItems().size());
}

TeamLines TeamWindow::selectedLines() const
{
    TeamLines lines{};
    for (int i = 0; i < 100; ++i)
        lines[static_cast<std::size_t>(i)] = selectTeamList_->item(i)->isSelected();
    return lines;
}

void TeamWindow::selectionChanged()
{
    if (loading_)
        return;
    const int count = countSelected();
    host().selectionChanged(count);
    numberOfTeamsLabel_->setText(QString::number(count));
}

} // namespace scorvane
