#include "platform/progress_window.h"

#include "platform/win32/win32_progress_ui.h"

namespace vd::platform {
namespace {

void deleteProgressUi(ProgressUi* ui) { delete static_cast<Win32ProgressUi*>(ui); }

}  // namespace

ProgressUiPtr createProgressUi(const CommandLineArguments& arguments, WorkerBody body) {
  return ProgressUiPtr(new Win32ProgressUi(arguments, body), deleteProgressUi);
}

}  // namespace vd::platform
