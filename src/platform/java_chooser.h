#pragma once
#include <string>

namespace vd::platform {

// Asks the user for a java executable when no suitable JVM was found, also in silent mode:
// the system's open-file dialog without owner on Windows ("*.exe", paths and file must exist),
// a prompt on the terminal on POSIX. Returns the chosen path, empty when cancelled or when
// nobody can be asked (POSIX without a terminal).
std::string chooseJavaExecutable();

}  // namespace vd::platform
