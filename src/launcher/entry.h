#pragma once
#include <functional>
#include <string>
#include <vector>

#include "launcher/worker.h"

namespace vd {

// What the platform's entry point hands to the launcher's process entry.
struct ProcessStart {
  void* instance = nullptr;  // the module instance (Windows); unused elsewhere
  int showCommand = 0;
  // Splits the command line, the program name first; called once the debug log is set up.
  std::function<std::vector<std::string>()> readArguments;
  WorkerBody worker = runWorker;
};

// The process entry shared by every platform: the operating-system family, the debug log, the
// command line, then the progress UI, whose worker thread does the work while this thread runs
// the message loop. Returns the process exit code: the worker's result, or -1 when the UI
// cannot be set up or an exception reaches this function.
int runLauncherProcess(const ProcessStart& start);

}  // namespace vd
