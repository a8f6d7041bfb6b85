// The JVM commands a launcher build uses: the one place that picks their implementation.
#include "instructions/jvm_commands.h"
#include "instructions/unavailable_jvm_commands.h"

namespace vd {

std::unique_ptr<JvmCommands> makeDefaultJvmCommands() { return makeUnavailableJvmCommands(); }

}  // namespace vd
