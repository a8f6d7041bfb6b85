#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vd::platform {

// Formats a pattern with the system message formatter's inserts ("%1!s!", "%2", "%%", "%n").
// nullopt when the formatter fails (an insert without an argument, a bad insert spec);
// the caller then reports lastErrorCode().
std::optional<std::string> formatMessage(const std::string& pattern,
                                         const std::vector<std::string>& inserts);

}  // namespace vd::platform
