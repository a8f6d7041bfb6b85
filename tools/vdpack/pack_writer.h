#pragma once
#include <cstdio>
#include <string>

#include "pack_plan.h"

namespace vd::pack {

// Writes the stub, the files, the file index and the trailer (and the tail) to plan.out; the
// output gets the stub's permission bits. Failures raise LauncherException.
void writeLauncher(const PackPlan& plan);

// Prints the file index of a launcher file, one entry a line; failures raise
// LauncherException.
void listLauncher(const std::string& path, std::FILE* out);

// Writes every embedded file into `directory` (created when missing) under its entry name.
// A name that would leave the directory refuses the whole archive before anything is
// written; failures raise LauncherException.
void extractLauncher(const std::string& path, const std::string& directory);

}  // namespace vd::pack
