#pragma once
#include <windows.h>

#include <string>

#include "ui/progress_ui.h"
#include "ui/worker_window.h"

namespace vd {
class CommandLineArguments;
}

namespace vd::platform {

// The hidden main window that owns the modeless progress dialog. The main thread creates both
// and runs the message loop; the worker thread calls slots 2 to 12, which act on the windows
// through the system's cross-thread window calls.
class Win32ProgressUi final : public ProgressUi, public WorkerWindow {
 public:
  Win32ProgressUi(const CommandLineArguments& arguments, WorkerBody body);

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

 private:
  static LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static DWORD WINAPI workerMain(LPVOID self);
  LRESULT handleMainWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onCreate(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void onDestroy();
  void startWorkerOnce();
  void runWorkerBody();
  LRESULT defaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;
  HWND progressBar() const;

  const CommandLineArguments& arguments_;
  WorkerBody body_;
  // The wide message functions on the NT family, the 8-bit ones on the Windows 9x family.
  bool wide_;
  HINSTANCE instance_ = nullptr;
  std::string className_;
  HWND mainWindow_ = nullptr;
  // Set while the main window is created, before the worker starts; null until then.
  HWND dialog_ = nullptr;
  HANDLE worker_ = nullptr;
  bool startOnce_ = true;
};

// The progress dialog made from the template the launcher kind asks for, hidden and centred.
HWND createProgressDialog(HINSTANCE instance, HWND owner, bool wide);
void centreDialog(HWND dialog);

}  // namespace vd::platform
