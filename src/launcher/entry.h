#pragma once
#include <string>
#include <vector>

namespace vd {

// The process entry shared by every platform: the debug log, then the driver with the
// arguments after the program name, then cleanup. Returns the process exit code.
int runLauncherProcess(const std::vector<std::string>& args);

}  // namespace vd
