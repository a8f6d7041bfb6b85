#include "launcher/entry.h"

#include "launcher/driver.h"
#include "launcher/log.h"
#include "platform/module.h"

namespace vd {

int runLauncherProcess(const std::vector<std::string>& args) {
  try {
    initDebugLog();
    if (args.empty()) return 0;
    std::vector<std::string> arguments(args.begin() + 1, args.end());
    return runDriver(arguments, platform::moduleFileName());
  } catch (...) {
    return -1;
  }
}

}  // namespace vd
