#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vd {

// The string resource `id` in the user's language, empty when missing.
std::string resourceText(unsigned id);
// Formats a pattern with message inserts ("%1!s!"); a formatter failure raises
// "Format message failed. Err = <code>".
std::string formatText(const std::string& pattern, const std::vector<std::string>& inserts);
std::string formatResource(unsigned id, const std::vector<std::string>& inserts);
// The system's text for an error code (empty when it has none).
std::string systemErrorText(uint32_t code);
// The system's text for the calling thread's last error.
std::string lastErrorText();

}  // namespace vd
