#pragma once

#include <functional>
#include <string>

// How work run in a child process ended.
struct ChildOutcome {
    bool finished = false;  // returned (or threw) within the time limit
    std::string report;     // what the work returned, or "error: " and the message of what it threw
    long peakKilobytes = 0; // the child's peak resident memory
    double seconds = 0;
};

// Runs the work in a forked copy of this process and gives its outcome; the
// child is killed when it overruns the time limit. Memory and time are
// measured on the child alone, so a test can bound them without the rest of
// the test process counting.
ChildOutcome RunInChild(const std::function<std::string()>& work, int timeLimitSeconds);

// Starts the work in a forked child and returns its process id at once; the
// child ends when the work returns. For killing a run on purpose.
int StartChild(const std::function<void()>& work);

// Waits for a child started by StartChild; true when it was killed by a signal.
bool WaitForKilledChild(int pid);
