#pragma once

namespace scorvane {

// Which way the report's sort column runs.
enum class SortOrder { Ascending, Descending };

} // namespace scorvane
