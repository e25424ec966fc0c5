#include "ui/WindowFactory.h"

#include "entry/gui/FrmPScreen.h"

namespace scorvane {

// One line per window: the kind, its name, and how to make it.
void RegisterWindows(WindowFactory& factory)
{
    (void)factory;
    factory.add(WindowPScreen, QStringLiteral("frmPScreen"),
        [](WindowHost& h) { return new FrmPScreen(h); });
}

} // namespace scorvane
