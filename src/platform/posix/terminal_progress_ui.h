#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "platform/posix/terminal_device.h"
#include "ui/progress_ui.h"
#include "ui/worker_window.h"

namespace vd {
class CommandLineArguments;
}

namespace vd::platform {

// The progress UI on a terminal. On a terminal the status shows as one line with a bar,
// redrawn in place, messages are printed above it and choices are prompts; elsewhere only the
// message texts are printed and every choice counts as cancelled. The worker runs on its own
// thread while the main thread's loop plays the dialog's timers.
class TerminalProgressUi final : public ProgressUi, public WorkerWindow {
 public:
  TerminalProgressUi(const CommandLineArguments& arguments, WorkerBody body,
                     TerminalDevice& terminal);
  ~TerminalProgressUi();
  TerminalProgressUi(const TerminalProgressUi&) = delete;
  TerminalProgressUi& operator=(const TerminalProgressUi&) = delete;

  bool create(void* instance, int showCommand) override;
  int runMessageLoop() override;
  void setStatus(const std::string& text) override;
  void setStatusPair(const std::string& first, const std::string& second) override;
  void advanceProgress(int n) override;
  void setProgress(int n) override;
  void show() override;
  bool hideAfter(int16_t seconds) override;
  bool isVisible() override;
  void showMessage(const std::string& text) override;
  std::string getTitle() override;
  void setTitle(const std::string& text) override;
  std::string chooseFolder() override;

  void stopTimers() override;

  // The line the user types after `question`; empty when nobody can answer.
  std::string prompt(const std::string& question);
  int position() const { return position_; }

 private:
  using Clock = std::chrono::steady_clock;

  void runWorkerBody();
  // One tick of the hide and animation timers; true when the bar should step.
  bool tickTimers();
  void redrawLocked();
  void eraseLocked();
  void requireCreated() const;

  const CommandLineArguments& arguments_;
  WorkerBody body_;
  TerminalDevice& terminal_;
  std::thread worker_;
  std::mutex mutex_;
  std::condition_variable workerEnded_;
  bool workerDone_ = false;
  std::atomic<bool> created_{false};
  std::atomic<int> position_{0};
  // Guarded by mutex_.
  std::string title_;
  std::string status_;
  bool visible_ = false;
  bool animating_ = false;
  std::optional<Clock::time_point> hideAt_;
  std::string drawn_;
};

}  // namespace vd::platform
