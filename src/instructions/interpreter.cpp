#include "instructions/interpreter.h"

#include "launcher/exceptions.h"

namespace vd {

int32_t InstructionInterpreter::runInstructions() {
  (void)program_;
  (void)currentLine_;
  throw LauncherException("Running an instruction program is not available in this build yet.");
}

}  // namespace vd
