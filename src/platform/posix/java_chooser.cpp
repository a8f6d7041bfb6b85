#include "platform/java_chooser.h"

#include "launcher/process_state.h"
#include "platform/posix/terminal_progress_ui.h"

namespace vd::platform {
namespace {

// Names no localised text: the message box shown before it says what is asked for.
constexpr const char* kQuestion = "java executable";

}  // namespace

// The prompt goes through the terminal UI when it runs, so that its status line steps aside.
std::string chooseJavaExecutable() {
  if (auto* ui = dynamic_cast<TerminalProgressUi*>(processState().status.ui))
    return ui->prompt(kQuestion);
  return askTerminal(standardTerminal(), kQuestion);
}

}  // namespace vd::platform
