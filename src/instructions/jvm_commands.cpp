#include "instructions/jvm_commands.h"

#include "launcher/process_state.h"

namespace vd {

JvmCommands& jvmCommands() {
  std::unique_ptr<JvmCommands>& slot = processState().jvmCommands;
  if (!slot) slot = makeDefaultJvmCommands();
  return *slot;
}

void installJvmCommands(std::unique_ptr<JvmCommands> commands) {
  processState().jvmCommands = std::move(commands);
}

}  // namespace vd
