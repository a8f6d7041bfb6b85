#include "platform/progress_window.h"

#include "platform/posix/terminal_progress_ui.h"

namespace vd::platform {
namespace {

void deleteProgressUi(ProgressUi* ui) { delete static_cast<TerminalProgressUi*>(ui); }

}  // namespace

ProgressUiPtr createProgressUi(const CommandLineArguments& arguments, WorkerBody body) {
  return ProgressUiPtr(new TerminalProgressUi(arguments, body, standardTerminal()),
                       deleteProgressUi);
}

}  // namespace vd::platform
