#include "platform/scan_exclusions.h"

namespace vd::platform {

// Every directory of a Windows drive holds ordinary files.
bool isSystemPseudoDirectory(const std::string&) { return false; }

}  // namespace vd::platform
