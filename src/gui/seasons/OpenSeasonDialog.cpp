#include "gui/seasons/OpenSeasonDialog.h"

#include "gui/app/OkCancelRow.h"
#include "gui/app/WindowHelpers.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace scorvane {

OpenSeasonDialog::OpenSeasonDialog(
    const std::vector<ArchivedSeason>& seasons, const QString& viewed, QWidget* parent)
    : QDialog(parent)
    , seasons_(seasons)
{
    setObjectName(QStringLiteral("frmOpenSeason"));
    setWindowTitle(QStringLiteral("Open Season"));
    auto* label = makeLabel(this, "lblSeasons", QStringLiteral("&Seasons:"));
    seasonList_ = named(new QListWidget(this), "lstSeasons");
    label->setBuddy(seasonList_);
    seasonList_->addItem(QStringLiteral("Current season"));
    int selected = 0;
    for (const ArchivedSeason& season : seasons_) {
        auto* item = new QListWidgetItem(season.name, seasonList_);
        if (!season.usable()) {
            // Listed so the user knows it is there and why it is left out; never opened.
            item->setText(
                season.name + QStringLiteral("  (cannot be opened: ") + season.problem + u')');
            item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
        } else if (season.name == viewed) {
            selected = seasonList_->count() - 1;
        }
    }
    seasonList_->setCurrentRow(selected);
    auto* note = makeLabel(this, "lblNote",
        QStringLiteral("An archived season opens for viewing and reports only: nothing in it can "
                       "be changed."));
    note->setWordWrap(true);
    const OkCancelRow buttons = makeOkCancelRow(this);
    okButton_ = buttons.ok;
    okButton_->setText(QStringLiteral("&Open"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(seasonList_);
    layout->addWidget(note);
    layout->addLayout(buttons.layout);
    resize(460, 300);

    connect(okButton_, &QPushButton::clicked, this, &OpenSeasonDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &OpenSeasonDialog::reject);
    connect(seasonList_, &QListWidget::itemDoubleClicked, this, &OpenSeasonDialog::accept);
    connect(seasonList_, &QListWidget::currentRowChanged, this, &OpenSeasonDialog::rowChanged);
}

void OpenSeasonDialog::rowChanged(int row)
{
    okButton_->setEnabled(row >= 0);
}

std::optional<SeasonChoice> OpenSeasonDialog::choose(
    QWidget* parent, const std::vector<ArchivedSeason>& seasons, const QString& viewed)
{
    OpenSeasonDialog dialog(seasons, viewed, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

SeasonChoice OpenSeasonDialog::choice() const
{
    const int row = seasonList_->currentRow();
    if (row <= 0)
        return {};
    return {false, seasons_.at(static_cast<std::size_t>(row - 1))};
}

} // namespace scorvane
