// The hidden main window: its class, its procedure, the worker thread it starts and the
// message loop of the main thread.
#include <windows.h>
#include <commctrl.h>

#include "launcher/process_state.h"
#include "launcher/text.h"
#include "platform/os_family.h"
#include "platform/temp_files.h"
#include "platform/win32/progress_window_ids.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_progress_ui.h"

namespace vd::platform {
namespace {

// The class icon is looked up in the launcher's own module under this number.
constexpr int kClassIconResource = 32512;
constexpr int kArrowCursor = 32512;  // the system's standard arrow
// The worker has posted its last message when the window is destroyed; the wait only keeps the
// process from tearing down its state under the worker's last instructions.
constexpr DWORD kWorkerExitWaitMs = 5000;

void loadCommonControls() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_PROGRESS_CLASS;
  InitCommonControlsEx(&controls);
}

// The class of the main window, in its 8-bit or wide form; the caller adds the name.
template <typename WindowClass>
WindowClass mainWindowClass(HINSTANCE instance, WNDPROC procedure, HICON icon, HCURSOR arrow) {
  WindowClass windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hCursor = arrow;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  return windowClass;
}

void registerWideClass(HINSTANCE instance, const std::wstring& name, WNDPROC procedure) {
  auto windowClass = mainWindowClass<WNDCLASSW>(
      instance, procedure, LoadIconW(instance, MAKEINTRESOURCEW(kClassIconResource)),
      LoadCursorW(nullptr, MAKEINTRESOURCEW(kArrowCursor)));
  windowClass.lpszClassName = name.c_str();
  RegisterClassW(&windowClass);
}

void registerAnsiClass(HINSTANCE instance, const std::string& name, WNDPROC procedure) {
  auto windowClass = mainWindowClass<WNDCLASSA>(
      instance, procedure, LoadIconA(instance, MAKEINTRESOURCEA(kClassIconResource)),
      LoadCursorA(nullptr, MAKEINTRESOURCEA(kArrowCursor)));
  windowClass.lpszClassName = name.c_str();
  RegisterClassA(&windowClass);
}

}  // namespace

Win32ProgressUi::Win32ProgressUi(const CommandLineArguments& arguments, WorkerBody body)
    : arguments_(arguments), body_(body), wide_(!isWindows9x()) {}

// Registration failures are not checked: creating the window then fails and says so.
bool Win32ProgressUi::create(void* instance, int) {
  instance_ = static_cast<HINSTANCE>(instance);
  loadCommonControls();
  className_ = resourceText(kClassNameResource);
  HWND created = nullptr;
  if (wide_) {
    std::wstring name = toWide(className_);
    registerWideClass(instance_, name, mainWindowProc);
    created = CreateWindowExW(0, name.c_str(), L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                              instance_, this);
  } else {
    registerAnsiClass(instance_, className_, mainWindowProc);
    created = CreateWindowExA(0, className_.c_str(), "", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                              instance_, this);
  }
  if (!created) return false;
  ShowWindow(mainWindow_, SW_HIDE);
  UpdateWindow(mainWindow_);
  return true;
}

int Win32ProgressUi::runMessageLoop() {
  MSG message{};
  for (;;) {
    BOOL got = wide_ ? GetMessageW(&message, nullptr, 0, 0) : GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return processState().exitCode;
    if (dialog_ && (wide_ ? IsDialogMessageW(dialog_, &message)
                          : IsDialogMessageA(dialog_, &message)))
      continue;
    TranslateMessage(&message);
    if (wide_)
      DispatchMessageW(&message);
    else
      DispatchMessageA(&message);
  }
}

LRESULT CALLBACK Win32ProgressUi::mainWindowProc(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
  if (message == WM_NCCREATE) {
    // The first message that knows the object: keep it with the window.
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* self = static_cast<Win32ProgressUi*>(create->lpCreateParams);
    self->mainWindow_ = window;
    if (self->wide_)
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    else
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32ProgressUi*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  return self->handleMainWindowMessage(window, message, wParam, lParam);
}

LRESULT Win32ProgressUi::handleMainWindowMessage(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return onCreate(window, message, wParam, lParam);
    case kWorkerFinished:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      onDestroy();
      return 0;
    case WM_CLOSE:
      // Only the worker ends the run: a close request asks it to cancel, like the dialog's.
      processState().cancelRequested = true;
      return 0;
    case WM_ENDSESSION:
      if (wParam) {
        try {
          cleanupTempFiles();
        } catch (...) {
        }
      }
      return 0;
    default:
      return defaultProc(window, message, wParam, lParam);
  }
}

LRESULT Win32ProgressUi::onCreate(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  dialog_ = createProgressDialog(instance_, window, wide_);
  LRESULT result = defaultProc(window, message, wParam, lParam);
  startWorkerOnce();
  return result;
}

void Win32ProgressUi::onDestroy() {
  if (dialog_ && IsWindow(dialog_)) DestroyWindow(dialog_);
  dialog_ = nullptr;
  if (worker_) {
    WaitForSingleObject(worker_, kWorkerExitWaitMs);
    CloseHandle(worker_);
  }
  worker_ = nullptr;
  PostQuitMessage(processState().exitCode);
}

void Win32ProgressUi::startWorkerOnce() {
  if (!startOnce_) return;
  startOnce_ = false;
  worker_ = CreateThread(nullptr, 0, workerMain, this, 0, nullptr);
  // Without a worker nothing would ever end the message loop.
  if (!worker_) {
    processState().exitCode = -1;
    PostMessageA(mainWindow_, kWorkerFinished, 0, 0);
  }
}

DWORD WINAPI Win32ProgressUi::workerMain(LPVOID self) {
  static_cast<Win32ProgressUi*>(self)->runWorkerBody();
  return 0;
}

// After the post the main thread may delete this object at any time.
void Win32ProgressUi::runWorkerBody() {
  try {
    body_(arguments_, *this);
  } catch (...) {
    processState().exitCode = -1;
  }
  PostMessageA(mainWindow_, kWorkerFinished, 0, 0);
}

LRESULT Win32ProgressUi::defaultProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) const {
  return wide_ ? DefWindowProcW(window, message, wParam, lParam)
               : DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace vd::platform
