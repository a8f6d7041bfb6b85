#pragma once
#include "ui/worker_window.h"

namespace vd {

// The worker thread's work: the run driver with the arguments after the program name, then
// the last launch's standard error when the run failed, then the cleanup. Writes the exit code
// to the process state and returns it.
int runWorker(const CommandLineArguments& arguments, WorkerWindow& window);

// Whether a failed run shows the standard error its last launch wrote: not for result 0, and
// not for result 1000 from a launcher of kind 0 or 2.
bool showsLaunchErrorOutput(int result, int launcherKind);

}  // namespace vd
