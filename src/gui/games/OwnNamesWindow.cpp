#include "gui/games/OwnNamesWindow.h"

#include "core/games/OwnNames.h"
#include "core/state/Settings.h"
#include "gui/app/OkCancelRow.h"
#include "gui/app/TextBoxes.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace scorvane {

OwnNamesWindow::OwnNamesWindow(WindowHost& host)
    : ChildWindow(host, WindowNameYourOwn)
{
    setObjectName(QStringLiteral("frmNameYourOwn"));
    setWindowTitle(QStringLiteral("Name Your Own"));
    const OwnNames names = currentOwnNames(state());

    gameTypesLabel_ = new QLabel(QStringLiteral("Game Types"), this);
    gameTypesLabel_->setObjectName(QStringLiteral("lblGameTypes"));
    categoriesLabel_ = new QLabel(QStringLiteral("Categories"), this);
    categoriesLabel_->setObjectName(QStringLiteral("Label2"));

    auto* grid = new QGridLayout;
    grid->addWidget(gameTypesLabel_, 0, 0);
    grid->addWidget(categoriesLabel_, 0, 1);
    const int boxWidth = fontMetrics().horizontalAdvance(QString(12, u'M'));
    for (int i = 1; i <= 7; ++i) {
        auto* box = new QLineEdit(names.gameTypes[static_cast<std::size_t>(i - 1)], this);
        box->setObjectName(QStringLiteral("txtGameType%1").arg(i));
        box->setAccessibleName(QStringLiteral("Game type %1").arg(i));
        box->setMaxLength(10);
        box->setMinimumWidth(boxWidth);
        TextBoxes::selectAllOnFocus(box);
        grid->addWidget(box, i, 0);
        gameTypeEdit[static_cast<std::size_t>(i - 1)] = box;
    }
    for (int i = 1; i <= 5; ++i) {
        auto* box = new QLineEdit(names.statCodes[static_cast<std::size_t>(i - 1)], this);
        box->setObjectName(QStringLiteral("txtCat%1").arg(i));
        box->setAccessibleName(QStringLiteral("Category %1").arg(i));
        box->setMaxLength(3);
        box->setMaximumWidth(boxWidth / 2);
        TextBoxes::selectAllOnFocus(box);
        grid->addWidget(box, i, 1, Qt::AlignLeft);
        catEdit[static_cast<std::size_t>(i - 1)] = box;
    }
    gameTypesLabel_->setBuddy(gameTypeEdit[0]);
    categoriesLabel_->setBuddy(catEdit[0]);
    grid->setHorizontalSpacing(24);

    const OkCancelRow buttons = makeOkCancelRow(this);
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons.layout);

    connect(okButton_, &QPushButton::clicked, this, &OwnNamesWindow::okClicked);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { returnToTeamWindow(); });
    setDialogKeys(okButton_, cancelButton_);
}

void OwnNamesWindow::opened()
{
    gameTypeEdit[0]->setFocus();
}

void OwnNamesWindow::okClicked()
{
    OwnNames names;
    for (std::size_t i = 0; i < gameTypeEdit.size(); ++i)
        names.gameTypes[i] = gameTypeEdit[i]->text();
    for (std::size_t i = 0; i < catEdit.size(); ++i)
        names.statCodes[i] = catEdit[i]->text();
    applyOwnNames(state(), names);
    Settings::save(state()); // kept at once, not only at a normal end
    returnToTeamWindow();
}

} // namespace scorvane
