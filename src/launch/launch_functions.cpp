#include "launch/launch_functions.h"

#include "launch/application_archive.h"
#include "launch/argument_list.h"
#include "launch/class_path.h"
#include "launch/java_arguments.h"
#include "launch/launch_script.h"
#include "launch/launch_script_error.h"
#include "launch/token_expansion.h"
#include "launcher/process_state.h"
#include "platform/path.h"
#include "platform/temp_files.h"

namespace vd {
namespace {

using Arguments = std::vector<std::string>;

struct Call {
  const LaunchScript& script;
  const std::string& text;  // the text being expanded, for error reports
  const Arguments& args;
  const JvmDescriptor& jvm() const { return script.currentJvm(); }
  std::string expanded(size_t i) const { return expandTokens(args[i], '@', jvm()); }
};

using FunctionBody = std::string (*)(const Call&);

struct LaunchFunction {
  const char* name;
  size_t minArguments;
  size_t maxArguments;
  const char* countError;
  FunctionBody body;
};

constexpr size_t kAnyCount = static_cast<size_t>(-1);

std::string replaceFunction(const Call& c) {
  return replaceAll(c.text, c.args[2], c.expanded(0), c.expanded(1));
}

std::string ifExists(const Call& c) {
  return c.jvm().value(c.args[0]).empty() ? std::string() : c.expanded(1);
}

std::string launcherFile(const Call&) { return processState().settings.launcherFile; }

std::string launcherDir(const Call&) { return processState().settings.launcherDirectory(); }

std::string tempDir(const Call&) {
  std::string directory = tempDirectory();
  if (!directory.empty() && directory.back() == platform::kPathSeparator) directory.pop_back();
  return directory;
}

std::string applicationArchive(const Call& c) {
  return c.args.empty() ? applicationArchivePath() : applicationArchivePath(c.args[0]);
}

std::string runtimeSystemProps(const Call& c) { return runtimeSystemProperties(c.jvm()); }
std::string runtimeJavaArgs(const Call& c) { return runtimeJavaArguments(c.jvm()); }
std::string systemProp(const Call& c) { return systemProperty(c.jvm(), c.args[0], c.args[1]); }
std::string classPath(const Call& c) { return classPathFunction(c.script, c.args); }

// Looked up in this order.
constexpr LaunchFunction kFunctions[] = {
    {"REPLACE", 3, 3, "REPLACE function requires 3 arguments.", replaceFunction},
    {"RUNTIME_SYSTEMPROP", 0, 0, "RUNTIME_SYSTEMPROP function takes no arguments.",
     runtimeSystemProps},
    {"RUNTIME_JAVAARGS", 0, 0, "RUNTIME_JAVAARGS function takes no arguments.", runtimeJavaArgs},
    {"SYSTEMPROP", 2, 2, "SYSTEMPROP function requires 2 arguments.", systemProp},
    {"CP", 0, kAnyCount, "", classPath},
    {"IF_EXISTS", 2, 2, "IF_EXISTS function requires 2 arguments.", ifExists},
    {"LAUNCHER_FILE", 0, 0, "LAUNCHER_FILE function takes 0 arguments.", launcherFile},
    {"LAUNCHER_DIR", 0, 0, "LAUNCHER_DIR function takes 0 arguments.", launcherDir},
    {"APPLICATION_ARCHIVE", 0, 1, "APPLICATION_ARCHIVE function takes 0 arguments.",
     applicationArchive},
    {"TEMP_DIR", 0, 0, "TEMP_DIR function takes 0 arguments.", tempDir},
};

const LaunchFunction* findFunction(const std::string& name) {
  for (const LaunchFunction& function : kFunctions)
    if (name == function.name) return &function;
  return nullptr;
}

}  // namespace

void raiseFunctionsTooDeep(const std::string& text) {
  raiseLaunchScriptError(text, "Function calls are nested more than " +
                                   std::to_string(kMaxFunctionDepth) +
                                   " deep; the ARCHIVE value may call CP.");
}

std::string replaceAll(const std::string& text, const std::string& subject,
                       const std::string& search, const std::string& replacement) {
  std::string result = subject;
  if (search.empty()) return result;
  for (size_t p = result.find(search); p != std::string::npos;
       p = result.find(search, p + replacement.size())) {
    checkExpandedLength(text, result.size() - search.size() + replacement.size());
    result.replace(p, search.size(), replacement);
  }
  return result;
}

void callLaunchFunction(const LaunchScript& script, std::string& text, size_t start, size_t end) {
  std::string name = text.substr(start + 1, end - start - 1);
  const LaunchFunction* function = findFunction(name);
  if (!function) raiseLaunchScriptError(text, "Invalid function name (" + name + ").");
  ArgumentList list = readArgumentList(text, end + 1);
  size_t count = list.arguments.size();
  if (count < function->minArguments || count > function->maxArguments)
    raiseLaunchScriptError(text, function->countError);
  std::string value = function->body(Call{script, text, list.arguments});
  text.replace(start, list.end - start, value);
}

}  // namespace vd
