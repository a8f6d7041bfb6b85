#pragma once
#include <string>
#include <vector>

namespace vd {

// The body of the launcher's work: reads the options, then runs the instruction program or an
// input file's action. Returns the result code that becomes the process exit code.
int runDriver(const std::vector<std::string>& arguments, const std::string& launcherPath);

}  // namespace vd
