#include "gui/games/OwnNamesWindow.h"

#include "core/games/OwnNames.h"
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
    const OwnNames names = CurrentOwnNames(state());

    lblGameTypes = new QLabel(QStringLiteral("Game Types"), this);
    lblGameTypes->setObjectName(QStringLiteral("lblGameTypes"));
    Label2 = new QLabel(QStringLiteral("Categories"), this);
    Label2->setObjectName(QStringLiteral("Label2"));

    auto* grid = new QGridLayout;
    grid->addWidget(lblGameTypes, 0, 0);
    grid->addWidget(Label2, 0, 1);
    const int boxWidth = fontMetrics().horizontalAdvance(QString(12, u'M'));
    for (int i = 1; i <= 7; ++i) {
        auto* box = new QLineEdit(names.gameTypes[static_cast<std::size_t>(i - 1)], this);
        box->setObjectName(QStringLiteral("txtGameType%1").arg(i));
        box->setAccessibleName(QStringLiteral("Game type %1").arg(i));
        box->setMaxLength(10);
        box->setMinimumWidth(boxWidth);
        TextBoxes::SelectAllOnFocus(box, &state().TextAtFocus);
        grid->addWidget(box, i, 0);
        txtGameType[static_cast<std::size_t>(i - 1)] = box;
    }
    for (int i = 1; i <= 5; ++i) {
        auto* box = new QLineEdit(names.statCodes[static_cast<std::size_t>(i - 1)], this);
        box->setObjectName(QStringLiteral("txtCat%1").arg(i));
        box->setAccessibleName(QStringLiteral("Category %1").arg(i));
        box->setMaxLength(3);
        box->setMaximumWidth(boxWidth / 2);
        TextBoxes::SelectAllOnFocus(box, &state().TextAtFocus);
        grid->addWidget(box, i, 1, Qt::AlignLeft);
        txtCat[static_cast<std::size_t>(i - 1)] = box;
    }
    lblGameTypes->setBuddy(txtGameType[0]);
    Label2->setBuddy(txtCat[0]);
    grid->setHorizontalSpacing(24);

    const OkCancelRow buttons = MakeOkCancelRow(this);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons.layout);

    connect(cmdOK, &QPushButton::clicked, this, &OwnNamesWindow::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { ReturnToTeamWindow(); });
    SetDialogKeys(cmdOK, cmdCancel);
}

void OwnNamesWindow::opened()
{
    txtGameType[0]->setFocus();
}

void OwnNamesWindow::cmdOK_Click()
{
    OwnNames names;
    for (std::size_t i = 0; i < txtGameType.size(); ++i)
        names.gameTypes[i] = txtGameType[i]->text();
    for (std::size_t i = 0; i < txtCat.size(); ++i)
        names.statCodes[i] = txtCat[i]->text();
    ApplyOwnNames(state(), names);
    ReturnToTeamWindow();
}

} // namespace scorvane
