#pragma once
#include <atomic>
#include <string>

#include "ui/progress_ui.h"

namespace vd {

// A ProgressUi without windows: it keeps the title, the status line, the bar position and the
// visibility, and shows message boxes through the platform's plain message box. The launcher
// uses it until it has a progress window of its own.
class HeadlessProgressUi : public ProgressUi {
 public:
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

  const std::string& statusLine() const { return status_; }
  int position() const { return position_; }

 private:
  std::string title_;
  std::string status_;
  // Also moved by the animation timer's thread.
  std::atomic<int> position_{0};
  bool visible_ = false;
};

// The bar's position for a requested value: the bar runs from 0 to 99 and wraps.
int wrapProgress(int value);

}  // namespace vd
