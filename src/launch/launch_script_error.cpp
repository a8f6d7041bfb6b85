#include "launch/launch_script_error.h"

#include "launcher/exceptions.h"
#include "launcher/log.h"

namespace vd {

void raiseLaunchScriptError(const std::string& text, const std::string& message) {
  writeLog("Launch command:");
  writeLog(text);
  throw LauncherException("Launch script error: " + message);
}

}  // namespace vd
