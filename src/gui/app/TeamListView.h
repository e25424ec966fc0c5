#pragma once

#include "core/teams/TeamSelection.h"

namespace scorvane {

// The team window's list as the main window's menu commands read it.
class TeamListView
{
public:
    virtual ~TeamListView() = default;
    virtual TeamLines selectedLines() const = 0;
};

} // namespace scorvane
