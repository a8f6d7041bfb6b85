#pragma once
#include <string>

namespace vd {

// Whether a file can be found: true also when another process holds it open. Unexpected
// errors are logged and count as absent.
bool fileExists(const std::string& path);

// The text before the last path separator; empty when there is none.
std::string parentDirectory(const std::string& path);

// The system's short (8.3) form of an existing path; empty when it has none.
std::string shortPathName(const std::string& path);

}  // namespace vd
