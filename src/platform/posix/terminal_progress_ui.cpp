#include "platform/posix/terminal_progress_ui.h"

#include "launcher/exceptions.h"
#include "launcher/process_state.h"
#include "launcher/text.h"
#include "ui/headless_progress_ui.h"
#include "ui/status.h"
#include "ui/terminal_status_line.h"

namespace vd::platform {
namespace {

constexpr auto kAnimationPeriod = std::chrono::milliseconds(100);
constexpr int kAnimationStep = 5;
constexpr unsigned kNoProgressBarResource = 20;
constexpr unsigned kFolderChooserTitleResource = 30;
const char* const kEraseLine = "\r\x1b[K";

}  // namespace

TerminalProgressUi::TerminalProgressUi(const CommandLineArguments& arguments, WorkerBody body,
                                       TerminalDevice& terminal)
    : arguments_(arguments), body_(body), terminal_(terminal) {}

TerminalProgressUi::~TerminalProgressUi() {
  if (worker_.joinable()) worker_.join();
}

bool TerminalProgressUi::create(void*, int) {
  created_ = true;
  worker_ = std::thread([this] { runWorkerBody(); });
  return true;
}

void TerminalProgressUi::runWorkerBody() {
  try {
    body_(arguments_, *this);
  } catch (...) {
    processState().exitCode = -1;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  workerDone_ = true;
  workerEnded_.notify_all();
}

// The main thread plays the dialog's timers until the worker is done.
int TerminalProgressUi::runMessageLoop() {
  for (;;) {
    {
      std::unique_lock<std::mutex> lock(mutex_);
      if (workerEnded_.wait_for(lock, kAnimationPeriod, [this] { return workerDone_; })) break;
    }
    if (tickTimers()) {
      try {
        stepProgress(kAnimationStep);
      } catch (...) {
      }
    }
  }
  worker_.join();
  std::lock_guard<std::mutex> lock(mutex_);
  eraseLocked();
  return processState().exitCode;
}

bool TerminalProgressUi::tickTimers() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (hideAt_ && Clock::now() >= *hideAt_) {
    hideAt_.reset();
    animating_ = false;
    visible_ = false;
    eraseLocked();
  }
  return animating_;
}

void TerminalProgressUi::setStatus(const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  status_ = text;
  redrawLocked();
}

void TerminalProgressUi::setStatusPair(const std::string& first, const std::string& second) {
  setStatus(formatText("%1!s! %2!s!", {first, second}));
}

void TerminalProgressUi::requireCreated() const {
  if (!created_) throw LauncherException(resourceText(kNoProgressBarResource));
}

void TerminalProgressUi::advanceProgress(int n) {
  requireCreated();
  int current = position_.load();
  while (!position_.compare_exchange_weak(current, wrapProgress(current + n % 100))) {
  }
  std::lock_guard<std::mutex> lock(mutex_);
  redrawLocked();
}

void TerminalProgressUi::setProgress(int n) {
  requireCreated();
  position_ = wrapProgress(n);
  std::lock_guard<std::mutex> lock(mutex_);
  redrawLocked();
}

void TerminalProgressUi::show() {
  std::lock_guard<std::mutex> lock(mutex_);
  visible_ = true;
  redrawLocked();
}

// A negative time has no end: the bar runs and the line stays.
bool TerminalProgressUi::hideAfter(int16_t seconds) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (seconds == 0) {
    visible_ = false;
    eraseLocked();
    return true;
  }
  if (seconds > 0) hideAt_ = Clock::now() + std::chrono::seconds(seconds);
  animating_ = true;
  return true;
}

bool TerminalProgressUi::isVisible() {
  std::lock_guard<std::mutex> lock(mutex_);
  return visible_;
}

void TerminalProgressUi::showMessage(const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  eraseLocked();
  terminal_.write(title_.empty() ? text + "\n" : title_ + ": " + text + "\n");
  redrawLocked();
}

std::string TerminalProgressUi::getTitle() {
  std::lock_guard<std::mutex> lock(mutex_);
  return title_.substr(0, 511);
}

void TerminalProgressUi::setTitle(const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  title_ = text;
}

std::string TerminalProgressUi::chooseFolder() {
  return prompt(resourceText(kFolderChooserTitleResource));
}

void TerminalProgressUi::stopTimers() {
  std::lock_guard<std::mutex> lock(mutex_);
  hideAt_.reset();
  animating_ = false;
}

// The lock is held while the user types, so the status line stays off the answer's line.
std::string TerminalProgressUi::prompt(const std::string& question) {
  std::lock_guard<std::mutex> lock(mutex_);
  eraseLocked();
  std::string answer = askTerminal(terminal_, question);
  redrawLocked();
  return answer;
}

void TerminalProgressUi::redrawLocked() {
  if (!visible_ || !terminal_.isTerminal()) return;
  std::string line = renderStatusLine(status_, position_, terminal_.columns());
  if (line == drawn_) return;
  terminal_.write("\r" + line + "\x1b[K");
  drawn_ = line;
}

void TerminalProgressUi::eraseLocked() {
  if (drawn_.empty()) return;
  terminal_.write(kEraseLine);
  drawn_.clear();
}

}  // namespace vd::platform
