#include "launcher/entry.h"

#include "launcher/command_line_arguments.h"
#include "launcher/log.h"
#include "platform/os_family.h"
#include "platform/progress_window.h"
#include "ui/status.h"

namespace vd {
namespace {

// Keeps the facade from reaching a UI object that is gone, however the entry is left.
class FacadeUi {
 public:
  explicit FacadeUi(ProgressUi* ui) { setProgressUi(ui); }
  ~FacadeUi() { setProgressUi(nullptr); }
  FacadeUi(const FacadeUi&) = delete;
  FacadeUi& operator=(const FacadeUi&) = delete;
};

int runUi(const ProcessStart& start) {
  CommandLineArguments arguments(start.readArguments());
  platform::ProgressUiPtr ui = platform::createProgressUi(arguments, start.worker);
  FacadeUi facade(ui.get());
  if (!ui->create(start.instance, start.showCommand)) return -1;
  return ui->runMessageLoop();
}

}  // namespace

int runLauncherProcess(const ProcessStart& start) {
  try {
    initWindows9xFlag();
    initDebugLog();
    return runUi(start);
  } catch (...) {
    return -1;
  }
}

}  // namespace vd
