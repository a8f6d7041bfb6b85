#pragma once
#include <string>

namespace vd {

// The progress line of the terminal UI: a bar for `position` (0 to 99) followed by the
// status, cut to fit `columns` without splitting a UTF-8 character. No control characters.
std::string renderStatusLine(const std::string& status, int position, int columns);

}  // namespace vd
