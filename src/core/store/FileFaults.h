#pragma once

namespace scorvane {

// Every step that changes the disk during a safe write (create, write, flush, rename, remove)
// passes through here first, so a test can make the k-th step fail as a full disk or a dead
// device would. Off unless a test arms it; the program never does.
class FileFaults
{
public:
    // Makes step number `step` (counting from 1 after this call) fail with `errnoValue`, and every
    // later step too when `sticky` (a disk that stays full). 0 disarms.
    static void failAt(int step, int errnoValue, bool sticky = false);
    // Ends the process at once, as a kill would, just before step `step` (tests run it in a
    // child process).
    static void killAt(int step);
    static void reset();

    // Steps taken since the last failAt or reset.
    static int stepsTaken();

    // Counts one step; false (with errno set) when that step is to fail.
    static bool allowStep();
};

} // namespace scorvane
