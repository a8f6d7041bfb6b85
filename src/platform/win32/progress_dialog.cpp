// The modeless progress dialog: its creation, placement and procedure. The procedure runs on
// the main thread, so the timers it sets fire there too.
#include <windows.h>

#include "archive/launcher_archive.h"
#include "launcher/process_state.h"
#include "launcher/text.h"
#include "platform/module.h"
#include "platform/win32/progress_window_ids.h"
#include "platform/win32/win32_progress_ui.h"
#include "ui/dialog_placement.h"
#include "ui/status.h"

namespace vd::platform {
namespace {

int dialogTemplateForOwnKind() {
  try {
    return launcherKind(moduleFileName()) != 0 ? kShortDialogTemplate : kTallDialogTemplate;
  } catch (...) {
    return kShortDialogTemplate;
  }
}

void startHideTimers(HWND dialog, int16_t seconds) {
  // A negative time has no end to wait for: the bar runs and the dialog stays.
  if (seconds > 0) SetTimer(dialog, kHideTimer, static_cast<UINT>(seconds) * 1000u, nullptr);
  SetTimer(dialog, kAnimationTimer, kAnimationPeriodMs, nullptr);
}

void killTimers(HWND dialog) {
  KillTimer(dialog, kAnimationTimer);
  KillTimer(dialog, kHideTimer);
}

void onTimer(HWND dialog, WPARAM id) {
  if (id == kHideTimer) {
    ShowWindow(dialog, SW_HIDE);
    killTimers(dialog);
  } else if (id == kAnimationTimer) {
    // No exception may cross the system's call of this procedure.
    try {
      stepProgress(kAnimationStep);
    } catch (...) {
    }
  }
}

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetDlgItemTextA(dialog, kExplanationText, resourceText(kExplanationResource).c_str());
      return TRUE;
    case WM_CLOSE:
      processState().cancelRequested = true;
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == kCancelButton) processState().cancelRequested = true;
      return TRUE;
    case WM_TIMER:
      onTimer(dialog, wParam);
      return TRUE;
    case kStartHideTimers:
      startHideTimers(dialog, static_cast<int16_t>(wParam));
      return TRUE;
    case kStopTimers:
      killTimers(dialog);
      return TRUE;
    default:
      return FALSE;
  }
}

ScreenRect rectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace

HWND createProgressDialog(HINSTANCE instance, HWND owner, bool wide) {
  int dialogTemplate = dialogTemplateForOwnKind();
  HWND dialog = wide ? CreateDialogParamW(instance, MAKEINTRESOURCEW(dialogTemplate), owner,
                                          dialogProc, 0)
                     : CreateDialogParamA(instance, MAKEINTRESOURCEA(dialogTemplate), owner,
                                          dialogProc, 0);
  if (!dialog) return nullptr;
  ShowWindow(dialog, SW_HIDE);
  centreDialog(dialog);
  return dialog;
}

void centreDialog(HWND dialog) {
  ScreenRect own = rectOf(dialog);
  HWND owner = GetWindow(dialog, GW_OWNER);
  ScreenRect ownerRect = owner ? rectOf(owner) : ScreenRect{};
  ScreenPoint at = centredDialogPosition(own.width, own.height, owner ? &ownerRect : nullptr,
                                         GetSystemMetrics(SM_CXSCREEN),
                                         GetSystemMetrics(SM_CYSCREEN));
  MoveWindow(dialog, at.x, at.y, own.width, own.height, FALSE);
}

}  // namespace vd::platform
