#pragma once
#include <windows.h>

namespace vd::platform {

// Dialog templates and their controls.
inline constexpr int kTallDialogTemplate = 101;   // with the explanatory text (launcher kind 0)
inline constexpr int kShortDialogTemplate = 103;  // without it (every other kind)
inline constexpr int kStatusLine = 1000;
inline constexpr int kProgressBar = 1001;
inline constexpr int kCancelButton = 1003;
inline constexpr int kExplanationText = 1004;

// String resources of the window.
inline constexpr unsigned kClassNameResource = 1;
inline constexpr unsigned kNoProgressBarResource = 20;
inline constexpr unsigned kFolderChooserTitleResource = 30;
inline constexpr unsigned kExplanationResource = 31;

inline constexpr UINT_PTR kHideTimer = 1;
inline constexpr UINT_PTR kAnimationTimer = 2;
inline constexpr UINT kAnimationPeriodMs = 100;
inline constexpr int kAnimationStep = 5;

// A timer belongs to the thread of its window, so the worker asks the dialog to set and kill
// its timers itself. kStartHideTimers carries the seconds in wParam.
inline constexpr UINT kStartHideTimers = WM_APP + 1;
inline constexpr UINT kStopTimers = WM_APP + 2;
// Posted to the main window by the worker thread when its work is done.
inline constexpr UINT kWorkerFinished = WM_APP + 3;

}  // namespace vd::platform
