#include "gui/seasons/CareerChoiceBox.h"

#include "gui/app/WindowHelpers.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace scorvane {

CareerChoiceBox::CareerChoiceBox(const std::vector<ArchivedSeason>& seasons, QWidget* parent)
    : QGroupBox(QStringLiteral("Career"), parent)
{
    setObjectName(QStringLiteral("frmCareer"));
    careerCheck_
        = named(new QCheckBox(QStringLiteral("&Career: this season and the seasons ticked"), this),
            "chkCareer");
    auto* label = makeLabel(this, "lblCareerSeasons", QStringLiteral("Archived seasons:"));
    seasonList_ = named(new QListWidget(this), "lstCareerSeasons");
    label->setBuddy(seasonList_);
    seasonList_->setMaximumHeight(90);
    for (const ArchivedSeason& season : seasons) {
        auto* item = new QListWidgetItem(season.name, seasonList_);
        item->setData(Qt::UserRole, season.name);
        if (season.usable()) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        } else {
            item->setText(season.name + QStringLiteral("  (left out: ") + season.problem + u')');
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable));
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(careerCheck_);
    layout->addWidget(label);
    layout->addWidget(seasonList_);
    connect(careerCheck_, &QCheckBox::toggled, this, &CareerChoiceBox::careerToggled);
    careerToggled(false);
}

bool CareerChoiceBox::offered(bool playerStatistics, const QString& dataFolder)
{
    return playerStatistics && !listSeasons(dataFolder).empty();
}

void CareerChoiceBox::load(bool career, const QStringList& ticked)
{
    careerCheck_->setChecked(career);
    const bool all = ticked == QStringList{QStringLiteral("all")};
    for (int i = 0; i < seasonList_->count(); ++i) {
        QListWidgetItem* item = seasonList_->item(i);
        if (item->flags() & Qt::ItemIsUserCheckable)
            item->setCheckState(all || ticked.contains(item->data(Qt::UserRole).toString())
                    ? Qt::Checked
                    : Qt::Unchecked);
    }
    careerToggled(career);
}

bool CareerChoiceBox::career() const
{
    return careerCheck_->isChecked();
}

QStringList CareerChoiceBox::tickedSeasons() const
{
    QStringList names;
    for (int i = 0; i < seasonList_->count(); ++i) {
        const QListWidgetItem* item = seasonList_->item(i);
        if (item->checkState() == Qt::Checked)
            names << item->data(Qt::UserRole).toString();
    }
    return names;
}

void CareerChoiceBox::careerToggled(bool on)
{
    seasonList_->setEnabled(on);
}

} // namespace scorvane
