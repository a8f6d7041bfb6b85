#include "ui/headless_progress_ui.h"

#include "platform/message_box.h"

namespace vd {

int wrapProgress(int value) {
  int wrapped = value % 100;
  return wrapped < 0 ? wrapped + 100 : wrapped;
}

bool HeadlessProgressUi::create(void*, int) { return true; }
int HeadlessProgressUi::runMessageLoop() { return 0; }

void HeadlessProgressUi::setStatus(const std::string& text) { status_ = text; }

void HeadlessProgressUi::setStatusPair(const std::string& first, const std::string& second) {
  status_ = first + " " + second;
}

void HeadlessProgressUi::advanceProgress(int n) {
  int current = position_.load();
  while (!position_.compare_exchange_weak(current, wrapProgress(current + n % 100))) {
  }
}

void HeadlessProgressUi::setProgress(int n) { position_ = wrapProgress(n); }

void HeadlessProgressUi::show() { visible_ = true; }

// Without timers a delayed hide has nothing to wait for: the line stays as it is.
bool HeadlessProgressUi::hideAfter(int16_t seconds) {
  if (seconds == 0) visible_ = false;
  return true;
}

bool HeadlessProgressUi::isVisible() { return visible_; }

void HeadlessProgressUi::showMessage(const std::string& text) {
  platform::showMessageBox(text, title_);
}

std::string HeadlessProgressUi::getTitle() { return title_.substr(0, 511); }
void HeadlessProgressUi::setTitle(const std::string& text) { title_ = text; }
std::string HeadlessProgressUi::chooseFolder() { return std::string(); }

}  // namespace vd
