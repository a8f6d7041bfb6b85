#pragma once
#include <string>

namespace vd::platform {

// Lets an extracted program be started: on POSIX whoever may read the file may now also run
// it. Windows runs any file by its name: nothing to do there.
bool makeExecutable(const std::string& path);

// Whether the file's owner may run it (POSIX); false on Windows, where no file has the bit.
bool isExecutableFile(const std::string& path);

}  // namespace vd::platform
