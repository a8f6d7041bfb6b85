#pragma once
#include <string>

namespace vd {

// An entry's name comes from the archive, which may be hostile: it must name a file in the
// target directory and nothing else. Raises a LauncherException for an empty name, "." or
// "..", and any name holding a path separator, a drive colon, NUL, a line feed or a carriage
// return (which the written input file could not carry).
void checkEntryName(const std::string& name);
// The test checkEntryName makes, without raising.
bool isPlainFileName(const std::string& name);

}  // namespace vd
