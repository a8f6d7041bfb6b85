// The JVM commands a launcher build uses: the one place that picks their implementation.
#include "instructions/jvm_commands.h"
#include "instructions/launcher_jvm_commands.h"

namespace vd {

std::unique_ptr<JvmCommands> makeDefaultJvmCommands() { return makeLauncherJvmCommands(); }

}  // namespace vd
