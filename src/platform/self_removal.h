#pragma once
// What the launcher needs from the system to remove its own executable after it has exited.
#include <string>

namespace vd::platform {

// True where a running executable's file can simply be removed (POSIX).
bool runningExecutableRemovable();

// The Windows directory; empty where there is none.
std::string windowsDirectory();

// Starts a batch file in a hidden console, suspended until its priority is lowered to idle,
// and raises this process's priority so that it exits before the batch gets to run. False
// when the batch could not be started.
bool startDetachedBatch(const std::string& batchFile);

}  // namespace vd::platform
