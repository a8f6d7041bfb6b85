#include "stub_locator.h"

#include "pack_paths.h"
#include "pack_plan.h"
#include "platform/environment.h"
#include "platform/file_operations.h"
#include "platform/module.h"
#include "platform/path.h"

namespace vd::pack {
namespace {

#if defined(_WIN64)
constexpr const char* kOwnPlatform = "win64";
#elif defined(_WIN32)
constexpr const char* kOwnPlatform = "win32";
#else
constexpr const char* kOwnPlatform = "linux";
#endif

#ifdef _WIN32
constexpr const char* kBuiltLauncherName = "vdlauncher.exe";
#else
constexpr const char* kBuiltLauncherName = "vdlauncher";
#endif

std::string stubFileName(const std::string& name) {
  if (name == "linux") return "vdlauncher";
  if (name == "win64") return "vdlauncher-win64.exe";
  if (name == "win32") return "vdlauncher-win32.exe";
  return std::string();
}

}  // namespace

std::string joinAll(std::string directory, std::initializer_list<const char*> names) {
  for (const char* name : names) directory = platform::joinPath(directory, name);
  return directory;
}

std::optional<std::string> firstExistingFile(const std::vector<std::string>& places,
                                             const std::string& separator, std::string& looked) {
  looked.clear();
  for (const std::string& place : places) {
    if (platform::pathInfo(place).kind == platform::PathKind::kFile) return place;
    looked.append(looked.empty() ? "" : separator).append(place);
  }
  return std::nullopt;
}

std::vector<std::string> stubCandidates(const std::string& name) {
  std::string file = stubFileName(name);
  if (file.empty()) return {};
  if (std::optional<std::string> directory = platform::getEnvironmentVariable("VDPACK_STUBS"))
    return {platform::joinPath(*directory, file)};
  std::string own = directoryOf(platform::moduleFileName());
  std::vector<std::string> places = {joinAll(own, {"..", "lib", "vdlauncher", file.c_str()})};
  if (name == kOwnPlatform)
    places.push_back(joinAll(own, {"..", "..", "src", kBuiltLauncherName}));
  return places;
}

std::string resolveStub(const std::string& value, const std::string& baseDirectory) {
  std::vector<std::string> places = stubCandidates(value);
  if (places.empty()) return relativeTo(baseDirectory, value);
  std::string looked;
  if (std::optional<std::string> stub = firstExistingFile(places, ", ", looked)) return *stub;
  throw UsageError("no " + value + " launcher: looked for " + looked);
}

}  // namespace vd::pack
