#pragma once
// Launcher stubs by platform name. A build description can say "linux", "win64" or "win32"
// instead of a path; vdpack finds that launcher in its own install or build tree.
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace vd::pack {

// `directory` followed by each of the names.
std::string joinAll(std::string directory, std::initializer_list<const char*> names);

// The first of `places` that is an existing file; otherwise nothing, with `looked` set to every
// place joined by `separator`, for the caller's message.
std::optional<std::string> firstExistingFile(const std::vector<std::string>& places,
                                             const std::string& separator, std::string& looked);

// Where vdpack looks for the stub of a platform name, first place first: with the environment
// variable VDPACK_STUBS set, only DIR/FILE in that directory; otherwise FILE in
// <vdpack's directory>/../lib/vdlauncher (the install layout) and, for vdpack's own platform,
// the launcher of vdpack's build tree (<vdpack's directory>/../../src). FILE is vdlauncher,
// vdlauncher-win64.exe or vdlauncher-win32.exe. Empty for a name that is no platform name.
std::vector<std::string> stubCandidates(const std::string& name);

// A stub as a build description gives it: a platform name becomes the first of its
// candidates that exists (UsageError naming every place looked at when none does); any other
// value is a path, taken relative to `baseDirectory` unless it is absolute.
std::string resolveStub(const std::string& value, const std::string& baseDirectory);

}  // namespace vd::pack
