#pragma once
#include <string>

namespace vd {

// The application archive's path for APPLICATION_ARCHIVE, found once per process and then
// returned unchanged whatever the argument. Without a file name: the last embedded application
// archive, extracted into a new temporary directory. With one: that file, next to the
// launcher the user started, copied into a new temporary directory; a missing file gives ""
// and is looked for again by the next call.
std::string applicationArchivePath();
std::string applicationArchivePath(const std::string& fileName);

}  // namespace vd
