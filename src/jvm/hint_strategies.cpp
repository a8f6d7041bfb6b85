// The per-descriptor search strategies: registry hints, path hints, platform JVM paths.
#include "jvm/drive_list.h"
#include "jvm/jvm_descriptor.h"
#include "jvm/platform_hint.h"
#include "launcher/log.h"
#include "launcher/process_state.h"
#include "platform/path.h"

namespace vd {

std::optional<JvmMatch> JvmDescriptor::findByPlatformHints(const CandidateCheck& verify,
                                                           const HintSources& sources) {
  if (!hasRequiredProperties()) return std::nullopt;
  writeLog("Searching for " + description() + " using platform hints");
  for (const std::string& hint : tags_.values("PLATFORM_HINT")) {
    if (hint.empty()) continue;
    for (const std::string& home : resolvePlatformHint(hint, sources)) {
      if (home.empty()) continue;
      writeLog("Checking JVM at " + home + " which was resolved from platform hint " + hint);
      if (std::optional<JvmMatch> match = verify(*this, home)) return match;
    }
  }
  return std::nullopt;
}

std::optional<JvmMatch> JvmDescriptor::findByPathHints(const CandidateCheck& verify,
                                                       const HintSources& sources) {
  if (!hasRequiredProperties()) return std::nullopt;
  writeLog("Searching for " + description() + " using path hints");
  std::vector<std::string> drives = driveList(sources);
  for (const std::string& hint : tags_.values("PATH_HINT"))
    if (std::optional<JvmMatch> match = checkPathHint(verify, hint, drives)) return match;
  return std::nullopt;
}

// A hint that starts at the root is tried on every drive; any other is relative to the
// directory of the launcher the user started, and a JVM found there goes away with it.
std::optional<JvmMatch> JvmDescriptor::checkPathHint(const CandidateCheck& verify,
                                                     const std::string& hint,
                                                     const std::vector<std::string>& drives) {
  if (!hint.empty() && hint[0] == platform::kPathSeparator) {
    for (const std::string& root : drives) {
      std::string candidate = root + platform::kPathSeparator + hint.substr(1);
      writeLog("Checking path hint " + candidate);
      if (std::optional<JvmMatch> match = verify(*this, candidate)) return match;
    }
    return std::nullopt;
  }
  std::string directory = processState().settings.launcherDirectory();
  std::string candidate = directory.empty() ? hint : platform::joinPath(directory, "") + hint;
  std::optional<JvmMatch> match = verify(*this, candidate);
  if (match) match->temporary = true;
  return match;
}

// No platform JVM paths are known here: the strategy only announces itself.
std::optional<JvmMatch> JvmDescriptor::findByPlatformJvmPaths(const CandidateCheck&) {
  if (!hasRequiredProperties()) return std::nullopt;
  writeLog("Searching for " + description() + " using platform specific JVM Path hints");
  return std::nullopt;
}

}  // namespace vd
