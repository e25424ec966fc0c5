#include "ui/WindowFactory.h"

namespace scorvane {

// One line per window: the kind, its name, and how to make it.
void RegisterWindows(WindowFactory& factory)
{
    (void)factory;
}

} // namespace scorvane
