#pragma once
#include <string>

namespace vd::platform {

// Whether a directory met by the drive scan belongs to the system rather than to any file
// system holding programs (on POSIX: /proc, /sys, /dev and /run, whose trees are generated,
// endless or both). `dir` ends with the path separator.
bool isSystemPseudoDirectory(const std::string& dir);

}  // namespace vd::platform
