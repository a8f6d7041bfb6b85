#pragma once
#include <string>

namespace vd::platform {

// Asks the user for an existing file, without an owner window: the system's open-file dialog
// on Windows (filter `pattern`, up to 260 characters); on POSIX a question on the terminal,
// asked only when standard input and standard error are both terminals. Empty when the user
// cancels or cannot be asked.
std::string chooseFileToOpen(const std::string& pattern);

}  // namespace vd::platform
