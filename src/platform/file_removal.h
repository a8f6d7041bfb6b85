#pragma once
#include <string>

namespace vd {

// Removes a file, or a directory with everything below it. A missing path is no error.
// Entries that cannot be removed are logged as warnings and left.
void deletePath(const std::string& path);

// Removes one file or empty directory, read-only ones too. On failure logs the warning
// "Could not delete <path> :  <system text>" and returns false.
bool deleteFileOrEmptyDirectory(const std::string& path);

}  // namespace vd
