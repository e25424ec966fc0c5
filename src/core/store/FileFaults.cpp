#include "core/store/FileFaults.h"

#include <cerrno>
#include <csignal>

namespace scorvane {
namespace {

// Plain counters: the program has one thread and tests arm the fault layer before each run.
int failStep = 0;
int failErrno = 0;
bool failSticky = false;
int taken = 0;
int killStep = 0;

} // namespace

void FileFaults::failAt(int step, int errnoValue, bool sticky)
{
    failStep = step;
    failErrno = errnoValue;
    failSticky = sticky;
    taken = 0;
}

void FileFaults::killAt(int step)
{
    failAt(0, 0);
    killStep = step;
}

void FileFaults::reset()
{
    failAt(0, 0);
    killStep = 0;
}

int FileFaults::stepsTaken()
{
    return taken;
}

bool FileFaults::allowStep()
{
    ++taken;
    if (killStep != 0 && taken == killStep)
        std::raise(SIGKILL); // the step is never taken, and nothing after it
    if (failStep == 0)
        return true;
    if (taken == failStep || (failSticky && taken > failStep)) {
        errno = failErrno;
        return false;
    }
    return true;
}

} // namespace scorvane
