#pragma once
// A build description in a tag file, the launcher's own text format:
//   STUB:  linux | win64 | win32 | PATH      KIND: 0 to 255      OUT: PATH
//   FILES:
//     TYPE ID PATH [NAME] [compressed=COUNT:SIZE]
//   /:
// Relative paths count from the manifest's directory.
#include <string>

#include "pack_plan.h"

namespace vd::pack {

// Reads the manifest at `path` into a plan; STUB and OUT may be missing (the command line can
// give them). Every problem raises UsageError "PATH:LINE: detail", or "PATH: detail" when it
// has no line.
PackPlan readManifest(const std::string& path);

}  // namespace vd::pack
