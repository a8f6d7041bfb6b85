#pragma once
#include <string>

#include "archive/runtime_package_reader.h"

namespace vd {

// Writes the package's tree below `destination` (empty for the current directory), creating
// the directories on the way, with the executable bits where the system has them, and the
// jvm file last. The package must have passed openRuntimePackage and checkRuntimeChecksums.
// Returns the number of entries written; failures raise LauncherException.
int installRuntime(const RuntimePackage& package, const std::string& destination);

// The installer's whole work: opens the package appended to `packagePath`, checks its index
// and checksums, creates `destination` when it is missing and installs the runtime there.
// Nothing is written for a package that fails a check.
void installRuntimePackage(const std::string& packagePath, const std::string& destination);

}  // namespace vd
