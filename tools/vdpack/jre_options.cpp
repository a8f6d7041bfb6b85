#include "jre_pack.h"
#include "pack_paths.h"
#include "pack_plan.h"
#include "platform/file_operations.h"
#include "platform/module.h"
#include "platform/path.h"
#include "stub_locator.h"

namespace vd::pack {
namespace {

#if defined(_WIN64)
constexpr const char* kInstalledStubName = "vdjre-win64.exe";
constexpr const char* kBuiltStubName = "vdjre.exe";
#elif defined(_WIN32)
constexpr const char* kInstalledStubName = "vdjre-win32.exe";
constexpr const char* kBuiltStubName = "vdjre.exe";
#else
constexpr const char* kInstalledStubName = "vdjre";
constexpr const char* kBuiltStubName = "vdjre";
#endif

std::string* optionTarget(const std::string& option, JrePlan& plan) {
  if (option == "--runtime") return &plan.runtime;
  if (option == "--jvm-file") return &plan.jvmFile;
  if (option == "--out") return &plan.out;
  if (option == "--stub") return &plan.stub;
  return nullptr;
}

}  // namespace

JrePlan parseJreOptions(const std::vector<std::string>& args) {
  JrePlan plan;
  for (size_t i = 0; i < args.size(); i += 2) {
    std::string* target = optionTarget(args[i], plan);
    if (!target) throw UsageError("jre: unknown option " + args[i] + " (see vdpack --help)");
    if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value (see vdpack --help)");
    *target = args[i + 1];
  }
  if (plan.runtime.empty() || plan.jvmFile.empty() || plan.out.empty())
    throw UsageError("jre needs --runtime, --jvm-file and --out");
  return plan;
}

std::string defaultJreStub() {
  std::string own = directoryOf(platform::moduleFileName());
  std::vector<std::string> places = {joinAll(own, {"..", "lib", "vdlauncher", kInstalledStubName}),
                                     joinAll(own, {"..", "vdjre", kBuiltStubName})};
  std::string looked;
  if (std::optional<std::string> stub = firstExistingFile(places, " and ", looked)) return *stub;
  throw UsageError("no installer stub (looked for " + looked + "): give one with --stub");
}

}  // namespace vd::pack
