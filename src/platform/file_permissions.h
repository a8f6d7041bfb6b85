#pragma once
#include <string>

namespace vd::platform {

// Gives `to` the permission bits of `from` (an executable stays executable). Windows has no
// such bits: there it does nothing and succeeds.
bool copyFilePermissions(const std::string& from, const std::string& to);

}  // namespace vd::platform
