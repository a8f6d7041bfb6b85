#pragma once
#include <string>

namespace vd {

// Runs one command line as a child process and returns its exit code (0 when it does not
// wait). With `captureOutput`, standard output and error are appended to the sinks (either may
// be null). Failures raise LauncherException ("CreateProcess failed  ==>  " ...).
int runCommand(const std::string& commandLine, const std::string& workingDirectory,
               bool showConsole, bool captureOutput, bool wait, std::string* stdOutSink,
               std::string* stdErrSink, bool newConsole);

}  // namespace vd
