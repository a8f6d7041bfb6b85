#pragma once
#include <memory>

#include "instructions/jvm_commands.h"

namespace vd {

// JVM commands whose every operation fails with "The command NAME is not available in this
// build yet.": a clear stop for a build that has no real bodies.
std::unique_ptr<JvmCommands> makeUnavailableJvmCommands();

}  // namespace vd
