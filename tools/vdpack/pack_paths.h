#pragma once
// Paths as vdpack's build descriptions give them.
#include <string>

namespace vd::pack {

// The directory part of a path without its final separator; empty when there is none.
std::string directoryOf(const std::string& path);

// The last component of a path, after its last '/' or '\' (both, on every platform: a build
// description may come from either).
std::string baseName(const std::string& path);

// `path` relative to `baseDirectory` unless it is absolute (or the base is empty).
std::string relativeTo(const std::string& baseDirectory, const std::string& path);

}  // namespace vd::pack
