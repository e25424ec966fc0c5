#pragma once

namespace scorvane {

// Keeps memory the program frees for its next use instead of handing it back to the system at
// once. A report or an import allocates a few megabytes, frees them, and allocates them again the
// next time; every page handed back and taken again costs a page fault, which on the virtual
// machines the program often runs on (about 9 microseconds each) cost more than the work the
// pages were used for. Called once at the start of each program. Does nothing where the C
// library offers no such setting.
void keepFreedMemoryForReuse();

} // namespace scorvane
