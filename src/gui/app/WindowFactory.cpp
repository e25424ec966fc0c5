#include "gui/app/WindowFactory.h"

namespace scorvane {

void WindowFactory::add(WindowKind kind, Maker maker)
{
    makers_[kind] = std::move(maker);
}

bool WindowFactory::has(WindowKind kind) const
{
    return makers_.contains(kind);
}

ChildWindow* WindowFactory::make(WindowKind kind, WindowHost& host) const
{
    const auto found = makers_.find(kind);
    return found == makers_.end() ? nullptr : found->second(host);
}

} // namespace scorvane
