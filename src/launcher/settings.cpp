#include "launcher/settings.h"

namespace vd {

std::string LauncherSettings::launcherDirectory() const {
  size_t slash = origLauncherFile.find_last_of("\\/");
  if (slash == std::string::npos) return std::string();
  return origLauncherFile.substr(0, slash);
}

}  // namespace vd
