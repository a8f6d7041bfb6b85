#include "launch/launch_script.h"

#include "launch/launch_functions.h"
#include "launch/token_expansion.h"
#include "platform/environment.h"

namespace vd {
namespace {

// Sets the jvm for the duration of one build, also when the build fails.
class CurrentJvmScope {
 public:
  CurrentJvmScope(const JvmDescriptor*& slot, const JvmDescriptor& jvm) : slot_(slot) {
    slot_ = &jvm;
  }
  ~CurrentJvmScope() { slot_ = nullptr; }
  CurrentJvmScope(const CurrentJvmScope&) = delete;
  CurrentJvmScope& operator=(const CurrentJvmScope&) = delete;

 private:
  const JvmDescriptor*& slot_;
};

class DepthScope {
 public:
  explicit DepthScope(int& depth) : depth_(depth) { ++depth_; }
  ~DepthScope() { --depth_; }
  DepthScope(const DepthScope&) = delete;
  DepthScope& operator=(const DepthScope&) = delete;

 private:
  int& depth_;
};

}  // namespace

LaunchScript::LaunchScript(const TagFile& tags)
    : command_(tags.get("COMMAND")),
      displayConsole_(tags.getBoolean("DISPLAY_CONSOLE", false)),
      autoSetWorkingDir_(tags.getBoolean("AUTO_SET_WORKING_DIR", true)),
      description_(tags.get("DESC")),
      archive_(tags.get("ARCHIVE")) {}

LaunchScript::LaunchScript(std::string commandText, bool captureOutput,
                           bool includeClassPathArchives)
    : command_(std::move(commandText)),
      captureOutput_(captureOutput),
      includeClassPathArchives_(includeClassPathArchives) {}

std::string LaunchScript::buildCommand(const JvmDescriptor& jvm) {
  CurrentJvmScope scope(currentJvm_, jvm);
  std::string s = expandTokens(command_, '%', *this);
  s = expandTokens(s, '@', jvm);
  return expandTokens(s, '#', *this);
}

void LaunchScript::resolveToken(std::string& text, char delimiter, size_t start,
                                size_t end) const {
  if (delimiter == '%') {
    resolveFunction(text, start, end);
    return;
  }
  std::string name = text.substr(start + 1, end - start - 1);
  text.replace(start, end - start + 1,
               platform::getEnvironmentVariable(name).value_or(std::string()));
}

void LaunchScript::resolveFunction(std::string& text, size_t start, size_t end) const {
  DepthScope depth(functionDepth_);
  if (functionDepth_ > kMaxFunctionDepth) raiseFunctionsTooDeep(text);
  callLaunchFunction(*this, text, start, end);
}

}  // namespace vd
