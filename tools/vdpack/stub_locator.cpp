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

std::string joinAll(std::string path, std::initializer_list<const char*> names) {
  for (const char* name : names) path = platform::joinPath(path, name);
  return path;
}

}  // namespace

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
  for (const std::string& place : places) {
    if (platform::pathInfo(place).kind == platform::PathKind::kFile) return place;
    if (!looked.empty()) looked += ", ";
    looked += place;
  }
  throw UsageError("no " + value + " launcher: looked for " + looked);
}

}  // namespace vd::pack
