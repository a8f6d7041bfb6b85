// Slots 2 to 11, called by the worker thread through the status facade. Each one that sends a
// message to the dialog waits until the main thread has handled it.
#include "platform/win32/win32_progress_ui.h"

#include <commctrl.h>

#include <vector>

#include "launcher/exceptions.h"
#include "launcher/text.h"
#include "platform/win32/progress_window_ids.h"
#include "ui/headless_progress_ui.h"

namespace vd::platform {
namespace {

constexpr int kTitleCapacity = 512;

// Message boxes of a right-to-left dialog read from the right, like the dialog.
UINT messageBoxReading(HWND dialog) {
  if (!dialog) return 0;
  LONG_PTR style = GetWindowLongPtrA(dialog, GWL_EXSTYLE);
  return (style & WS_EX_LAYOUTRTL) ? MB_RTLREADING | MB_RIGHT : 0;
}

}  // namespace

void Win32ProgressUi::setStatus(const std::string& text) {
  if (dialog_) SetDlgItemTextA(dialog_, kStatusLine, text.c_str());
}

void Win32ProgressUi::setStatusPair(const std::string& first, const std::string& second) {
  setStatus(formatText("%1!s! %2!s!", {first, second}));
}

HWND Win32ProgressUi::progressBar() const {
  HWND bar = dialog_ ? GetDlgItem(dialog_, kProgressBar) : nullptr;
  if (!bar) throw LauncherException(resourceText(kNoProgressBarResource));
  return bar;
}

// The bar keeps its default range 0 to 100; positions wrap within 0 to 99.
void Win32ProgressUi::advanceProgress(int n) {
  HWND bar = progressBar();
  int current = static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0));
  SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(wrapProgress(current + n % 100)), 0);
}

void Win32ProgressUi::setProgress(int n) {
  SendMessageA(progressBar(), PBM_SETPOS, static_cast<WPARAM>(wrapProgress(n)), 0);
}

void Win32ProgressUi::show() {
  if (dialog_) ShowWindow(dialog_, SW_SHOWNORMAL);
}

bool Win32ProgressUi::hideAfter(int16_t seconds) {
  if (!dialog_) return false;
  if (HWND cancel = GetDlgItem(dialog_, kCancelButton)) EnableWindow(cancel, FALSE);
  if (seconds == 0)
    ShowWindow(dialog_, SW_HIDE);
  else
    SendMessageA(dialog_, kStartHideTimers, static_cast<WPARAM>(static_cast<uint16_t>(seconds)), 0);
  return true;
}

bool Win32ProgressUi::isVisible() { return dialog_ && IsWindowVisible(dialog_); }

void Win32ProgressUi::showMessage(const std::string& text) {
  MessageBoxA(dialog_, text.c_str(), getTitle().c_str(), MB_OK | messageBoxReading(dialog_));
}

std::string Win32ProgressUi::getTitle() {
  if (!dialog_) return std::string();
  std::vector<char> title(kTitleCapacity, '\0');
  int length = GetWindowTextA(dialog_, title.data(), kTitleCapacity);
  return std::string(title.data(), length > 0 ? static_cast<size_t>(length) : 0);
}

void Win32ProgressUi::setTitle(const std::string& text) {
  if (dialog_) SetWindowTextA(dialog_, text.c_str());
}

void Win32ProgressUi::stopTimers() {
  if (dialog_) SendMessageA(dialog_, kStopTimers, 0, 0);
}

}  // namespace vd::platform
