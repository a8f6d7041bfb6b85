#include "launcher/entry.h"

#include "launcher/driver.h"
#include "launcher/log.h"
#include "platform/module.h"
#include "platform/os_family.h"
#include "platform/temp_files.h"
#include "ui/headless_progress_ui.h"
#include "ui/status.h"

namespace vd {

int runLauncherProcess(const std::vector<std::string>& args) {
  initWindows9xFlag();
  HeadlessProgressUi ui;
  setProgressUi(&ui);
  int result = -1;
  try {
    initDebugLog();
    if (args.empty()) {
      result = 0;
    } else {
      std::vector<std::string> arguments(args.begin() + 1, args.end());
      TempFilesCleanup cleanup;
      result = runDriver(arguments, platform::moduleFileName());
    }
  } catch (...) {
    result = -1;
  }
  setProgressUi(nullptr);
  return result;
}

}  // namespace vd
