#pragma once

namespace vd {

class CommandLineArguments;

// What the worker thread needs from the window beyond the status facade.
class WorkerWindow {
 public:
  // Stops the dialog's hide and animation timers.
  virtual void stopTimers() = 0;

 protected:
  ~WorkerWindow() = default;
};

// The worker thread's work; returns the process exit code. The window starts it once.
using WorkerBody = int (*)(const CommandLineArguments& arguments, WorkerWindow& window);

}  // namespace vd
