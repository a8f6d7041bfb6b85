#pragma once
#include <optional>
#include <string>

namespace vd::platform {

// The file a child's program name stands for, resolved against the launcher's current
// directory (a child's working directory does not change where its program is found): a name
// with a "/" as it is, any other name on PATH. Nothing, with errno set, when there is no such
// executable file.
std::optional<std::string> findProgram(const std::string& name);

}  // namespace vd::platform
