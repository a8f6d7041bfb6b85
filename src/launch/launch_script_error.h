#pragma once
#include <string>

namespace vd {

// Logs "Launch command:" and the text being expanded, then raises
// "Launch script error: " + message.
[[noreturn]] void raiseLaunchScriptError(const std::string& text, const std::string& message);

}  // namespace vd
