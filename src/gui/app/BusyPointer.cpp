#include "gui/app/WindowHost.h"

#include <QApplication>
#include <QCursor>

namespace scorvane {

BusyPointer::BusyPointer()
{
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyPointer::~BusyPointer()
{
    QApplication::restoreOverrideCursor();
}

} // namespace scorvane
