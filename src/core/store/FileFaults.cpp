#include "core/store/FileFaults.h"

#include <cerrno>

namespace scorvane {
namespace {

// Plain counters: the program has one thread and tests arm the fault layer before each run.
int failStep = 0;
int failErrno = 0;
bool failSticky = false;
int taken = 0;

} // namespace

void FileFaults::failAt(int step, int errnoValue, bool sticky)
{
    failStep = step;
    failErrno = errnoValue;
    failSticky = sticky;
    taken = 0;
}

void FileFaults::reset()
{
    failAt(0, 0);
}

int FileFaults::stepsTaken()
{
    return taken;
}

bool FileFaults::allowStep()
{
    ++taken;
    if (failStep == 0)
        return true;
    if (taken == failStep || (failSticky && taken > failStep)) {
        errno = failErrno;
        return false;
    }
    return true;
}

} // namespace scorvane
