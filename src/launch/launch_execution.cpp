// Running the launch script's command: working directory, arguments, environment, output log.
#include "archive/launcher_archive.h"
#include "instructions/text_scan.h"
#include "launch/argument_quoting.h"
#include "launch/launch_script.h"
#include "launch/run_command.h"
#include "launcher/log.h"
#include "launcher/process_state.h"
#include "platform/environment.h"
#include "platform/path.h"

namespace vd {
namespace {

// Only the wizard kinds of launcher hand SET_ENV_FOR_WIZARD to their children.
bool setsWizardEnvironment(int kind) { return kind == 0 || kind == 2; }

// Each "NAME=VALUE" value of the jvm file, trimmed; a value without "=" sets NAME empty.
void applyWizardEnvironment(const JvmDescriptor& jvm) {
  for (const std::string& entry : jvm.tags().values("SET_ENV_FOR_WIZARD")) {
    std::string text = trimBlanks(entry);
    if (text.empty()) continue;
    size_t equals = text.find('=');
    std::string name = trimBlanks(text.substr(0, equals));
    if (name.empty()) continue;  // "=x" names no variable
    std::string value = equals == std::string::npos ? std::string() : trimBlanks(text.substr(equals + 1));
    platform::setEnvironmentVariable(name, value);
  }
}

void logCapturedOutput(const std::string& out, const std::string& err) {
  writeLog("Output from the launch script execution");
  writeLog("StdOut:");
  writeLog(out);
  writeLog("ErrOut:");
  writeLog(err);
}

}  // namespace

// The directory of the running launcher. A launcher in a root keeps the root's separator
// ("C:" alone would mean the drive's current directory), and one without a directory leaves
// the child in the current directory rather than naming the file itself as a directory.
std::string LaunchScript::workingDirectory() const {
  if (!autoSetWorkingDir_) return std::string();
  const std::string& launcher = processState().settings.launcherFile;
  for (size_t i = launcher.size(); i > 0; --i) {
    if (!platform::isPathSeparator(launcher[i - 1])) continue;
    std::string directory = launcher.substr(0, i - 1);
    if (directory.empty() || directory.back() == ':') directory = launcher.substr(0, i);
    return directory;
  }
  return std::string();
}

int LaunchScript::execute(const JvmDescriptor& jvm, const std::vector<std::string>& extraArguments,
                          bool consoleRequested) {
  std::string cmd = buildCommand(jvm);
  std::string directory = workingDirectory();
  for (const std::string& argument : extraArguments) cmd += quoteArgument(argument);
  writeLog("Executing launch script command: " + cmd +
           (autoSetWorkingDir_ ? " in working directory " + directory
                               : std::string(" in current working directory")));

  std::string savedJavaHome = platform::getEnvironmentVariable("JAVA_HOME").value_or(std::string());
  platform::setEnvironmentVariable("JAVA_HOME", jvm.value("JVM_HOME"));
  if (setsWizardEnvironment(launcherKind(processState().settings.launcherFile)))
    applyWizardEnvironment(jvm);

  bool showConsole = displayConsole_ || consoleRequested;
  bool capture = !showConsole && captureOutput_;
  int exitCode = runCommand(cmd, directory, showConsole, capture, true, &stdOut_, &stdErr_, false);
  platform::setEnvironmentVariable("JAVA_HOME", savedJavaHome);
  if (capture) logCapturedOutput(stdOut_, stdErr_);
  return exitCode;
}

}  // namespace vd
