#include "platform/path_queries.h"

#include "launcher/log.h"
#include "launcher/text.h"
#include "platform/file_operations.h"
#include "platform/path.h"

namespace vd {

bool fileExists(const std::string& path) {
  switch (platform::probeFileForReading(path)) {
    case platform::ProbeResult::kOpened:
    case platform::ProbeResult::kInUse:
      return true;
    case platform::ProbeResult::kMissing:
      return false;
    case platform::ProbeResult::kFailed:
      break;
  }
  writeLog(lastErrorText(), kLogPlain);
  return false;
}

std::string parentDirectory(const std::string& path) {
  for (size_t i = path.size(); i > 0; --i)
    if (platform::isPathSeparator(path[i - 1])) return path.substr(0, i - 1);
  return std::string();
}

std::string shortPathName(const std::string& path) { return platform::systemShortPath(path); }

}  // namespace vd
