#include "launcher/worker.h"

#include "archive/launcher_archive.h"
#include "launcher/command_line_arguments.h"
#include "launcher/driver.h"
#include "launcher/process_state.h"
#include "platform/module.h"
#include "platform/temp_files.h"
#include "ui/status.h"

namespace vd {
namespace {

// What a kind 0 or 2 launcher's program returns when the application already told the user.
constexpr int kReportedFailure = 1000;

// `result` is set as soon as the driver returns, so that a later failure keeps it.
void runDriverAndReport(const CommandLineArguments& arguments, WorkerWindow& window,
                        int& result) {
  std::string launcherPath = platform::moduleFileName();
  TempFilesCleanup cleanup;
  result = runDriver(arguments.withoutProgramName(), launcherPath);
  window.stopTimers();
  int kind = launcherKind(launcherPath);
  processState().exitCode = result;
  const std::string& errorOutput = processState().lastLaunch.standardError;
  if (showsLaunchErrorOutput(result, kind) && !errorOutput.empty()) messageBox(errorOutput);
}

}  // namespace

bool showsLaunchErrorOutput(int result, int launcherKind) {
  if (result == 0) return false;
  bool quietKind = launcherKind == 0 || launcherKind == 2;
  return !quietKind || result != kReportedFailure;
}

int runWorker(const CommandLineArguments& arguments, WorkerWindow& window) {
  if (arguments.count() == 0) return processState().exitCode;
  // The driver reports its own failures; anything else escaping it still ends the run
  // cleanly, with the result of a failed start unless the driver had returned.
  int result = -1;
  try {
    runDriverAndReport(arguments, window, result);
  } catch (...) {
  }
  processState().exitCode = result;
  return result;
}

}  // namespace vd
