#pragma once
#include <string>
#include <vector>

#include "jvm/hint_sources.h"

namespace vd {

// The parts of a registry reference "[\]HIVE\KEY\PATH\VALUE".
struct PlatformHintParts {
  std::string hive;
  std::string keyPath;
  std::string valueName;
  std::string fallbackKeyPath;  // everything after the hive: the value name taken as a key
};

PlatformHintParts splitPlatformHint(const std::string& hint);

// The JVM home a registry value names: zero or one entry. An unknown hive raises resource 27;
// an unreadable key or value logs the warning of resource 28 and gives no entry.
std::vector<std::string> resolvePlatformHint(const std::string& hint,
                                             const HintSources& sources = systemHintSources());

}  // namespace vd
