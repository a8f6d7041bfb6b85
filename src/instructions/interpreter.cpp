#include "instructions/interpreter.h"

#include "instructions/jvm_commands.h"
#include "instructions/text_scan.h"
#include "launcher/exceptions.h"

namespace vd {

// Compared in this order against the whole first word of a line, case-sensitively.
const InstructionInterpreter::Command InstructionInterpreter::kCommands[] = {
    {"FIND_JVM", &InstructionInterpreter::runFindJvm},
    {"GOTO", &InstructionInterpreter::runGoto},
    {"ILAUNCH", &InstructionInterpreter::runILaunch},
    {"INITIALIZE_UI", &InstructionInterpreter::runInitializeUi},
    {"INSTALL_JVM", &InstructionInterpreter::runInstallJvm},
    {"JMP0", &InstructionInterpreter::runJmp0},
    {"LAUNCH", &InstructionInterpreter::runLaunch},
    {"SET", &InstructionInterpreter::runSet},
    {"VERIFY", &InstructionInterpreter::runVerify},
    {"EXECUTE_LAUNCHER", &InstructionInterpreter::runExecuteLauncher},
    {"//", &InstructionInterpreter::runComment},
};

InstructionInterpreter::InstructionInterpreter(const TagFile& program) : program_(program) {}

InstructionInterpreter::InstructionInterpreter(const TagFile& program, JvmCommands& commands)
    : program_(program), commands_(&commands) {}

const std::vector<std::string>& InstructionInterpreter::lines() const {
  return program_.values("INSTRUCTIONS");
}

JvmCommands& InstructionInterpreter::commands() const {
  return commands_ ? *commands_ : jvmCommands();
}

void InstructionInterpreter::raiseInstructionError(const std::string& message) const {
  throw InstructionsException(message, currentLine_ + 1);
}

int32_t InstructionInterpreter::runInstructions() {
  const int32_t lineCount = static_cast<int32_t>(lines().size());
  currentLine_ = 0;
  resultCode_ = 0;
  // GOTO and a taken JMP0 leave the index on the label line; execution resumes after it.
  for (; currentLine_ < lineCount; ++currentLine_) runLine(lines()[currentLine_]);
  return resultCode_;
}

void InstructionInterpreter::runLine(const std::string& line) {
  Cursor cursor{line};
  std::string word;
  if (!nextToken(line, cursor.position, word)) raiseInstructionError("No command specified.");
  if (word[0] == ':') return;  // label line
  for (const Command& command : kCommands) {
    if (word == command.word) {
      (this->*command.run)(cursor);
      return;
    }
  }
  raiseInstructionError("Invalid command (" + word + "). ");
}

int32_t InstructionInterpreter::findLabel(const std::string& label) const {
  std::string target = ":" + label;
  expandVariables(target, "Invalid label specified.");
  if (target == ":")
    raiseInstructionError("Label " + label + " resolved to a blank string. Labels cannot be blank.");
  const std::vector<std::string>& program = lines();
  for (size_t i = 0; i < program.size(); ++i) {
    if (program[i] == target) return static_cast<int32_t>(i);
  }
  raiseInstructionError("Label not found (" + label + ")");
}

}  // namespace vd
