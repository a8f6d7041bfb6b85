#pragma once
#include <string>
#include <vector>

#include "jvm/hint_sources.h"

namespace vd {

// The roots of the fixed and network drives, each without its trailing separator ("C:"; the
// root file system "/" gives ""). Raises resource 17 when the system lists no drives at all.
std::vector<std::string> driveList(const HintSources& sources = systemHintSources());

}  // namespace vd
