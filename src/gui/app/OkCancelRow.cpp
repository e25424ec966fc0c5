#include "gui/app/OkCancelRow.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace scorvane {

OkCancelRow makeOkCancelRow(QWidget* parent, QWidget* leading)
{
    OkCancelRow row;
    row.ok = new QPushButton(QStringLiteral("OK"), parent);
    row.ok->setObjectName(QStringLiteral("cmdOK"));
    row.ok->setDefault(true);
    row.cancel = new QPushButton(QStringLiteral("Cancel"), parent);
    row.cancel->setObjectName(QStringLiteral("cmdCancel"));
    row.layout = new QHBoxLayout;
    if (leading != nullptr)
        row.layout->addWidget(leading);
    row.layout->addStretch();
    row.layout->addWidget(row.ok);
    row.layout->addWidget(row.cancel);
    return row;
}

} // namespace scorvane
