#pragma once

#include "gui/app/WindowKind.h"

#include <QString>

#include <functional>
#include <map>

namespace scorvane {

class ChildWindow;
class WindowHost;

// Creates the child window of each kind. Every window registers itself in registerWindows();
// the main window tells the user when a kind has no window yet.
class WindowFactory
{
public:
    using Maker = std::function<ChildWindow*(WindowHost&)>;

    void add(WindowKind kind, Maker maker);
    bool has(WindowKind kind) const;
    ChildWindow* make(WindowKind kind, WindowHost& host) const; // null when none is registered

private:
    std::map<WindowKind, Maker> makers_;
};

// Registers every window the program has (defined in registerWindows.cpp).
void registerWindows(WindowFactory& factory);

} // namespace scorvane
