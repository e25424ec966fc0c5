#pragma once

#include "gui/app/WindowKind.h"

#include <QString>

#include <functional>
#include <map>

namespace scorvane {

class ChildWindow;
class WindowHost;

// Creates the child window of each kind. Every window registers itself in registerWindows();
// a kind with no window yet gets a plain notice naming it.
class WindowFactory
{
public:
    using Maker = std::function<ChildWindow*(WindowHost&)>;

    void add(WindowKind kind, const QString& windowName, Maker maker);
    bool has(WindowKind kind) const;
    ChildWindow* make(WindowKind kind, WindowHost& host) const; // null when none is registered
    static QString windowName(WindowKind kind);                 // "frmRoster", ...

private:
    std::map<WindowKind, Maker> makers_;
};

// Registers every window the program has (defined in registerWindows.cpp).
void registerWindows(WindowFactory& factory);

} // namespace scorvane
