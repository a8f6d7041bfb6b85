#pragma once
// The launch script: the command template of the Java application and how its process runs.
#include <string>
#include <vector>

#include "archive/tag_file.h"
#include "jvm/jvm_descriptor.h"
#include "launch/token_resolver.h"

namespace vd {

class LaunchScript : public TokenResolver {
 public:
  // From a launch script file: COMMAND, DISPLAY_CONSOLE (default 0), AUTO_SET_WORKING_DIR
  // (default 1), DESC and ARCHIVE; output is captured and CP adds the embedded archives.
  explicit LaunchScript(const TagFile& tags);
  // From a command text (JVM verification).
  LaunchScript(std::string commandText, bool captureOutput, bool includeClassPathArchives);

  // The command line for `jvm`: functions first, then its `@NAME@` values, then `#NAME#`
  // environment variables.
  std::string buildCommand(const JvmDescriptor& jvm);

  // Builds and runs the command for `jvm` with the application arguments appended, waits for
  // it and returns its exit code. The output is appended to stdOut() and stdErr().
  int execute(const JvmDescriptor& jvm, const std::vector<std::string>& extraArguments,
              bool consoleRequested);

  // `%NAME%(...)` function calls and `#NAME#` environment variables.
  void resolveToken(std::string& text, char delimiter, size_t start, size_t end) const override;

  const std::string& command() const { return command_; }
  bool captureOutput() const { return captureOutput_; }
  bool displayConsole() const { return displayConsole_; }
  bool autoSetWorkingDir() const { return autoSetWorkingDir_; }
  bool includeClassPathArchives() const { return includeClassPathArchives_; }
  const std::string& stdOut() const { return stdOut_; }
  const std::string& stdErr() const { return stdErr_; }
  const std::string& description() const { return description_; }
  const std::string& archive() const { return archive_; }
  // The jvm a command is being built for; an empty jvm file outside buildCommand.
  const JvmDescriptor& currentJvm() const { return currentJvm_ ? *currentJvm_ : noJvm_; }

 private:
  void resolveFunction(std::string& text, size_t start, size_t end) const;
  std::string workingDirectory() const;

  std::string command_;
  bool captureOutput_ = true;
  bool displayConsole_ = false;
  bool autoSetWorkingDir_ = true;
  std::string stdOut_;
  std::string stdErr_;
  const JvmDescriptor* currentJvm_ = nullptr;
  bool includeClassPathArchives_ = true;
  std::string description_;
  std::string archive_;
  JvmDescriptor noJvm_;
  // Function calls being resolved inside one another (CP expands ARCHIVE, which may call CP).
  mutable int functionDepth_ = 0;
};

}  // namespace vd
